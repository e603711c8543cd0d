#include "ui/analysis/cross_section_view.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

constexpr int kMarginPixels = 12;
constexpr int kVoltageStripPixels = 70; // the voltage along the winding, right of the section
constexpr int kScaleBarRoomPixels = 22;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kMinimumTurnPixels = 1.5; // a thin primary wire still shows
const QColor kFloorColour(120, 100, 80);
const QColor kWindingColour(196, 120, 60);
const QColor kPrimaryColour(60, 90, 160);
const QColor kTopLoadColour(170, 176, 188);

// Cold to hot as the potential rises from the floor's 0 to the top load's 1.
QColor levelColour(double level)
{
    return QColor::fromHsvF(static_cast<float>(0.66 * (1 - level)), 0.8F, 0.85F);
}

} // namespace

CrossSectionView::CrossSectionView(QWidget* parent) : QWidget(parent)
{
    setObjectName("CrossSection");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

QSize CrossSectionView::minimumSizeHint() const { return {300, 360}; }

void CrossSectionView::showSolution(const AnalysisSolution& solution)
{
    solution_ = solution;
    update();
}

QRectF CrossSectionView::drawingArea() const
{
    return QRectF(kMarginPixels, kMarginPixels, width() - 2 * kMarginPixels - kVoltageStripPixels,
                  height() - 2 * kMarginPixels - kScaleBarRoomPixels);
}

double CrossSectionView::pixelsPerMetre() const
{
    if (!solution_ || solution_->viewRadiusM <= 0 || solution_->viewHeightM <= 0) return 0;
    const QRectF area = drawingArea();
    return std::min(area.width() / (2 * solution_->viewRadiusM), area.height() / solution_->viewHeightM);
}

// The axis runs up the middle of the drawing area; the floor is its bottom edge.
QPointF CrossSectionView::toWidget(double rM, double zM) const
{
    const QRectF area = drawingArea();
    const double scale = pixelsPerMetre();
    return {area.center().x() + rM * scale, area.bottom() - zM * scale};
}

QRectF CrossSectionView::secondaryRect() const
{
    if (!solution_) return {};
    const field::CoilModel& m = solution_->model;
    return QRectF(toWidget(-m.secondaryRadiusM, m.secondaryBottomM + m.secondaryHeightM),
                  toWidget(m.secondaryRadiusM, m.secondaryBottomM));
}

void CrossSectionView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!solution_ || pixelsPerMetre() <= 0) return;
    drawEquipotentials(painter);
    drawSurroundings(painter);
    drawCoil(painter);
    drawTopLoad(painter);
    drawWindingVoltage(painter);
    drawScale(painter);
}

void CrossSectionView::drawSurroundings(QPainter& painter) const
{
    const double halfWidthM = solution_->viewRadiusM;
    painter.setPen(QPen(kFloorColour, 2));
    painter.drawLine(toWidget(-halfWidthM, 0), toWidget(halfWidthM, 0));
    painter.drawText(toWidget(-halfWidthM, 0) + QPointF(2, -4), tr("floor"));
    if (const auto ceiling = solution_->model.ceilingM) {
        painter.drawLine(toWidget(-halfWidthM, *ceiling), toWidget(halfWidthM, *ceiling));
        painter.drawText(toWidget(-halfWidthM, *ceiling) + QPointF(2, 14), tr("ceiling"));
    }
    painter.setPen(QPen(Qt::gray, 1, Qt::DashDotLine));
    painter.drawLine(toWidget(0, 0), toWidget(0, solution_->viewHeightM));
}

