#include "coil_scene.h"

#include "random.h"
#include "raster_effects.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace pictures {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kWindingPitchPixels = 2.2;   // drawn winding pitch; real wire is finer
constexpr int kBackHalfStart = 0;              // QPainter arc angles are 1/16 degree
constexpr int kHalfTurn = 180 * 16;

QRectF ellipseAround(double cx, double cy, double rx, double ry)
{
    return {cx - rx, cy - ry, 2.0 * rx, 2.0 * ry};
}

QColor copper(double light)
{
    return QColor::fromRgbF(static_cast<float>(0.72 * light), static_cast<float>(0.42 * light),
                            static_cast<float>(0.20 * light));
}

void paintBasePlate(QPainter& painter, const CoilGeometry& coil)
{
    const double rx = coil.primaryOuterRadius * 1.15;
    const double ry = rx * coil.tilt;
    const double thickness = coil.secondaryRadius * 0.9;
    QLinearGradient side(coil.centreX - rx, 0, coil.centreX + rx, 0);
    side.setColorAt(0.0, QColor(22, 20, 24));
    side.setColorAt(0.4, QColor(70, 62, 58));
    side.setColorAt(1.0, QColor(18, 16, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(side);
    painter.drawRect(QRectF(coil.centreX - rx, coil.baseY, 2 * rx, thickness));
    painter.drawEllipse(ellipseAround(coil.centreX, coil.baseY + thickness, rx, ry));
    QLinearGradient top(0, coil.baseY - ry, 0, coil.baseY + ry);
    top.setColorAt(0.0, QColor(40, 36, 44));
    top.setColorAt(1.0, QColor(64, 58, 60));
    painter.setBrush(top);
    painter.drawEllipse(ellipseAround(coil.centreX, coil.baseY, rx, ry));
}

// Half of every primary turn: the back halves before the secondary, the front halves after.
void paintPrimaryHalf(QPainter& painter, const CoilGeometry& coil, int startAngle)
{
    const double pitch =
        (coil.primaryOuterRadius - coil.primaryInnerRadius) / std::max(1, coil.primaryTurns - 1);
    const double tubeWidth = pitch * 0.55;
    const double lift = tubeWidth * 0.6;   // the tubing stands on insulators above the plate
    painter.setBrush(Qt::NoBrush);
    for (int turn = 0; turn < coil.primaryTurns; ++turn) {
        const double r = coil.primaryInnerRadius + pitch * turn;
        const QRectF ring = ellipseAround(coil.centreX, coil.baseY - lift, r, r * coil.tilt);
        painter.setPen(QPen(copper(0.55), tubeWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(ring, startAngle, kHalfTurn);
        painter.setPen(QPen(copper(1.25), tubeWidth * 0.35, Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(ring.translated(0, -tubeWidth * 0.18), startAngle, kHalfTurn);
    }
}

void paintSecondary(QPainter& painter, const CoilGeometry& coil)
{
    const double r = coil.secondaryRadius;
    const double left = coil.centreX - r;
    QLinearGradient shade(left, 0, left + 2 * r, 0);
    shade.setColorAt(0.0, copper(0.35));
    shade.setColorAt(0.32, copper(1.3));
    shade.setColorAt(0.45, copper(1.05));
    shade.setColorAt(1.0, copper(0.25));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRect(QRectF(left, coil.topY, 2 * r, coil.baseY - coil.topY));
    painter.drawEllipse(ellipseAround(coil.centreX, coil.baseY, r, r * coil.tilt));
    // Each winding is the front half of a circle; a dark line every turn shows the wire.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(30, 14, 6, 110), 0.6));
    for (double y = coil.topY; y < coil.baseY; y += kWindingPitchPixels)
        painter.drawArc(ellipseAround(coil.centreX, y, r, r * coil.tilt), kHalfTurn, kHalfTurn);
}

void paintToroid(QPainter& painter, const CoilGeometry& coil)
{
    const double outer = coil.toroidRadius + coil.tubeRadius;
    const double cy = coil.topY - coil.tubeRadius * 0.6;
    const double halfHeight = coil.toroidRadius * coil.tilt + coil.tubeRadius;
    const QRectF body = ellipseAround(coil.centreX, cy, outer, halfHeight);
    QLinearGradient metal(0, body.top(), 0, body.bottom());
    metal.setColorAt(0.0, QColor(120, 124, 138));
    metal.setColorAt(0.18, QColor(235, 238, 245));
    metal.setColorAt(0.42, QColor(110, 114, 128));
    metal.setColorAt(0.62, QColor(62, 64, 76));
    metal.setColorAt(0.8, QColor(150, 152, 170));
    metal.setColorAt(1.0, QColor(40, 40, 50));
    painter.setPen(QPen(QColor(20, 20, 28), 0.8));
    painter.setBrush(metal);
    painter.drawEllipse(body);
    // The hole seen from above: dark inside, lit on its far rim.
    const double holeRx = (coil.toroidRadius - coil.tubeRadius) * 0.95;
    const double holeRy = holeRx * coil.tilt * 0.8;
    const QRectF hole = ellipseAround(coil.centreX, cy - coil.tubeRadius * 0.45, holeRx, holeRy);
    QLinearGradient inside(0, hole.top(), 0, hole.bottom());
    inside.setColorAt(0.0, QColor(12, 12, 18));
    inside.setColorAt(1.0, QColor(70, 72, 86));
    painter.setPen(Qt::NoPen);
    painter.setBrush(inside);
    painter.drawEllipse(hole);
    // Side reflections: polished aluminium shows bright streaks near both ends.
    QRadialGradient shine(QPointF(coil.centreX - outer * 0.55, cy - halfHeight * 0.35), outer * 0.3);
    shine.setColorAt(0.0, QColor(255, 255, 255, 140));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(body);
}

QPointF rimPoint(const CoilGeometry& coil, double angle)
{
    const double outer = coil.toroidRadius + coil.tubeRadius;
    const double cy = coil.topY - coil.tubeRadius * 0.6;
    return {coil.centreX + outer * std::cos(angle),
            cy + (coil.toroidRadius * coil.tilt + coil.tubeRadius) * std::sin(angle) * 0.8};
}

} // namespace

void paintCoil(QPainter& painter, const CoilGeometry& coil)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintBasePlate(painter, coil);
    paintPrimaryHalf(painter, coil, kBackHalfStart);
    paintSecondary(painter, coil);
    paintPrimaryHalf(painter, coil, kHalfTurn);
    paintToroid(painter, coil);
    painter.restore();
}

std::vector<SparkChannel> toroidDischarge(Random& random, const CoilGeometry& coil, int count,
                                          double reach)
{
    std::vector<SparkChannel> channels;
    for (int i = 0; i < count; ++i) {
        // Leaders leave the rim mostly sideways, where the field is strongest, alternating
        // sides; a few rise from the top and some bend down towards the floor.
        const double side = (i % 2 == 0) ? 1.0 : -1.0;
        const double elevation = random.range(-0.95, 0.45);   // radians above (−) or below
        const double heading = side > 0 ? elevation : kPi - elevation;
        SparkSeed seed;
        seed.start = rimPoint(coil, heading);
        seed.headingRadians = heading;
        seed.lengthPixels = coil.toroidRadius * reach * random.range(0.6, 1.2);
        growSpark(random, seed, channels);
    }
    return channels;
}

void paintCorona(QImage& target, const CoilGeometry& coil)
{
    QImage light = transparentLayer(target.size());
    {
        QPainter painter(&light);
        const double outer = coil.toroidRadius + coil.tubeRadius;
        const QPointF centre(coil.centreX, coil.topY - coil.tubeRadius);
        QRadialGradient air(centre, outer * 1.9);
        air.setColorAt(0.0, QColor(90, 50, 200, 90));
        air.setColorAt(0.5, QColor(60, 30, 150, 45));
        air.setColorAt(1.0, QColor(0, 0, 0, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(air);
        painter.drawEllipse(centre, outer * 1.9, outer * 1.9);
    }
    addLight(target, light);
}

void addStrike(Random& random, const CoilGeometry& coil, QPointF target,
               std::vector<SparkChannel>& channels)
{
    const bool right = target.x() > coil.centreX;
    channels.push_back(growStrike(random, rimPoint(coil, right ? 0.2 : kPi - 0.2), target));
}

} // namespace pictures
