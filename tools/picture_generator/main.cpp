// quorvane-pictures: draws every picture the program shows into the resources folder.
// Usage: quorvane-pictures <resources folder>
#include "jpeg_writer.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kPhotoQuality = 90;
constexpr int kIconSizes[] = {32, 64, 256};

bool savePng(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "cannot write " << path << "\n";
    return false;
}

// A picture at its on-screen size and, with the @2x suffix Qt looks for, at twice that.
bool saveWithDouble(const QString& stem, QImage (*draw)(int))
{
    return savePng(draw(1), stem + ".png") && savePng(draw(2), stem + "@2x.png");
}

bool writePictures(const QDir& pictures)
{
    bool ok = saveWithDouble(pictures.filePath("start"), pictures::startPicture);
    ok = saveWithDouble(pictures.filePath("toroid"), pictures::toroidDrawing) && ok;
    for (int model = 1; model <= 3; ++model) {
        const QString stem = pictures.filePath(QString("model%1").arg(model));
        ok = savePng(pictures::circuitModel(model, 1), stem + ".png") && ok;
        ok = savePng(pictures::circuitModel(model, 2), stem + "@2x.png") && ok;
    }
    const QString photo = pictures.filePath("power_output.jpg");
    if (!pictures::writeJpeg(pictures::powerOutputPhoto(), photo, kPhotoQuality)) {
        QTextStream(stderr) << "cannot write " << photo << "\n";
        ok = false;
    }
    return ok;
}

bool writeIcons(const QDir& icons)
{
    bool ok = savePng(pictures::programIcon(kIconSizes[0]), icons.filePath("quorvane.png"));
    for (int size : kIconSizes)
        ok = savePng(pictures::programIcon(size), icons.filePath(QString("quorvane-%1.png").arg(size)))
             && ok;
    for (const QString& name : pictures::toolbarIconNames()) {
        ok = savePng(pictures::toolbarIcon(name, 1), icons.filePath(name + ".png")) && ok;
        ok = savePng(pictures::toolbarIcon(name, 2), icons.filePath(name + "@2x.png")) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts need a GUI application, but no screen: draw off-screen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: quorvane-pictures <resources folder>\n", stderr);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath("pictures") || !root.mkpath("icons")) {
        std::fputs("cannot create the picture folders\n", stderr);
        return 1;
    }
    const bool ok = writePictures(QDir(root.filePath("pictures")))
                    && writeIcons(QDir(root.filePath("icons")))
                    && pictures::writeThemeIcons(QDir(root.filePath("icons/hicolor")));
    return ok ? 0 : 1;
}
