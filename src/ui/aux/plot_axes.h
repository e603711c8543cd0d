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

// Draws the frame, grid, tick labels and axis titles around plotArea.
void drawAxes(QPainter& painter, const QRect& plotArea, const AxisRange& x, const AxisRange& y,
              const QString& xTitle, const QString& yTitle);

// The plot area inside a widget rectangle, leaving room for the labels.
QRect plotAreaOf(const QRect& widgetRect);

} // namespace qv
