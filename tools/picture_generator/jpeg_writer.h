#pragma once

#include <QImage>
#include <QString>

namespace pictures {

// Saves through libjpeg itself, the library that later decodes the file, rather than
// through an image plug-in that might not be installed.
bool writeJpeg(const QImage& image, const QString& path, int quality);

} // namespace pictures
