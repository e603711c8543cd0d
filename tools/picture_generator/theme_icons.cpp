// The icons the package installs into the hicolor theme: the program's and the design file's,
// each as a scalable SVG and as PNGs at the sizes desktops ask for, from one drawing.
#include "pictures.h"

#include <QSvgGenerator>
#include <QTextStream>

namespace pictures {
namespace {

constexpr int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

struct ThemeIcon {
    const char* context; // the theme's folder: apps or mimetypes
    const char* name;
    const char* title;
    void (*paint)(QPainter&);
};

constexpr ThemeIcon kThemeIcons[] = {
    {"apps", "io.github.quorvane.Quorvane", "Quorvane", paintProgramIcon},
    {"mimetypes", "application-x-quorvane-design", "Quorvane design", paintDesignFileIcon},
};

bool writeSvg(const ThemeIcon& icon, const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(static_cast<int>(kIconGrid), static_cast<int>(kIconGrid)));
    svg.setViewBox(QRectF(0, 0, kIconGrid, kIconGrid));
    svg.setTitle(QString::fromLatin1(icon.title));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    icon.paint(painter);
    return painter.end();
}

bool written(bool ok, const QString& path)
{
    if (!ok) QTextStream(stderr) << "cannot write " << path << "\n";
    return ok;
}

} // namespace

bool writeThemeIcons(const QDir& hicolor)
{
    bool ok = true;
    for (const ThemeIcon& icon : kThemeIcons) {
        const QString scalable = QString("scalable/%1").arg(icon.context);
        ok = hicolor.mkpath(scalable) && ok;
        const QString svgPath = hicolor.filePath(QString("%1/%2.svg").arg(scalable, icon.name));
        ok = written(writeSvg(icon, svgPath), svgPath) && ok;
        for (const int size : kThemeSizes) {
            const QString folder = QString("%1x%1/%2").arg(size).arg(icon.context);
            ok = hicolor.mkpath(folder) && ok;
            const QString pngPath = hicolor.filePath(QString("%1/%2.png").arg(folder, icon.name));
            ok = written(iconImage(icon.paint, size).save(pngPath, "PNG"), pngPath) && ok;
        }
    }
    return ok;
}

} // namespace pictures
