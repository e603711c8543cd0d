// The start picture: a coil discharging in the dark, with the product's name beside it.
#include "coil_scene.h"
#include "pictures.h"
#include "random.h"
#include "raster_effects.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace pictures {
namespace {

constexpr QSize kLogicalSize(377, 321);   // the sheets' area of the main window
constexpr unsigned long long kSparkSeed = 20240611;
constexpr int kMainLeaders = 9;

void paintNightSky(QPainter& painter, QSizeF size)
{
    QRadialGradient sky(QPointF(size.width() * 0.3, size.height() * 0.3), size.width() * 0.9);
    sky.setColorAt(0.0, QColor(34, 22, 60));
    sky.setColorAt(0.5, QColor(14, 10, 30));
    sky.setColorAt(1.0, QColor(4, 4, 10));
    painter.fillRect(QRectF(QPointF(0, 0), size), sky);
    QLinearGradient floor(0, size.height() * 0.84, 0, size.height());
    floor.setColorAt(0.0, QColor(10, 9, 16, 0));
    floor.setColorAt(1.0, QColor(26, 22, 34, 255));
    painter.fillRect(QRectF(0, size.height() * 0.84, size.width(), size.height() * 0.16), floor);
}

CoilGeometry startCoil(QSizeF size)
{
    CoilGeometry coil;
    coil.centreX = size.width() * 0.3;
    coil.topY = size.height() * 0.36;
    coil.baseY = size.height() * 0.86;
    coil.secondaryRadius = size.width() * 0.035;
    coil.toroidRadius = size.width() * 0.095;
    coil.tubeRadius = size.width() * 0.04;
    coil.primaryInnerRadius = size.width() * 0.06;
    coil.primaryOuterRadius = size.width() * 0.15;
    coil.primaryTurns = 8;
    coil.tilt = 0.22;
    return coil;
}

void paintTitle(QPainter& painter, QSizeF size)
{
    const QRectF block(size.width() * 0.4, size.height() * 0.58, size.width() * 0.57,
                       size.height() * 0.3);
    QFont name("DejaVu Sans");
    name.setPixelSize(static_cast<int>(size.height() * 0.1));
    name.setBold(true);
    name.setLetterSpacing(QFont::PercentageSpacing, 104);
    painter.setFont(name);
    QLinearGradient ink(0, block.top(), 0, block.top() + size.height() * 0.11);
    ink.setColorAt(0.0, QColor(255, 255, 255));
    ink.setColorAt(1.0, QColor(200, 170, 255));
    painter.setPen(QPen(QBrush(ink), 1));
    painter.drawText(block, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Quorvane"));

    const double ruleY = block.top() + size.height() * 0.135;
    QLinearGradient rule(block.left() + size.width() * 0.1, 0, block.right(), 0);
    rule.setColorAt(0.0, QColor(170, 120, 255, 0));
    rule.setColorAt(1.0, QColor(170, 120, 255, 230));
    painter.setPen(QPen(QBrush(rule), size.height() * 0.004));
    painter.drawLine(QPointF(block.left(), ruleY), QPointF(block.right(), ruleY));

    QFont subtitle("DejaVu Sans");
    subtitle.setPixelSize(static_cast<int>(size.height() * 0.05));
    subtitle.setLetterSpacing(QFont::PercentageSpacing, 110);
    painter.setFont(subtitle);
    painter.setPen(QColor(214, 204, 236));
    painter.drawText(block.adjusted(0, size.height() * 0.15, 0, 0), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("Tesla Coil Design"));
}

} // namespace

QImage startPicture(int scale)
{
    QImage image(kLogicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    const QSizeF size = image.size();
    const CoilGeometry coil = startCoil(size);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintNightSky(painter, size);
        paintCoil(painter, coil);
    }
    paintCorona(image, coil);
    Random random(kSparkSeed);
    auto channels = toroidDischarge(random, coil, kMainLeaders, 2.6);
    paintSparks(image, channels, 1.1 * scale);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paintTitle(painter, size);
    }
    vignette(image, 0.35);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace pictures
