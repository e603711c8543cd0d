// The toroid cross-section beside the Topload C fields: a cut through the coil's axis shows
// two tube sections; Dt spans one tube, Dtc runs from tube centre to tube centre.
#include "pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace pictures {
namespace {

constexpr QSize kLogicalSize(200, 100);
constexpr double kTubeRadius = 19.0;
constexpr double kLeftTubeX = 38.0;
constexpr double kRightTubeX = 140.0;
constexpr double kTubeY = 44.0;
constexpr double kDtcLineY = 88.0;
constexpr double kDtLineX = 173.0;
constexpr double kArrowLength = 6.0;
constexpr double kArrowHalfWidth = 2.4;
constexpr double kHatchSpacing = 4.0;

const QColor kOutline(28, 38, 60);
const QColor kSectionFill(214, 222, 234);
const QColor kHatch(120, 134, 160);
const QColor kDimension(150, 24, 24);
const QColor kCentreLine(110, 120, 140);

void arrowHead(QPainter& painter, QPointF tip, QPointF from)
{
    const QPointF along = tip - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = tip - unit * kArrowLength;
    const QPointF head[] = {tip, base + normal * kArrowHalfWidth, base - normal * kArrowHalfWidth};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDimension);
    painter.drawPolygon(head, 3);
}

// A dimension line with arrows at both ends, pointing outwards to the measured edges.
void dimension(QPainter& painter, QPointF a, QPointF b)
{
    painter.setPen(QPen(kDimension, 0.9));
    painter.drawLine(a, b);
    arrowHead(painter, a, b);
    arrowHead(painter, b, a);
}

void extensionLine(QPainter& painter, QPointF from, QPointF to)
{
    painter.setPen(QPen(kDimension, 0.6));
    painter.drawLine(from, to);
}

void tubeSection(QPainter& painter, double cx)
{
    const QPointF centre(cx, kTubeY);
    QPainterPath circle;
    circle.addEllipse(centre, kTubeRadius, kTubeRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSectionFill);
    painter.drawPath(circle);
    // Section hatching at 45 degrees, clipped to the cut face.
    painter.save();
    painter.setClipPath(circle);
    painter.setPen(QPen(kHatch, 0.6));
    for (double d = -2 * kTubeRadius; d <= 2 * kTubeRadius; d += kHatchSpacing)
        painter.drawLine(QPointF(cx + d - kTubeRadius, kTubeY + kTubeRadius),
                         QPointF(cx + d + kTubeRadius, kTubeY - kTubeRadius));
    painter.restore();
    painter.setPen(QPen(kOutline, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(circle);
}

void centreLines(QPainter& painter)
{
    QPen pen(kCentreLine, 0.6, Qt::DashDotLine);
    painter.setPen(pen);
    const double axisX = (kLeftTubeX + kRightTubeX) / 2.0;
    painter.drawLine(QPointF(axisX, 4), QPointF(axisX, kDtcLineY + 6));
    painter.drawLine(QPointF(kLeftTubeX - kTubeRadius - 6, kTubeY),
                     QPointF(kRightTubeX + kTubeRadius + 4, kTubeY));
    for (double x : {kLeftTubeX, kRightTubeX})
        painter.drawLine(QPointF(x, kTubeY - kTubeRadius - 4), QPointF(x, kDtcLineY + 4));
}

void label(QPainter& painter, QPointF centre, const QString& text)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kDimension);
    const QRectF box(centre.x() - 20, centre.y() - 8, 40, 16);
    painter.fillRect(box.adjusted(10, 2, -10, -2), Qt::white);
    painter.drawText(box, Qt::AlignCenter, text);
}

void dimensions(QPainter& painter)
{
    // Dtc below the tubes, between the two centre lines.
    dimension(painter, QPointF(kLeftTubeX, kDtcLineY), QPointF(kRightTubeX, kDtcLineY));
    label(painter, QPointF((kLeftTubeX + kRightTubeX) / 2.0 + 14, kDtcLineY - 7), "Dtc");
    // Dt at the right of the right tube, between its top and bottom tangents.
    const double top = kTubeY - kTubeRadius;
    const double bottom = kTubeY + kTubeRadius;
    extensionLine(painter, QPointF(kRightTubeX + 2, top), QPointF(kDtLineX + 4, top));
    extensionLine(painter, QPointF(kRightTubeX + 2, bottom), QPointF(kDtLineX + 4, bottom));
    dimension(painter, QPointF(kDtLineX, top), QPointF(kDtLineX, bottom));
    label(painter, QPointF(kDtLineX + 14, kTubeY), "Dt");
}

} // namespace

QImage toroidDrawing(int scale)
{
    QImage image(kLogicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    centreLines(painter);
    tubeSection(painter, kLeftTubeX);
    tubeSection(painter, kRightTubeX);
    dimensions(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace pictures
