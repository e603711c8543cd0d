#include "pictures.h"

#include <QGuiApplication>
#include <QIcon>

namespace qv {

QPixmap picture(const QString& resourcePath, QSize logicalSize)
{
    // QIcon finds the @2x file beside the named one by itself.
    const QIcon icon(resourcePath);
    if (icon.availableSizes().isEmpty()) return {};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    return icon.pixmap(logicalSize, ratio);
}

} // namespace qv
