// The Power Output "photograph": a night shot of a coil striking a grounded rod.
// Drawn at twice the size and reduced, as a camera's optics and sensor soften edges.
#include "coil_scene.h"
#include "pictures.h"
#include "random.h"
#include "raster_effects.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace pictures {
namespace {

constexpr QSize kPhotoSize(377, 300);   // fills the Power Output sheet
constexpr int kOversample = 2;
constexpr unsigned long long kSparkSeed = 7041856;
constexpr unsigned long long kGrainSeed = 99173;
constexpr int kMainLeaders = 11;
constexpr double kGrainStrength = 4.5;

void paintRoom(QPainter& painter, QSizeF size)
{
    const double horizon = size.height() * 0.74;
    QLinearGradient wall(0, 0, 0, horizon);
    wall.setColorAt(0.0, QColor(6, 6, 12));
    wall.setColorAt(1.0, QColor(22, 20, 34));
    painter.fillRect(QRectF(0, 0, size.width(), horizon), wall);
    QLinearGradient floor(0, horizon, 0, size.height());
    floor.setColorAt(0.0, QColor(34, 30, 40));
    floor.setColorAt(1.0, QColor(12, 11, 16));
    painter.fillRect(QRectF(0, horizon, size.width(), size.height() - horizon), floor);
}

CoilGeometry photoCoil(QSizeF size)
{
    CoilGeometry coil;
    coil.centreX = size.width() * 0.46;
    coil.topY = size.height() * 0.42;
    coil.baseY = size.height() * 0.8;
    coil.secondaryRadius = size.width() * 0.04;
    coil.toroidRadius = size.width() * 0.1;
    coil.tubeRadius = size.width() * 0.042;
    coil.primaryInnerRadius = size.width() * 0.065;
    coil.primaryOuterRadius = size.width() * 0.16;
    coil.primaryTurns = 9;
    coil.tilt = 0.2;
    return coil;
}

// The grounded strike rod the discharge reaches for, standing to the right of the coil.
QPointF paintStrikeRod(QPainter& painter, QSizeF size)
{
    const QPointF foot(size.width() * 0.86, size.height() * 0.84);
    const QPointF tip(size.width() * 0.86, size.height() * 0.55);
    painter.setPen(QPen(QColor(90, 86, 96), size.width() * 0.008, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(foot, tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(140, 136, 150));
    painter.drawEllipse(tip, size.width() * 0.01, size.width() * 0.01);
    return tip;
}

// Light from the sparks falls on the floor around the coil's foot.
void paintFloorGlow(QImage& image, const CoilGeometry& coil)
{
    QImage light = transparentLayer(image.size());
    {
        QPainter painter(&light);
        const QPointF centre(coil.centreX, coil.baseY);
        const double rx = coil.primaryOuterRadius * 2.4;
        QRadialGradient glow(centre, rx);
        glow.setColorAt(0.0, QColor(70, 40, 130, 80));
        glow.setColorAt(1.0, QColor(0, 0, 0, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.scale(1.0, 0.3);
        painter.drawEllipse(QPointF(centre.x(), centre.y() / 0.3), rx, rx);
    }
    addLight(image, light);
}

} // namespace

QImage powerOutputPhoto()
{
    QImage image(kPhotoSize * kOversample, QImage::Format_ARGB32_Premultiplied);
    const QSizeF size = image.size();
    const CoilGeometry coil = photoCoil(size);
    QPointF rodTip;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintRoom(painter, size);
        rodTip = paintStrikeRod(painter, size);
        paintCoil(painter, coil);
    }
    paintFloorGlow(image, coil);
    paintCorona(image, coil);
    Random random(kSparkSeed);
    auto channels = toroidDischarge(random, coil, kMainLeaders, 2.3);
    addStrike(random, coil, rodTip, channels);
    paintSparks(image, channels, 1.3 * kOversample);
    QImage photo = image.scaled(kPhotoSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    vignette(photo, 0.45);
    addGrain(photo, kGrainStrength, kGrainSeed);
    return photo;
}

} // namespace pictures
