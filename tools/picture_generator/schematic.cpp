#include "schematic.h"

#include <QFont>
#include <QPainterPath>

#include <cmath>

namespace pictures {
namespace {

constexpr double kResistorLength = 18.0;
constexpr double kResistorAmplitude = 3.5;
constexpr int kResistorPeaks = 6;
constexpr double kCapacitorGap = 5.0;
constexpr double kCapacitorPlate = 14.0;
constexpr int kInductorHumps = 4;
constexpr double kHumpLength = 6.0;
constexpr double kSourceRadius = 8.0;
constexpr double kSwitchLength = 16.0;
constexpr double kDotRadius = 1.6;
constexpr double kLabelGap = 3.0;
constexpr double kLineWidth = 1.1;
constexpr int kLabelPixels = 9;

const QColor kInk(24, 28, 36);
const QColor kLabelInk(16, 64, 150);
const QColor kTitleInk(120, 20, 20);

QFont labelFont(int pixels, bool bold)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPointF unitAlong(QPointF a, QPointF b)
{
    const QPointF d = b - a;
    return d / std::hypot(d.x(), d.y());
}

} // namespace

Schematic::Schematic(QPainter& painter) : painter_(painter)
{
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

void Schematic::title(const QString& text)
{
    painter_.setFont(labelFont(10, true));
    painter_.setPen(kTitleInk);
    painter_.drawText(QPointF(6, 13), text);
}

void Schematic::wire(std::initializer_list<QPointF> points)
{
    painter_.setPen(QPen(kInk, kLineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(points.begin(), static_cast<int>(points.size()));
}

void Schematic::junction(QPointF at)
{
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kInk);
    painter_.drawEllipse(at, 2.0, 2.0);
}

void Schematic::ground(QPointF at)
{
    // Three shrinking bars, the usual earth symbol.
    wire({at, at + QPointF(0, 5)});
    for (int bar = 0; bar < 3; ++bar) {
        const double half = 7.0 - 2.5 * bar;
        const double y = at.y() + 5 + 2.5 * bar;
        wire({QPointF(at.x() - half, y), QPointF(at.x() + half, y)});
    }
}

// Draws leads from a and b to a centred body; drawBody paints in a frame with the body
// along x from -length/2 to +length/2 and y to the right of the direction a→b.
template <typename Body>
void Schematic::twoTerminal(QPointF a, QPointF b, double bodyLength, Body drawBody)
{
    const QPointF unit = unitAlong(a, b);
    const QPointF mid = (a + b) / 2.0;
    wire({a, mid - unit * (bodyLength / 2.0)});
    wire({mid + unit * (bodyLength / 2.0), b});
    painter_.save();
    painter_.translate(mid);
    painter_.rotate(std::atan2(unit.y(), unit.x()) * 180.0 / 3.141592653589793);
    painter_.setPen(QPen(kInk, kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.setBrush(Qt::NoBrush);
    drawBody(painter_);
    painter_.restore();
}

void Schematic::label(QPointF a, QPointF b, double bodyLength, const QString& name,
                      LabelPlace place)
{
    const QPointF mid = (a + b) / 2.0;
    const QPointF unit = unitAlong(a, b);
    const QPointF bodyStart = mid - unit * (bodyLength / 2.0);
    painter_.setFont(labelFont(kLabelPixels, true));
    painter_.setPen(kLabelInk);
    const QFontMetricsF metrics(painter_.font());
    const double w = metrics.horizontalAdvance(name);
    const double h = metrics.capHeight();
    QPointF baseline;
    switch (place) {
    case LabelPlace::UpperRight:
        baseline = QPointF(bodyStart.x() + kLabelGap, bodyStart.y() - kLabelGap);
        break;
    case LabelPlace::UpperLeft:
        baseline = QPointF(bodyStart.x() - kLabelGap - w, bodyStart.y() - kLabelGap);
        break;
    case LabelPlace::Above:
        baseline = QPointF(mid.x() - w / 2.0, mid.y() - 6.0);
        break;
    case LabelPlace::Below:
        baseline = QPointF(mid.x() - w / 2.0, mid.y() + 6.0 + h);
        break;
    case LabelPlace::Right:
        baseline = QPointF(mid.x() + 6.0, mid.y() + h / 2.0);
        break;
    }
    painter_.drawText(baseline, name);
}

void Schematic::resistor(QPointF a, QPointF b, const QString& name, LabelPlace place)
{
    twoTerminal(a, b, kResistorLength, [](QPainter& p) {
        QPainterPath zigzag(QPointF(-kResistorLength / 2.0, 0));
        const double step = kResistorLength / (2 * kResistorPeaks);
        for (int i = 0; i < 2 * kResistorPeaks; ++i) {
            const double x = -kResistorLength / 2.0 + step * (i + 0.5);
            zigzag.lineTo(x, (i % 2 == 0 ? -1 : 1) * kResistorAmplitude);
        }
        zigzag.lineTo(kResistorLength / 2.0, 0);
        p.drawPath(zigzag);
    });
    label(a, b, kResistorLength, name, place);
}

void Schematic::capacitor(QPointF a, QPointF b, const QString& name, LabelPlace place)
{
    twoTerminal(a, b, kCapacitorGap, [](QPainter& p) {
        p.setPen(QPen(kInk, kLineWidth * 1.6, Qt::SolidLine, Qt::FlatCap));
        for (double x : {-kCapacitorGap / 2.0, kCapacitorGap / 2.0})
            p.drawLine(QPointF(x, -kCapacitorPlate / 2.0), QPointF(x, kCapacitorPlate / 2.0));
    });
    label(a, b, kCapacitorGap + 4.0, name, place);
}

void Schematic::inductor(QPointF a, QPointF b, const QString& name, LabelPlace place,
                         bool bulgeRight, Coupling coupling)
{
    const bool marked = coupling == Coupling::Coupled;
    const double length = kInductorHumps * kHumpLength;
    const double side = bulgeRight ? 1.0 : -1.0;
    twoTerminal(a, b, length, [side, length, marked](QPainter& p) {
        QPainterPath humps(QPointF(-length / 2.0, 0));
        for (int i = 0; i < kInductorHumps; ++i) {
            const QRectF arc(-length / 2.0 + i * kHumpLength, -kHumpLength / 2.0, kHumpLength,
                             kHumpLength);
            humps.arcTo(arc, 180.0, side * 180.0);
        }
        p.drawPath(humps);
        if (!marked)
            return;
        // The dot convention: both coils' marked ends rise together.
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(-length / 2.0 - 1.0, side * 6.5), kDotRadius, kDotRadius);
    });
    label(a, b, length, name, place);
}

void Schematic::sineSource(QPointF plus, QPointF minus, const QString& name, LabelPlace place)
{
    twoTerminal(plus, minus, 2 * kSourceRadius, [](QPainter& p) {
        p.drawEllipse(QPointF(0, 0), kSourceRadius, kSourceRadius);
        QPainterPath wave(QPointF(0, -4.5));
        wave.cubicTo(QPointF(-4, -2.5), QPointF(4, -0.5), QPointF(0, 0));
        wave.cubicTo(QPointF(-4, 0.5), QPointF(4, 2.5), QPointF(0, 4.5));
        p.drawPath(wave);
    });
    label(plus, minus, 2 * kSourceRadius, name, place);
}

void Schematic::pulseSource(QPointF plus, QPointF minus, const QString& name, LabelPlace place)
{
    twoTerminal(plus, minus, 2 * kSourceRadius, [](QPainter& p) {
        p.drawEllipse(QPointF(0, 0), kSourceRadius, kSourceRadius);
        // A square pulse drawn across the axis, so it reads upright on an upright source.
        const QPointF pulse[] = {{4.5, 3.5}, {1.5, 3.5}, {1.5, -3.5}, {-1.5, -3.5},
                                 {-1.5, 3.5}, {-4.5, 3.5}};
        p.drawPolyline(pulse, 6);
    });
    label(plus, minus, 2 * kSourceRadius, name, place);
}

QPointF Schematic::controlledSwitch(QPointF a, QPointF b, const QString& name, LabelPlace place)
{
    twoTerminal(a, b, kSwitchLength, [](QPainter& p) {
        const QPointF hinge(kSwitchLength / 2.0, 0);
        const QPointF contact(-kSwitchLength / 2.0, 0);
        p.drawLine(hinge, QPointF(-kSwitchLength / 2.0 + 1.0, -6.0));
        p.setBrush(Qt::white);
        p.drawEllipse(contact, 1.4, 1.4);
        p.drawEllipse(hinge, 1.4, 1.4);
    });
    label(a, b, kSwitchLength, name, place);
    const QPointF unit = unitAlong(a, b);
    const QPointF mid = (a + b) / 2.0;
    return mid + QPointF(-unit.y(), unit.x()) * -3.0;
}

void Schematic::controlLine(QPointF from, QPointF to)
{
    painter_.setPen(QPen(kInk, 0.8, Qt::DashLine));
    painter_.drawLine(from, to);
}

void Schematic::core(double x, double top, double bottom, const QString& name)
{
    painter_.setPen(QPen(kInk, kLineWidth));
    for (double dx : {-1.8, 1.8})
        painter_.drawLine(QPointF(x + dx, top), QPointF(x + dx, bottom));
    painter_.setFont(labelFont(kLabelPixels, true));
    painter_.setPen(kLabelInk);
    const QFontMetricsF metrics(painter_.font());
    painter_.drawText(QPointF(x - metrics.horizontalAdvance(name) / 2.0,
                              bottom + 4.0 + metrics.capHeight()),
                      name);
}

} // namespace pictures
