#include "ui/aux/spectrum_plot.h"

#include "ui/aux/plot_axes.h"
#include "ui/aux/waveform_plot.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// Show up to twice the upper mode: the coil's ring has nothing of note above it.
constexpr double kShownBeyondUpperMode = 2.0;
constexpr double kHzPerKhz = 1e3;
constexpr double kVoltsPerKv = 1e3;

} // namespace

SpectrumPlot::SpectrumPlot(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(320, 160);
}

void SpectrumPlot::setSpectrum(Spectrum spectrum, const std::vector<double>& modesHz)
{
    spectrum_ = std::move(spectrum);
    modesHz_.clear();
    for (const double hz : modesHz) {
        if (std::isfinite(hz))
            modesHz_.push_back(hz);
    }
    update();
}

double SpectrumPlot::shownHighHz() const
{
    const double lastHz = spectrum_.binHz * static_cast<double>(spectrum_.magnitude.size());
    if (modesHz_.empty())
        return lastHz;
    return std::min(lastHz, kShownBeyondUpperMode * *std::max_element(modesHz_.begin(), modesHz_.end()));
}

void SpectrumPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect area = plotAreaOf(rect());
    const AxisRange x{0.0, std::max(shownHighHz() / kHzPerKhz, 1e-9)};
    std::vector<double> khz(spectrum_.magnitude.size());
    std::vector<double> kv(spectrum_.magnitude.size());
    double largest = 0.0;
    for (std::size_t k = 0; k < khz.size(); ++k) {
        khz[k] = static_cast<double>(k) * spectrum_.binHz / kHzPerKhz;
        kv[k] = spectrum_.magnitude[k] / kVoltsPerKv;
        if (khz[k] <= x.high)
            largest = std::max(largest, kv[k]);
    }
    const AxisRange y{0.0, largest > 0.0 ? largest * 1.1 : 1.0};
    drawAxes(painter, area, x, y, tr("frequency (kHz)"), tr("top voltage amplitude (kV)"));
    painter.setClipRect(area.adjusted(1, 1, 0, 0));
    painter.setPen(QPen(QColor(20, 90, 180), 1));
    const auto columns = reduceToColumns(khz, kv, x, area.width());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].empty)
            continue;
        const double px = area.left() + static_cast<double>(i) + 0.5;
        painter.drawLine(QPointF(px, area.bottom()),
                         QPointF(px, area.bottom() - columns[i].maximum / y.span() * area.height()));
    }
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    for (std::size_t i = 0; i < modesHz_.size(); ++i) {
        const double hz = modesHz_[i];
        const double px = area.left() + hz / kHzPerKhz / x.span() * area.width();
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
