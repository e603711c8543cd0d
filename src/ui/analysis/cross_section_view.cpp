#include "ui/analysis/cross_section_view.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace qv {
namespace {

constexpr int kMarginPixels = 12;
constexpr int kPlotPixels = 64;      // the voltage plot, 0 % to its axis' end
constexpr int kTickPixels = 4;
constexpr int kHatchPixels = 7;      // the strokes that mark the floor and the ceiling as solid
constexpr int kSwatchPixels = 14;    // a legend entry's sample of its line
constexpr int kLabelPadPixels = 2;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kMetresPerInch = 0.0254;
constexpr double kPercent = 100;
constexpr double kMinimumTurnRadiusPixels = 0.5; // a wire thinner than a pixel still shows
// Height ticks at a step from this list, the first that leaves two text lines between numbers.
// The drawing's lengths in the session's unit: the height axis and the scale bar.
struct DrawnUnit {
    double metresPerUnit;
    const char* caption;
    std::array<double, 10> tickSteps; // in the unit, smallest first
    double barMetres;
    const char* barCaption;
};
constexpr DrawnUnit kInchDrawing{kMetresPerInch, "in", {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}, kMetresPerFoot, "1 ft"};
constexpr DrawnUnit kMillimetreDrawing{1e-3, "mm", {25, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000}, 0.3, "0.3 m"};
const DrawnUnit& drawnUnit(LengthUnit unit) { return unit == LengthUnit::Millimetres ? kMillimetreDrawing : kInchDrawing; }
const QColor kFloorColour(120, 100, 80);
const QColor kWindingColour(196, 120, 60);
const QColor kPrimaryColour(60, 90, 160);
const QColor kTopLoadColour(170, 176, 188);

// Cold to hot as the potential rises from the floor's 0 to the top load's 1.
QColor levelColour(double level)
{
    return QColor::fromHsvF(static_cast<float>(0.66 * (1 - level)), 0.8F, 0.85F);
}

QString percentText(double fraction) { return QString("%1 %").arg(std::lround(fraction * kPercent)); }

// The legend's column left of the section: a sample of each line and its percentage.
int legendWidth(const QFontMetrics& metrics)
{
    return kSwatchPixels + 3 * kLabelPadPixels +
           std::max({metrics.horizontalAdvance(QStringLiteral("90 %")), metrics.horizontalAdvance(QObject::tr("% of")),
                     metrics.horizontalAdvance(QObject::tr("top V"))});
}

// The widest text the height axis writes, so the axis' numbers never run into the section.
QString widestHeightText() { return QStringLiteral("000"); }

} // namespace

CrossSectionView::CrossSectionView(QWidget* parent) : QWidget(parent)
{
    setObjectName("CrossSection");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

QSize CrossSectionView::minimumSizeHint() const { return {340, 360}; }
QSize CrossSectionView::sizeHint() const { return {460, 600}; }

void CrossSectionView::showSolution(const AnalysisSolution& solution)
{
    solution_ = solution;
    update();
}

// Above the section two lines for the plot's title and unit and the ceiling's hatching; below it
// the floor's hatching, the plot's numbers and caption, and the scale bar; left of it the legend,
// right of it the voltage plot with its height numbers. Measured once per size and font: every
// point of every line goes through it.
QRectF CrossSectionView::drawingArea() const
{
    if (measuredArea_ && measuredArea_->first == size()) return measuredArea_->second;
    const QFontMetrics metrics = fontMetrics();
    const int above = 2 * metrics.height() + kHatchPixels;
    const int below = kHatchPixels + 2 * metrics.height() + kTickPixels;
    const int strip = metrics.horizontalAdvance(widestHeightText()) + kTickPixels + kPlotPixels + 2 * kMarginPixels;
    const int legend = legendWidth(metrics) + kMarginPixels;
    measuredArea_.emplace(size(), QRectF(kMarginPixels + legend, kMarginPixels + above, width() - 2 * kMarginPixels - legend - strip,
                                         height() - 2 * kMarginPixels - above - below));
    return measuredArea_->second;
}

void CrossSectionView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) measuredArea_.reset();
    QWidget::changeEvent(event);
}

