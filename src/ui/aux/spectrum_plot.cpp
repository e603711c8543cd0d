#include "ui/aux/spectrum_plot.h"

#include "ui/aux/waveform_plot.h"

#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// The opening band: where 99.9 % of the ring's energy lies, with half as much again to
// show that nothing of note follows, and at least a quarter beyond the upper mode.
constexpr double kEnergyShown = 0.999;
constexpr double kBandMargin = 1.5;
constexpr double kBeyondUpperMode = 1.25;
// A zoom stops at a thousandth of the spectrum's span.
constexpr double kSmallestViewFraction = 1e-3;
constexpr double kHzPerKhz = 1e3;
constexpr double kVoltsPerKv = 1e3;

} // namespace

SpectrumPlot::SpectrumPlot(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(320, 110);
}

AxisRange SpectrumPlot::fullRange() const
{
    const double lastKhz = spectrum_.frequencyHz(static_cast<double>(spectrum_.magnitude.size())) / kHzPerKhz;
    return {0.0, std::max(lastKhz, 1e-9)};
}

void SpectrumPlot::setSpectrum(Spectrum spectrum, const std::vector<double>& modesHz)
{
    spectrum_ = std::move(spectrum);
    modesHz_.clear();
    for (const double hz : modesHz) {
        if (std::isfinite(hz))
            modesHz_.push_back(hz);
    }
    double highHz = kBandMargin * energyBandHz(spectrum_, kEnergyShown);
    if (!modesHz_.empty())
        highHz = std::max(highHz, kBeyondUpperMode * *std::max_element(modesHz_.begin(), modesHz_.end()));
    const AxisRange full = fullRange();
    opening_ = highHz > 0.0 ? keptWithin({0.0, highHz / kHzPerKhz}, full, 0.0) : full;
    view_ = opening_;
    update();
}

void SpectrumPlot::clear()
{
    setSpectrum({}, {});
}

void SpectrumPlot::wheelEvent(QWheelEvent* event)
{
    const QRect area = plotAreaOf(rect());
    if (area.width() <= 0 || spectrum_.magnitude.empty())
        return;
    const double anchor = view_.low + (event->position().x() - area.left()) / area.width() * view_.span();
    const AxisRange full = fullRange();
    view_ = keptWithin(zoomedAbout(view_, anchor, event->angleDelta().y() / kWheelUnitsPerNotch), full,
                       full.span() * kSmallestViewFraction);
    update();
    event->accept();
}

void SpectrumPlot::mouseDoubleClickEvent(QMouseEvent*)
{
    view_ = opening_;
    update();
}

void SpectrumPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect area = plotAreaOf(rect());
    std::vector<double> khz(spectrum_.magnitude.size());
    std::vector<double> kv(spectrum_.magnitude.size());
    double largest = 0.0;
    for (std::size_t k = 0; k < khz.size(); ++k) {
        khz[k] = spectrum_.frequencyHz(static_cast<double>(k)) / kHzPerKhz;
        kv[k] = spectrum_.magnitude[k] / kVoltsPerKv;
        if (khz[k] >= view_.low && khz[k] <= view_.high)
            largest = std::max(largest, kv[k]);
    }
    const AxisRange y{0.0, largest > 0.0 ? largest * 1.1 : 1.0};
    drawAxes(painter, area, view_, y, tr("frequency (kHz)"), tr("top voltage amplitude (kV)"));
    painter.setClipRect(area.adjusted(1, 1, 0, 0));
    painter.setPen(QPen(QColor(20, 90, 180), 1));
    const auto columns = reduceToColumns(khz, kv, view_, area.width());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].empty)
            continue;
        const double px = area.left() + static_cast<double>(i) + 0.5;
        painter.drawLine(QPointF(px, area.bottom()),
                         QPointF(px, area.bottom() - columns[i].maximum / y.span() * area.height()));
    }
    drawModes(painter, area);
}

void SpectrumPlot::drawModes(QPainter& painter, const QRect& area) const
{
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    for (std::size_t i = 0; i < modesHz_.size(); ++i) {
        const double hz = modesHz_[i];
        const double px = area.left() + (hz / kHzPerKhz - view_.low) / view_.span() * area.width();
        painter.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
        // The lower mode is labelled left of its line, the upper one right of it, so neither label
        // runs into the other mode's line.
        const QString label = QString::number(hz / kHzPerKhz, 'f', 2) + tr(" kHz");
        const double row = 2.0 * painter.fontMetrics().height();
        const double labelWidth = painter.fontMetrics().horizontalAdvance(label);
        const double labelX = i == 0 ? px - 4 - labelWidth : px + 4;
        painter.drawText(QPointF(labelX, area.top() + row), label);
    }
}

} // namespace qv
