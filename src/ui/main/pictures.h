#pragma once
// The program's pictures, from its resources, at the screen's pixel density.

#include <QPixmap>
#include <QString>

namespace qv {

// The picture drawn into a box of the given logical size, keeping its proportions; a null
// pixmap when the resource is missing. The @2x drawing is used on a double-density screen.
QPixmap picture(const QString& resourcePath, QSize logicalSize);

} // namespace qv