double CrossSectionView::areaAspect() const
{
    const QRectF area = drawingArea();
    return area.width() > 0 && area.height() > 0 ? area.height() / area.width() : 0;
}

double CrossSectionView::pixelsPerMetre() const
{
    if (!solution_ || solution_->viewRadiusM <= 0 || solution_->viewHeightM <= 0) return 0;
    const QRectF area = drawingArea();
    return std::max(0.0, std::min(area.width() / (2 * solution_->viewRadiusM), area.height() / solution_->viewHeightM));
}

// The axis runs up the middle of the drawing area; the floor is its bottom edge.
QPointF CrossSectionView::toWidget(double rM, double zM) const
{
    const QRectF area = drawingArea();
    const double scale = pixelsPerMetre();
    return {area.center().x() + rM * scale, area.bottom() - zM * scale};
}


// The voltage plot's 0 %, right of the section and its height numbers.
double CrossSectionView::plotLeft() const
{
    const double sectionRight = solution_ ? toWidget(solution_->viewRadiusM, 0).x() : drawingArea().right();
    return sectionRight + kMarginPixels + fontMetrics().horizontalAdvance(widestHeightText()) + kTickPixels;
}

// The section's own rectangle: the field's half-planes either side of the axis, floor to top.
QRectF CrossSectionView::sectionRect() const
{
    if (!solution_) return drawingArea();
    return QRectF(toWidget(-solution_->viewRadiusM, solution_->viewHeightM), toWidget(solution_->viewRadiusM, 0));
}

QRectF CrossSectionView::secondaryRect() const
{
    if (!solution_) return {};
    const field::CoilModel& m = solution_->model;
    return QRectF(toWidget(-m.secondaryRadiusM, m.secondaryBottomM + m.secondaryHeightM),
                  toWidget(m.secondaryRadiusM, m.secondaryBottomM));
}

// Each turn's wire in section on both sides of the axis, its true diameter at the drawing's scale.
std::vector<QRectF> CrossSectionView::primaryTurnRects() const
{
    std::vector<QRectF> rects;
    if (!solution_) return rects;
    const double radiusPixels =
        std::max(kMinimumTurnRadiusPixels, solution_->model.primaryWireDiameterM / 2 * pixelsPerMetre());
    for (const field::Ring& ring : solution_->primaryRings)
        for (const double side : {-1.0, 1.0}) {
            const QPointF centre = toWidget(side * ring.radiusM, ring.heightM);
            rects.emplace_back(centre.x() - radiusPixels, centre.y() - radiusPixels, 2 * radiusPixels, 2 * radiusPixels);
        }
    return rects;
}

// The legend stands left of the section, level with its top: a heading that says what the
// percentages are of, then the levels, hottest first.
QRectF CrossSectionView::legendRect() const
{
    const QFontMetrics metrics = fontMetrics();
    const int rows = static_cast<int>(kEquipotentialLevels.size()) + 2;
    const QRectF section = sectionRect();
    const double width = legendWidth(metrics);
    return QRectF(section.left() - kMarginPixels / 2.0 - width, section.top(), width,
                  rows * metrics.height() + 2 * kLabelPadPixels);
}

// Where a label would hide the coil: the winding, the top load's sections and the primary's turns.
std::vector<QRectF> CrossSectionView::coilRects() const
{
    std::vector<QRectF> rects = primaryTurnRects();
    if (!solution_) return rects;
    rects.push_back(secondaryRect());
    const field::CoilModel& m = solution_->model;
    const double baseM = m.secondaryBottomM + m.secondaryHeightM + m.clearanceM;
    const auto circle = [&](double rM, double zM, double radiusM) {
        rects.emplace_back(toWidget(rM - radiusM, zM + radiusM), toWidget(rM + radiusM, zM - radiusM));
    };
    if (m.topLoad == field::TopLoadShape::Toroid)
        for (const double side : {-1.0, 1.0}) circle(side * m.ringDiameterM / 2, baseM + m.tubeDiameterM / 2, m.tubeDiameterM / 2);
    else if (m.topLoad == field::TopLoadShape::Sphere)
        circle(0, baseM + m.sphereRadiusM, m.sphereRadiusM);
    return rects;
}

