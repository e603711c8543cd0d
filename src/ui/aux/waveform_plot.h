#pragma once

#include "ui/aux/plot_axes.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

namespace qv {

// Smallest and largest sample that falls in one pixel column.
struct ColumnExtremes {
    double minimum = 0.0;
    double maximum = 0.0;
    bool empty = true;
};

// Reduces a trace sorted by x to one min/max pair per pixel column of the view,
// so drawing costs the widget's width, not the 100 000 points of a run.
std::vector<ColumnExtremes> reduceToColumns(const std::vector<double>& x, const std::vector<double>& y,
                                            const AxisRange& view, int columns);

// One waveform over time; the wheel zooms about the pointer, a drag pans, a
// double click shows the whole run again.
class WaveformPlot : public QWidget {
    Q_OBJECT

public:
    WaveformPlot(QString yTitle, QColor colour, QWidget* parent = nullptr);

    void setTrace(std::vector<double> timeMicroseconds, std::vector<double> valuesKilovolts);
    void setMarker(std::optional<QPointF> timeAndValue);
    void setView(const AxisRange& view);
    AxisRange view() const { return view_; }
    AxisRange fullRange() const { return full_; }

signals:
    void viewChanged(const qv::AxisRange& view);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void changeView(AxisRange view);
    void drawTrace(QPainter& painter, const QRect& area, const AxisRange& y) const;

    QString yTitle_;
    QColor colour_;
    std::vector<double> x_;
    std::vector<double> y_;
    AxisRange full_;
    AxisRange view_;
    AxisRange yRange_;
    std::optional<QPointF> marker_;
    std::optional<QPoint> dragStart_;
    AxisRange dragStartView_;
};

} // namespace qv
