#pragma once

#include <QRect>
#include <QString>

#include <vector>

class QPainter;

namespace qv {

// Round tick values (1, 2 or 5 times a power of ten) covering [low, high], at most about maxTicks.
std::vector<double> niceTicks(double low, double high, int maxTicks);

// A value range mapped onto a pixel span; y grows upwards on screen.
struct AxisRange {
    double low = 0.0;
    double high = 1.0;
    double span() const { return high - low; }
};

// Qt's wheel delta of one notch.
inline constexpr double kWheelUnitsPerNotch = 120.0;

// A view zoomed by wheel notches (positive zooms in, a quarter per notch) about an anchor value.
AxisRange zoomedAbout(const AxisRange& view, double anchor, double notches);

// A view kept inside the full range, no narrower than smallestSpan; the full range when wider.
AxisRange keptWithin(AxisRange view, const AxisRange& full, double smallestSpan);

// Draws the frame, grid, tick labels and axis titles around plotArea.
void drawAxes(QPainter& painter, const QRect& plotArea, const AxisRange& x, const AxisRange& y,
              const QString& xTitle, const QString& yTitle);

// The plot area inside a widget rectangle, leaving room for the labels.
QRect plotAreaOf(const QRect& widgetRect);

} // namespace qv