// Each drawn level is labelled once, where its line reaches farthest out on the right (there the
// lines fan apart), or else at its highest or lowest point: the first place inside the section
// where the label covers neither another label nor the coil.
std::vector<DrawnLabel> CrossSectionView::lineLabels() const
{
    std::vector<DrawnLabel> labels;
    if (!solution_) return labels;
    const QFontMetrics metrics = fontMetrics();
    const QRectF area = sectionRect();
    const std::vector<QRectF> coil = coilRects();
    const auto outward = [](const EquipotentialSegment& s) { return s.r0M + s.r1M; };
    const auto upward = [](const EquipotentialSegment& s) { return s.z0M + s.z1M; };
    const auto downward = [](const EquipotentialSegment& s) { return -(s.z0M + s.z1M); };
    for (const double level : kEquipotentialLevels) {
        const QString text = percentText(level);
        for (const auto& farthest : {std::function<double(const EquipotentialSegment&)>(outward), {upward}, {downward}}) {
            const EquipotentialSegment* best = nullptr;
            for (const EquipotentialSegment& s : solution_->equipotentials)
                if (s.level == level && (!best || farthest(s) > farthest(*best))) best = &s;
            if (!best) break;
            QRectF rect(0, 0, metrics.horizontalAdvance(text) + 2 * kLabelPadPixels, metrics.height());
            rect.moveCenter(toWidget((best->r0M + best->r1M) / 2, (best->z0M + best->z1M) / 2));
            rect.moveRight(std::min(rect.right(), area.right()));
            rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() - rect.height()));
            const auto hides = [&](const QRectF& other) { return other.intersects(rect); };
            const bool covers = std::any_of(coil.begin(), coil.end(), hides) ||
                                std::any_of(labels.begin(), labels.end(), [&](const DrawnLabel& l) { return hides(l.rect); });
            if (covers) continue;
            labels.push_back({text, rect, level});
            break;
        }
    }
    return labels;
}

// Heights above the floor in whole units, at a step that leaves room for the numbers.
std::vector<DrawnLabel> CrossSectionView::heightTicks() const
{
    std::vector<DrawnLabel> ticks;
    const DrawnUnit& unit = drawnUnit(lengthUnit_);
    const double pixelsPerUnit = pixelsPerMetre() * unit.metresPerUnit;
    if (pixelsPerUnit <= 0) return ticks;
    const double roomPixels = 2.0 * fontMetrics().height();
    const auto step = std::find_if(unit.tickSteps.begin(), unit.tickSteps.end(),
                                   [&](double units) { return units * pixelsPerUnit >= roomPixels; });
    if (step == unit.tickSteps.end()) return ticks;
    const double topUnits = solution_->viewHeightM / unit.metresPerUnit;
    const double left = sectionRect().right();
    const double right = plotLeft() - kTickPixels - kLabelPadPixels;
    const double lineHeight = fontMetrics().height();
    const auto count = static_cast<int>(std::floor(topUnits / *step + 1e-9));
    for (int i = 0; i <= count; ++i) {
        const double units = i * *step;
        const double y = toWidget(0, units * unit.metresPerUnit).y();
        ticks.push_back({QString::number(units, 'f', 0), QRectF(left, y - lineHeight / 2, right - left, lineHeight), 0});
    }
    return ticks;
}

void CrossSectionView::setLengthUnit(LengthUnit unit)
{
    if (unit == lengthUnit_) return;
    lengthUnit_ = unit;
    update();
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
    drawLineLabels(painter);
    drawLegend(painter);
    drawWindingVoltage(painter);
    drawScale(painter);
}

