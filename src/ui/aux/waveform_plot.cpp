#include "ui/aux/waveform_plot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// A zoom stops at a thousandth of the run: beyond that the steps themselves show.
constexpr double kSmallestViewFraction = 1e-3;
constexpr double kHeadroom = 1.08;

} // namespace

std::vector<ColumnExtremes> reduceToColumns(const std::vector<double>& x, const std::vector<double>& y,
                                            const AxisRange& view, int columns)
{
    std::vector<ColumnExtremes> result(static_cast<std::size_t>(std::max(columns, 0)));
    const std::size_t n = std::min(x.size(), y.size());
    if (n == 0 || columns <= 0 || !(view.span() > 0.0))
        return result;
    auto first = std::lower_bound(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n), view.low);
    for (auto i = static_cast<std::size_t>(first - x.begin()); i < n && x[i] <= view.high; ++i) {
        const auto column = std::min(static_cast<std::size_t>((x[i] - view.low) / view.span() * columns),
                                     result.size() - 1);
        ColumnExtremes& c = result[column];
        c.minimum = c.empty ? y[i] : std::min(c.minimum, y[i]);
        c.maximum = c.empty ? y[i] : std::max(c.maximum, y[i]);
        c.empty = false;
    }
    return result;
}

WaveformPlot::WaveformPlot(QString yTitle, QColor colour, QWidget* parent)
    : QWidget(parent), yTitle_(std::move(yTitle)), colour_(colour)
{
    setMinimumSize(320, 110);
    setCursor(Qt::OpenHandCursor);
}

void WaveformPlot::setTrace(std::vector<double> timeMicroseconds, std::vector<double> valuesKilovolts)
{
    x_ = std::move(timeMicroseconds);
    y_ = std::move(valuesKilovolts);
    full_ = x_.size() >= 2 ? AxisRange{x_.front(), x_.back()} : AxisRange{};
    double largest = 0.0;
    for (const double v : y_)
        largest = std::max(largest, std::abs(v));
    // Symmetric about zero: the coil's voltages swing both ways.
    yRange_ = largest > 0.0 ? AxisRange{-largest * kHeadroom, largest * kHeadroom} : AxisRange{-1.0, 1.0};
    view_ = full_;
    update();
}

void WaveformPlot::setMarker(std::optional<QPointF> timeAndValue)
{
    marker_ = timeAndValue;
    update();
}

void WaveformPlot::setView(const AxisRange& view)
{
    if (view.low == view_.low && view.high == view_.high)
        return;
    view_ = view;
    update();
}

void WaveformPlot::changeView(AxisRange view)
{
    view_ = keptWithin(view, full_, full_.span() * kSmallestViewFraction);
    update();
    emit viewChanged(view_);
}

void WaveformPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect area = plotAreaOf(rect());
    drawAxes(painter, area, view_, yRange_, tr("time (µs)"), yTitle_);
    painter.setClipRect(area.adjusted(1, 1, 0, 0));
    drawTrace(painter, area, yRange_);
    if (marker_) {
        const double px = area.left() + (marker_->x() - view_.low) / view_.span() * area.width();
        const double py = area.bottom() - (marker_->y() - yRange_.low) / yRange_.span() * area.height();
        painter.setPen(QPen(Qt::red, 2));
        painter.drawEllipse(QPointF(px, py), 5, 5);
    }
}

void WaveformPlot::drawTrace(QPainter& painter, const QRect& area, const AxisRange& y) const
{
    const auto columns = reduceToColumns(x_, y_, view_, area.width());
    const auto toPixelY = [&](double value) { return area.bottom() - (value - y.low) / y.span() * area.height(); };
    painter.setPen(QPen(colour_, 1));
    std::optional<QPointF> previous;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].empty)
            continue;
        const double px = area.left() + static_cast<double>(i) + 0.5;
        const QPointF low(px, toPixelY(columns[i].minimum));
        const QPointF high(px, toPixelY(columns[i].maximum));
        // Join to the last column so sparse stretches still read as a line.
        if (previous)
            painter.drawLine(*previous, QPointF(px, toPixelY(columns[i].minimum)));
        painter.drawLine(low, high);
        previous = QPointF(px, toPixelY(columns[i].maximum));
    }
}

void WaveformPlot::wheelEvent(QWheelEvent* event)
{
    const QRect area = plotAreaOf(rect());
    if (area.width() <= 0 || full_.span() <= 0.0)
        return;
    const double anchor = view_.low + (event->position().x() - area.left()) / area.width() * view_.span();
    changeView(zoomedAbout(view_, anchor, event->angleDelta().y() / kWheelUnitsPerNotch));
    event->accept();
}

void WaveformPlot::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragStart_ = event->position().toPoint();
    dragStartView_ = view_;
    setCursor(Qt::ClosedHandCursor);
}

void WaveformPlot::mouseMoveEvent(QMouseEvent* event)
{
    const QRect area = plotAreaOf(rect());
    if (!dragStart_ || !(event->buttons() & Qt::LeftButton) || area.width() <= 0)
        return;
    const double shift = (event->position().x() - dragStart_->x()) / area.width() * dragStartView_.span();
    changeView({dragStartView_.low - shift, dragStartView_.high - shift});
}

void WaveformPlot::mouseReleaseEvent(QMouseEvent*)
{
    dragStart_.reset();
    setCursor(Qt::OpenHandCursor);
}

void WaveformPlot::mouseDoubleClickEvent(QMouseEvent*)
{
    dragStart_.reset();
    setCursor(Qt::OpenHandCursor);
    changeView(full_);
}

} // namespace qv
