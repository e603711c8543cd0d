#pragma once

#include <QImage>
#include <QString>

namespace pictures {

// Each function draws one picture at the given multiple of its size on screen (1 or 2).
QImage startPicture(int scale);
QImage powerOutputPhoto();
QImage toroidDrawing(int scale);
QImage circuitModel(int model, int scale);   // model 1, 2 or 3
QImage programIcon(int sizePixels);

// Tool-bar pictures by file name (without extension), drawn at 24 × scale pixels.
QImage toolbarIcon(const QString& name, int scale);
QStringList toolbarIconNames();

} // namespace pictures
