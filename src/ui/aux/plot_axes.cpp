#include "ui/aux/plot_axes.h"

#include <QPainter>

#include <cmath>

namespace qv {

namespace {

constexpr int kLeftMarginPixels = 64;
constexpr int kRightMarginPixels = 30;
constexpr int kTopMarginPixels = 20; // room for the plot title above the traces
constexpr int kBottomMarginPixels = 40;
// One wheel notch zooms by a quarter.
constexpr double kZoomPerNotch = 1.25;

} // namespace

AxisRange zoomedAbout(const AxisRange& view, double anchor, double notches)
{
    const double factor = std::pow(kZoomPerNotch, -notches);
    return {anchor - (anchor - view.low) * factor, anchor + (view.high - anchor) * factor};
}

AxisRange keptWithin(AxisRange view, const AxisRange& full, double smallestSpan)
{
    if (view.span() < smallestSpan) {
        const double middle = (view.low + view.high) / 2.0;
        view = {middle - smallestSpan / 2.0, middle + smallestSpan / 2.0};
    }
    if (view.span() >= full.span())
        return full;
    if (view.low < full.low)
        return {full.low, full.low + view.span()};
    if (view.high > full.high)
        return {full.high - view.span(), full.high};
    return view;
}

std::vector<double> niceTicks(double low, double high, int maxTicks)
{
    std::vector<double> ticks;
    if (!(high > low) || maxTicks < 1 || !std::isfinite(low) || !std::isfinite(high))
        return ticks;
    const double rough = (high - low) / maxTicks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= rough)
            break;
    }
    // Counting whole steps keeps the ticks on the grid; adding a step each time would drift.
    const auto first = static_cast<long long>(std::ceil(low / step));
    const auto last = static_cast<long long>(std::floor(high / step + 1e-9));
    for (long long k = first; k <= last; ++k) {
        const double t = static_cast<double>(k) * step;
        ticks.push_back(std::abs(t) < step * 1e-9 ? 0.0 : t);
    }
    return ticks;
}

QRect plotAreaOf(const QRect& widgetRect)
{
    return widgetRect.adjusted(kLeftMarginPixels, kTopMarginPixels, -kRightMarginPixels, -kBottomMarginPixels);
}

void drawAxes(QPainter& painter, const QRect& plotArea, const AxisRange& x, const AxisRange& y,
              const QString& xTitle, const QString& yTitle)
{
    const QPen gridPen(QColor(225, 225, 225));
    const QPen framePen(Qt::black);
    const int textHeight = painter.fontMetrics().height();
    for (const double tick : niceTicks(x.low, x.high, 8)) {
        const int px = plotArea.left() + static_cast<int>(std::lround((tick - x.low) / x.span() * plotArea.width()));
        painter.setPen(gridPen);
        painter.drawLine(px, plotArea.top(), px, plotArea.bottom());
        painter.setPen(framePen);
        painter.drawText(QRect(px - 40, plotArea.bottom() + 2, 80, textHeight), Qt::AlignHCenter,
                         QString::number(tick, 'g', 6));
    }
    for (const double tick : niceTicks(y.low, y.high, 6)) {
        const int py = plotArea.bottom() - static_cast<int>(std::lround((tick - y.low) / y.span() * plotArea.height()));
        painter.setPen(gridPen);
        painter.drawLine(plotArea.left(), py, plotArea.right(), py);
        painter.setPen(framePen);
        painter.drawText(QRect(0, py - textHeight / 2, plotArea.left() - 4, textHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(tick, 'g', 6));
    }
    painter.setPen(framePen);
    painter.drawRect(plotArea);
    painter.drawText(QRect(plotArea.left(), plotArea.bottom() + textHeight + 2, plotArea.width(), textHeight),
                     Qt::AlignHCenter, xTitle);
    painter.drawText(QRect(plotArea.left(), plotArea.top() - textHeight - 2, plotArea.width(), textHeight), Qt::AlignLeft, yTitle);
}

} // namespace qv
