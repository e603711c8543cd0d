#pragma once

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>

namespace pictures {

// Each function draws one picture at the given multiple of its size on screen (1 or 2).
QImage startPicture(int scale);
QImage powerOutputPhoto();
QImage toroidDrawing(int scale);
QImage circuitModel(int model, int scale);   // model 1, 2 or 3
QImage programIcon(int sizePixels);

// The icons draw on a square grid of this many units, whatever their size in pixels, so the
// same drawing gives the theme's PNGs and its scalable SVG.
inline constexpr double kIconGrid = 64.0;
void paintProgramIcon(QPainter& p);
void paintCoilBody(QPainter& p);          // the coil with its toroid and base, program icon's place
void paintDesignFileIcon(QPainter& p);    // a design file: a page with the coil
QImage iconImage(void (*paint)(QPainter&), int sizePixels);
// Writes both icons into the hicolor theme folder given (its size/context/name.png layout).
bool writeThemeIcons(const QDir& hicolor);

// Tool-bar pictures by file name (without extension), drawn at 24 × scale pixels.
QImage toolbarIcon(const QString& name, int scale);
QStringList toolbarIconNames();

} // namespace pictures
