#include "jpeg_image.h"

#include <QFile>

#include <cstring>
#include <string>

namespace quorvane {
namespace {

QImage fail(QString* errorText, const QString& reason)
{
    if (errorText)
        *errorText = reason;
    return {};
}

} // namespace

QImage decodeJpeg(const QByteArray& bytes, QString* errorText)
{
    std::string reason;
    const auto picture = decodeJpegRgb(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                       static_cast<std::size_t>(bytes.size()), &reason);
    if (!picture)
        return fail(errorText, QString::fromLocal8Bit(reason.c_str()));
    QImage image(static_cast<int>(picture->widthPixels), static_cast<int>(picture->heightPixels),
                 QImage::Format_RGB888);
    if (image.isNull())
        return fail(errorText, QStringLiteral("out of memory"));
    // QImage pads each line to four bytes; the decoded rows are packed.
    const std::size_t rowBytes = std::size_t{picture->widthPixels} * 3;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), picture->rgb.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes);
    return image;
}

QImage decodeJpegFile(const QString& path, QString* errorText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(errorText, file.errorString());
    return decodeJpeg(file.readAll(), errorText);
}

} // namespace quorvane