void CrossSectionView::drawCoil(QPainter& painter) const
{
    painter.setPen(QPen(kWindingColour.darker(140), 1));
    painter.setBrush(kWindingColour);
    painter.drawRect(secondaryRect());
    painter.setPen(QPen(kPrimaryColour.darker(130), 1));
    painter.setBrush(kPrimaryColour);
    const double wireRadiusPixels =
        std::max(kMinimumTurnPixels, solution_->model.primaryWireDiameterM / 2 * pixelsPerMetre());
    for (const field::Ring& ring : solution_->primaryRings)
        for (const double side : {-1.0, 1.0})
            painter.drawEllipse(toWidget(side * ring.radiusM, ring.heightM), wireRadiusPixels, wireRadiusPixels);
}

void CrossSectionView::drawTopLoad(QPainter& painter) const
{
    const field::CoilModel& m = solution_->model;
    const double baseM = m.secondaryBottomM + m.secondaryHeightM + m.clearanceM;
    const double scale = pixelsPerMetre();
    painter.setPen(QPen(kTopLoadColour.darker(150), 1));
    painter.setBrush(kTopLoadColour);
    if (m.topLoad == field::TopLoadShape::Toroid) {
        const double tubeRadiusPixels = m.tubeDiameterM / 2 * scale;
        for (const double side : {-1.0, 1.0})
            painter.drawEllipse(toWidget(side * m.ringDiameterM / 2, baseM + m.tubeDiameterM / 2), tubeRadiusPixels,
                                tubeRadiusPixels);
    } else if (m.topLoad == field::TopLoadShape::Sphere) {
        const double radiusPixels = m.sphereRadiusM * scale;
        painter.drawEllipse(toWidget(0, baseM + m.sphereRadiusM), radiusPixels, radiusPixels);
    }
}

void CrossSectionView::drawEquipotentials(QPainter& painter) const
{
    painter.save();
    painter.setClipRect(drawingArea());
    for (const EquipotentialSegment& s : solution_->equipotentials) {
        painter.setPen(QPen(levelColour(s.level), 1));
        // The field is the same on both sides of the axis.
        for (const double side : {-1.0, 1.0})
            painter.drawLine(toWidget(side * s.r0M, s.z0M), toWidget(side * s.r1M, s.z1M));
    }
    painter.restore();
}

// The voltage at the winding's nodes, bottom (grounded) to top, on the section's height scale.
void CrossSectionView::drawWindingVoltage(QPainter& painter) const
{
    const std::vector<double>& volts = solution_->potential.windingVoltage;
    if (volts.size() < 2) return;
    const field::CoilModel& m = solution_->model;
    const double left = drawingArea().right() + kMarginPixels;
    const double plotWidth = kVoltageStripPixels - 2 * kMarginPixels;
    const double peak = std::max(1e-12, *std::max_element(volts.begin(), volts.end()));
    QPainterPath curve;
    for (std::size_t i = 0; i < volts.size(); ++i) {
        const double zM = m.secondaryBottomM + m.secondaryHeightM * static_cast<double>(i) / static_cast<double>(volts.size() - 1);
        const QPointF point(left + plotWidth * std::clamp(volts[i] / peak, 0.0, 1.0), toWidget(0, zM).y());
        if (i == 0) curve.moveTo(point);
        else curve.lineTo(point);
    }
    const double bottom = toWidget(0, m.secondaryBottomM).y();
    const double top = toWidget(0, m.secondaryBottomM + m.secondaryHeightM).y();
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawLine(QPointF(left, bottom), QPointF(left, top));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(left - kMarginPixels, top - 30, kVoltageStripPixels, 28), Qt::AlignCenter | Qt::TextWordWrap,
                     tr("V along winding"));
}

// A one-foot bar under the drawing, so the scale can be read off the picture.
void CrossSectionView::drawScale(QPainter& painter) const
{
    const QRectF area = drawingArea();
    const double footPixels = kMetresPerFoot * pixelsPerMetre();
    const QPointF start(area.left(), area.bottom() + kScaleBarRoomPixels - 6);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(start, start + QPointF(footPixels, 0));
    painter.setPen(Qt::black);
    painter.drawText(start + QPointF(footPixels + 6, 4), tr("1 ft"));
}

} // namespace qv