// The floor and the ceiling are grounded planes: a line hatched on its solid side.
void CrossSectionView::drawSurroundings(QPainter& painter) const
{
    const double halfWidthM = solution_->viewRadiusM;
    const auto plane = [&](double zM, double solidSide, const QString& name) {
        const QPointF left = toWidget(-halfWidthM, zM);
        const QPointF right = toWidget(halfWidthM, zM);
        painter.setPen(QPen(kFloorColour, 2));
        painter.drawLine(left, right);
        painter.setPen(QPen(kFloorColour, 1));
        const auto strokes = static_cast<int>((right.x() - left.x()) / kHatchPixels);
        for (int i = 0; i < strokes; ++i) {
            const double x = left.x() + i * kHatchPixels;
            painter.drawLine(QPointF(x, left.y()), QPointF(x + kHatchPixels, left.y() + solidSide * kHatchPixels));
        }
        // The name on the plane's solid side, past its hatching, clear of the field's labels.
        const double textTop = solidSide > 0 ? left.y() + kHatchPixels : left.y() - kHatchPixels - fontMetrics().height();
        const QRectF textRect(left.x(), textTop, right.x() - left.x() - kLabelPadPixels, fontMetrics().height());
        painter.drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, name);
    };
    plane(0, 1, tr("floor"));
    if (const auto ceiling = solution_->model.ceilingM) plane(*ceiling, -1, tr("ceiling"));
    painter.setPen(QPen(Qt::gray, 1, Qt::DashDotLine));
    painter.drawLine(toWidget(0, 0), toWidget(0, solution_->viewHeightM));
}

void CrossSectionView::drawCoil(QPainter& painter) const
{
    painter.setPen(QPen(kWindingColour.darker(140), 1));
    painter.setBrush(kWindingColour);
    painter.drawRect(secondaryRect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPrimaryColour);
    for (const QRectF& turn : primaryTurnRects()) painter.drawEllipse(turn);
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
    painter.setClipRect(sectionRect());
    for (const EquipotentialSegment& s : solution_->equipotentials) {
        painter.setPen(QPen(levelColour(s.level), 1));
        // The field is the same on both sides of the axis.
        for (const double side : {-1.0, 1.0})
            painter.drawLine(toWidget(side * s.r0M, s.z0M), toWidget(side * s.r1M, s.z1M));
    }
    painter.restore();
}

void CrossSectionView::drawLineLabels(QPainter& painter) const
{
    for (const DrawnLabel& label : lineLabels()) {
        painter.fillRect(label.rect, Qt::white);
        painter.setPen(levelColour(label.level).darker(130));
        painter.drawText(label.rect, Qt::AlignCenter, label.text);
    }
}

// Each level's colour, hottest at the top, under a heading that says what the percentages are of.
void CrossSectionView::drawLegend(QPainter& painter) const
{
    const QRectF box = legendRect();
    const double rowHeight = fontMetrics().height();
    const double textLeft = box.left() + kSwatchPixels + 2 * kLabelPadPixels;
    painter.setPen(Qt::black);
    double y = box.top() + kLabelPadPixels;
    for (const QString& heading : {tr("% of"), tr("top V")}) {
        painter.drawText(QRectF(box.left(), y, box.width(), rowHeight), Qt::AlignLeft | Qt::AlignVCenter, heading);
        y += rowHeight;
    }
    for (auto level = kEquipotentialLevels.rbegin(); level != kEquipotentialLevels.rend(); ++level, y += rowHeight) {
        painter.setPen(QPen(levelColour(*level), 2));
        painter.drawLine(QPointF(box.left(), y + rowHeight / 2), QPointF(textLeft - kLabelPadPixels, y + rowHeight / 2));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(textLeft, y, box.right() - textLeft, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         percentText(*level));
    }
}

