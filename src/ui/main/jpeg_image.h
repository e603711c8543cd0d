#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quorvane {

// The largest picture side accepted. The Power Output photograph is a few hundred pixels;
// the limit keeps a damaged or hostile header from making the decoder allocate gigabytes.
inline constexpr int kMaxJpegSidePixels = 8192;

// Decodes a JPEG file's bytes with libjpeg into an RGB image. A damaged, truncated or
// oversized file gives a null QImage (and, if asked, the reason); it never aborts.
// Corrupt-data warnings count as failures, so a half-decoded picture is never shown.
QImage decodeJpeg(const QByteArray& bytes, QString* errorText = nullptr);

// Reads the file (a Qt resource path such as ":/pictures/power_output.jpg" works too).
QImage decodeJpegFile(const QString& path, QString* errorText = nullptr);

} // namespace quorvane
