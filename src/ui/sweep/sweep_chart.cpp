#include "ui/sweep/sweep_chart.h"

#include <QAreaSeries>
#include <QChart>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {
namespace {

constexpr double kRangePadding = 0.05;      // of the span, above and below a figure's values
constexpr int kMostPointsWithMarkers = 60; // beyond this the points would merge into the line
constexpr int kYTicks = 6;
constexpr int kShownDigits = 6;
constexpr double kSmallestRatioForLogAxis = 100; // two decades
constexpr int kChartMargin = 4;
const QColor kGapShade(220, 60, 60, 45);
const QColor kMarkerColour(90, 90, 90);
// Colours told apart in print and by most colour-blind readers (Okabe and Ito's palette).
const QColor kPalette[] = {QColor(0, 114, 178), QColor(213, 94, 0), QColor(0, 158, 115), QColor(204, 121, 167),
                           QColor(230, 159, 0), QColor(86, 180, 233), QColor(0, 0, 0), QColor(240, 228, 66)};

QString text(const std::string& s) { return QString::fromStdString(s); }
QString number(double value) { return QString::number(value, 'g', kShownDigits); }
QString withUnit(double value, const std::string& unit)
{
    return unit.empty() ? number(value) : number(value) + " " + text(unit);
}

struct UnitGroup {
    std::string unit;
    std::vector<std::size_t> figures;
};

std::vector<UnitGroup> groupByUnit(const SweepTable& table)
{
    std::vector<UnitGroup> groups;
    for (std::size_t f = 0; f < table.figures.size(); ++f) {
        const std::string& unit = table.figures[f].unit;
        auto found = std::find_if(groups.begin(), groups.end(), [&](const UnitGroup& g) { return g.unit == unit; });
        if (found == groups.end()) found = groups.insert(groups.end(), UnitGroup{unit, {}});
        found->figures.push_back(f);
    }
    return groups;
}

// The values of the group's figures with a margin, or 0 to 1 when none has a value.
std::pair<double, double> valueSpan(const SweepTable& table, const UnitGroup& group)
{
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const auto& row : table.values)
        for (const std::size_t f : group.figures)
            if (row[f].value) {
                low = std::min(low, *row[f].value);
                high = std::max(high, *row[f].value);
            }
    if (!std::isfinite(low)) return {0, 1};
    const double margin = high > low ? (high - low) * kRangePadding : std::max(std::abs(low) * kRangePadding, 1e-9);
    // A figure that is never negative (most are) gets no negative stretch of axis below it.
    return {low >= 0 ? std::max(0.0, low - margin) : low - margin, high + margin};
}

// A label without its sheet ("Required C (uF)"): the axes and the legend have little room, and the
// colours tie the figures to their lines.
QString withoutSheet(const std::string& label)
{
    const auto colon = label.find(": ");
    return text(colon == std::string::npos ? label : label.substr(colon + 2));
}

QString legendName(const SweepFigure& f) { return withoutSheet(labelWithUnit(f.caption, f.unit)); }

// A group of one figure is titled by its name and unit, a larger one by the unit they share.
std::pair<QString, QString> groupTitle(const SweepTable& table, const UnitGroup& group)
{
    if (group.figures.size() == 1) {
        const SweepFigure& f = table.figures[group.figures.front()];
        return {withoutSheet(f.caption), text(f.unit)};
    }
    return {group.unit.empty() ? QObject::tr("plain number") : text(group.unit), {}};
}

// The caption cut short to leave the unit whole on an axis this long.
QString fittedTitle(const QString& caption, const QString& unit, const QFont& font, qreal axisLength)
{
    const QFontMetricsF metrics(font);
    const QString unitText = unit.isEmpty() ? QString() : " (" + unit + ")";
    // The chart's own eliding starts a little short of the axis's ends.
    const qreal room = axisLength - metrics.horizontalAdvance(unitText) - 2 * metrics.averageCharWidth();
    return metrics.elidedText(caption, Qt::ElideRight, std::max(0.0, room)) + unitText;
}

QColor figureColour(std::size_t figure) { return kPalette[figure % std::size(kPalette)]; }

// Each figure's colour and name; the entries wrap between one another, never inside a name (the
// layout breaks after a hyphen even in a span that does not wrap).
constexpr QChar kNoBreakHyphen(0x2011);
QString legendHtml(const SweepTable& table)
{
    QStringList entries;
    for (std::size_t f = 0; f < table.figures.size(); ++f) {
        const QString name = legendName(table.figures[f]).toHtmlEscaped().replace('-', kNoBreakHyphen);
        entries << QString("<span style=\"white-space:nowrap\"><span style=\"color:%1\">&#9632;</span> %2</span>")
                       .arg(figureColour(f).name(), name);
    }
    return entries.join("&nbsp;&nbsp;&nbsp; ");
}