// The voltage at the winding's nodes, bottom (grounded) to top, in percent of the top's, on the
// section's height scale.
void CrossSectionView::drawWindingVoltage(QPainter& painter) const
{
    const std::vector<double>& volts = solution_->potential.windingVoltage;
    const double topVolts = volts.empty() ? 0 : volts.back();
    if (volts.size() < 2 || !(topVolts > 0)) return;
    double peakPercent = kPercent;
    for (const double v : volts) peakPercent = std::max(peakPercent, v / topVolts * kPercent);
    const double axisPercent = std::ceil(peakPercent / (kPercent / 2)) * (kPercent / 2);
    drawVoltageAxes(painter, axisPercent);
    const field::CoilModel& m = solution_->model;
    QPainterPath curve;
    for (std::size_t i = 0; i < volts.size(); ++i) {
        const double zM = m.secondaryBottomM + m.secondaryHeightM * static_cast<double>(i) / static_cast<double>(volts.size() - 1);
        const double percent = std::clamp(volts[i] / topVolts * kPercent, 0.0, axisPercent);
        const QPointF point(plotLeft() + kPlotPixels * percent / axisPercent, toWidget(0, zM).y());
        if (i == 0) curve.moveTo(point);
        else curve.lineTo(point);
    }
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
}

// Height above the floor up the left, percent of the top's voltage along the floor, each with its
// numbers and unit.
void CrossSectionView::drawVoltageAxes(QPainter& painter, double axisPercent) const
{
    const double left = plotLeft();
    const double floorY = toWidget(0, 0).y();
    const double topY = toWidget(0, solution_->viewHeightM).y();
    const double lineHeight = fontMetrics().height();
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawLine(QPointF(left, floorY), QPointF(left, topY));
    painter.drawLine(QPointF(left, floorY), QPointF(left + kPlotPixels, floorY));
    painter.setPen(Qt::black);
    for (const DrawnLabel& tick : heightTicks()) {
        const double y = tick.rect.center().y();
        painter.drawLine(QPointF(left - kTickPixels, y), QPointF(left, y));
        painter.drawText(tick.rect, Qt::AlignRight | Qt::AlignVCenter, tick.text);
    }
    for (const double fraction : {0.0, 0.5, 1.0}) {
        const double x = left + kPlotPixels * fraction;
        painter.drawLine(QPointF(x, floorY), QPointF(x, floorY + kTickPixels));
        painter.drawText(QRectF(x - kPlotPixels / 2.0, floorY + kTickPixels, kPlotPixels, lineHeight), Qt::AlignCenter,
                         QString::number(std::lround(axisPercent * fraction)));
    }
    const QRectF plot(left - kMarginPixels, 0, kPlotPixels + 2 * kMarginPixels, lineHeight);
    painter.drawText(plot.translated(0, floorY + kTickPixels + lineHeight), Qt::AlignCenter, tr("% of top V"));
    const QRectF strip(sectionRect().right(), topY - 2 * lineHeight - kHatchPixels, width() - sectionRect().right(), lineHeight);
    painter.drawText(strip, Qt::AlignCenter, tr("V along winding"));
    const double unitLeft = sectionRect().right();
    painter.drawText(QRectF(unitLeft, topY - lineHeight - kHatchPixels, left - unitLeft, lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter, tr(drawnUnit(lengthUnit_).caption));
}

// A bar of a round length under the floor's hatching, so the scale can be read off the picture.
void CrossSectionView::drawScale(QPainter& painter) const
{
    const DrawnUnit& unit = drawnUnit(lengthUnit_);
    const QString caption = tr(unit.barCaption);
    const QRectF area = drawingArea();
    const double barPixels = unit.barMetres * pixelsPerMetre();
    const QPointF start(area.left(), area.bottom() + kHatchPixels + fontMetrics().height());
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(start, start + QPointF(barPixels, 0));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(start.x() + barPixels + kTickPixels, start.y() - fontMetrics().height() / 2.0,
                            fontMetrics().horizontalAdvance(caption) + kLabelPadPixels, fontMetrics().height()),
                     Qt::AlignLeft | Qt::AlignVCenter, caption);
}

} // namespace qv
