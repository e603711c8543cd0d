#pragma once

#include "jpeg_decode.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quorvane {

// Decodes a JPEG file's bytes into an RGB image (decodeJpegRgb does the work). A damaged,
// truncated or oversized file gives a null QImage (and, if asked, the reason); it never aborts.
QImage decodeJpeg(const QByteArray& bytes, QString* errorText = nullptr);

// Reads the file (a Qt resource path such as ":/pictures/power_output.jpg" works too).
QImage decodeJpegFile(const QString& path, QString* errorText = nullptr);

} // namespace quorvane