// Where the shading of a gap from point first to point last begins and ends: halfway to the
// neighbours (in the logarithm for a logarithmic sweep), so a one-point gap still shows.
std::pair<double, double> gapBounds(const SweepTable& t, std::size_t first, std::size_t last)
{
    const auto& x = t.inputValues;
    const auto mid = [&](double a, double b) { return t.logarithmic ? std::sqrt(a * b) : (a + b) / 2; };
    const double left = first > 0 ? mid(x[first - 1], x[first]) : x[first];
    const double right = last + 1 < x.size() ? mid(x[last], x[last + 1]) : x[last];
    return {left, right};
}

bool rowHasGap(const std::vector<field::Figure>& row)
{
    return std::any_of(row.begin(), row.end(), [](const field::Figure& f) { return !f.value; });
}

void attach(QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y)
{
    series->attachAxis(x);
    series->attachAxis(y);
}

} // namespace

SweepChartView::SweepChartView(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName("SweepPlot");
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    // A new table replaces every series and axis: repainting only the changed parts leaves the
    // old curves standing beside the new axes.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    chart()->legend()->hide();
    legend_ = new QGraphicsTextItem(chart());
    legend_->setFont(chart()->legend()->font());
    connect(chart(), &QChart::plotAreaChanged, this, &SweepChartView::fitAxisTitles);
}

void SweepChartView::fitAxisTitles()
{
    const QRectF area = chart()->plotArea();
    for (const AxisTitle& t : axisTitles_) {
        const qreal length = t.axis->orientation() == Qt::Horizontal ? area.width() : area.height();
        const QString fitted = fittedTitle(t.caption, t.unit, t.axis->titleFont(), length);
        if (fitted != t.axis->titleText()) t.axis->setTitleText(fitted);
    }
}

// Under the plot, as wide as the chart, with the plot's bottom margin made room for it.
void SweepChartView::placeLegend()
{
    const QSizeF chartSize = chart()->size();
    legend_->setTextWidth(std::max(0.0, chartSize.width() - 2 * kChartMargin));
    const qreal height = legend_->toPlainText().isEmpty() ? 0 : legend_->boundingRect().height();
    const int bottom = 2 * kChartMargin + static_cast<int>(std::ceil(height));
    chart()->setMargins(QMargins(kChartMargin, kChartMargin, kChartMargin, bottom));
    legend_->setPos(kChartMargin, chartSize.height() - 2 * kChartMargin - height);
}

void SweepChartView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    placeLegend();
}

void SweepChartView::showTable(const SweepTable& table)
{
    table_ = table;
    rebuild();
}

void SweepChartView::moveMarker(double designValue)
{
    if (!table_) return;
    table_->designValue = designValue;
    rebuild();
}

void SweepChartView::rebuild()
{
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    axisTitles_.clear();
    legend_->setHtml({});
    placeLegend();
    if (!table_ || table_->figures.empty()) return;
    const SweepTable& t = *table_;
    QAbstractAxis* xAxis = nullptr;
    // A logarithmic axis labels only powers of ten: within less than two decades it would show one
    // label or none, so there the log-spaced points stand on a linear axis with round ticks.
    const double lowX = std::min(t.inputValues.front(), t.inputValues.back());
    const double highX = std::max(t.inputValues.front(), t.inputValues.back());
    if (t.logarithmic && highX / lowX >= kSmallestRatioForLogAxis) {
        auto* log = new QLogValueAxis;
        log->setLabelFormat("%g");
        log->setMinorTickCount(-1);
        xAxis = log;
    } else {
        auto* linear = new QValueAxis;
        linear->setLabelFormat("%g");
        xAxis = linear;
    }
    axisTitles_.push_back({xAxis, withoutSheet(t.input.caption), text(t.input.unit)});
    xAxis->setRange(lowX, highX);
    if (auto* linear = qobject_cast<QValueAxis*>(xAxis)) linear->applyNiceNumbers();
    c->addAxis(xAxis, Qt::AlignBottom);

    const bool markers = t.inputValues.size() <= static_cast<std::size_t>(kMostPointsWithMarkers);
    QValueAxis* firstY = nullptr;
    const std::vector<UnitGroup> groups = groupByUnit(t);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        auto* y = new QValueAxis;
        const auto [low, high] = valueSpan(t, groups[g]);
        y->setRange(low, high);
        y->setTickCount(kYTicks);
        y->applyNiceNumbers();
        y->setLabelFormat("%g");
        const auto [caption, unit] = groupTitle(t, groups[g]);
        axisTitles_.push_back({y, caption, unit});
        if (groups[g].figures.size() == 1) y->setTitleBrush(figureColour(groups[g].figures.front()));
        c->addAxis(y, g % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
        if (!firstY) firstY = y;
        for (const std::size_t f : groups[g].figures) {
            const QColor colour = figureColour(f);
            // One line per run of points with a value, so a gap stays a gap.
            QLineSeries* run = nullptr;
            for (std::size_t i = 0; i < t.inputValues.size(); ++i) {
                const field::Figure& v = t.values[i][f];
                if (!v.value) {
                    run = nullptr;
                    continue;
                }
                if (!run) {
                    run = new QLineSeries;
                    run->setPen(QPen(colour, 2));
                    run->setPointsVisible(markers);
                    c->addSeries(run);
                    attach(run, xAxis, y);
                }
                run->append(t.inputValues[i], *v.value);
            }
        }
    }

    // Gaps, shaded across the first axis.
    bool gapShown = false;
    for (std::size_t i = 0; i < t.values.size(); ++i) {
        if (!rowHasGap(t.values[i])) continue;
        std::size_t last = i;
        while (last + 1 < t.values.size() && rowHasGap(t.values[last + 1])) ++last;
        const auto [left, right] = gapBounds(t, i, last);
        auto* top = new QLineSeries;
        auto* bottom = new QLineSeries;
        top->append({{left, firstY->max()}, {right, firstY->max()}});
        bottom->append({{left, firstY->min()}, {right, firstY->min()}});
        auto* shade = new QAreaSeries(top, bottom);
        shade->setPen(Qt::NoPen);
        shade->setBrush(kGapShade);
        c->addSeries(shade);
        attach(shade, xAxis, firstY);
        gapShown = true;
        i = last;
    }

    // The marker and the shading are explained above the plot, which leaves the legend to the
    // figures.
    const QString designNow = withUnit(t.designValue, t.input.unit);
    QString title = tr("Dashed: the design now (%1)").arg(designNow);
    if (t.designValue >= lowX && t.designValue <= highX) {
        auto* marker = new QLineSeries;
        marker->setPen(QPen(kMarkerColour, 1.5, Qt::DashLine));
        marker->append({{t.designValue, firstY->min()}, {t.designValue, firstY->max()}});
        c->addSeries(marker);
        attach(marker, xAxis, firstY);
    } else {
        title = tr("The design now (%1) lies outside the range").arg(designNow);
    }
    if (gapShown) title += tr("; shaded: no value");
    c->setTitle(title);
    legend_->setHtml(legendHtml(t));
    placeLegend();
    fitAxisTitles();
}

QString SweepChartView::pointText(std::size_t index) const
{
    const SweepTable& t = *table_;
    QString lines = text(t.input.caption) + " = " + withUnit(t.inputValues[index], t.input.unit);
    for (std::size_t f = 0; f < t.figures.size(); ++f) {
        const field::Figure& v = t.values[index][f];
        lines += "\n" + text(t.figures[f].caption) + ": " +
                 (v.value ? withUnit(*v.value, t.figures[f].unit) : tr("no value - %1").arg(text(v.reason)));
    }
    if (t.refusals[index].empty()) lines += "\n" + tr("Click to set the design to this value.");
    return lines;
}

std::optional<std::size_t> SweepChartView::pointAt(const QPoint& viewPosition) const
{
    if (!table_ || chart()->series().isEmpty()) return std::nullopt;
    const QPointF inChart = chart()->mapFromScene(mapToScene(viewPosition));
    if (!chart()->plotArea().contains(inChart)) return std::nullopt;
    const double x = chart()->mapToValue(inChart, chart()->series().front()).x();
    const auto& values = table_->inputValues;
    const auto distance = [&](double v) { return table_->logarithmic ? std::abs(std::log(v / x)) : std::abs(v - x); };
    const auto nearest = std::min_element(values.begin(), values.end(),
                                          [&](double a, double b) { return distance(a) < distance(b); });
    return static_cast<std::size_t>(nearest - values.begin());
}

void SweepChartView::mouseMoveEvent(QMouseEvent* event)
{
    if (const auto index = pointAt(event->position().toPoint()))
        QToolTip::showText(event->globalPosition().toPoint(), pointText(*index), this);
    else
        QToolTip::hideText();
    QChartView::mouseMoveEvent(event);
}

void SweepChartView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        if (const auto index = pointAt(event->position().toPoint()); index && table_->refusals[*index].empty())
            emit pointChosen(*index);
    QChartView::mouseReleaseEvent(event);
}

namespace {

// Paints the view into a file through QSaveFile, which keeps the old file until the new one is whole.
template <typename Paint> QString writeThroughSaveFile(const QString& path, Paint paint)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (!paint(file)) {
        file.cancelWriting();
        return QObject::tr("The picture could not be written to %1.").arg(path);
    }
    if (!file.commit()) return file.errorString();
    return {};
}

} // namespace

QString SweepChartView::savePng(const QString& path)
{
    return writeThroughSaveFile(path, [this](QSaveFile& file) {
        const qreal ratio = devicePixelRatioF();
        QImage image((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        render(&painter);
        painter.end();
        return image.save(&file, "PNG");
    });
}

QString SweepChartView::saveSvg(const QString& path)
{
    return writeThroughSaveFile(path, [this](QSaveFile& file) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size());
        svg.setViewBox(rect());
        svg.setTitle(tr("How It Changes"));
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        render(&painter);
        return painter.end() && file.error() == QFileDevice::NoError;
    });
}

} // namespace qv
