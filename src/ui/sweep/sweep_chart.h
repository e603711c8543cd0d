#pragma once
// The plot of a sweep: each figure against the input, one y axis per unit, the gaps where a
// figure has no value shaded (hover for the reason), the design's own value as a dashed line.
// Hovering shows the figures at the nearest point; a click there chooses that point.

#include "io/sweep.h"

#include <QChartView>

class QGraphicsTextItem;

#include <optional>
#include <vector>

namespace qv {

class SweepChartView : public QChartView {
    Q_OBJECT
public:
    explicit SweepChartView(QWidget* parent = nullptr);

    // Draws the table; the marker stands at the table's design value.
    void showTable(const SweepTable& table);
    // Moves the marker after the design has been set to another value.
    void moveMarker(double designValue);
    const std::optional<SweepTable>& table() const { return table_; }

    // What the pointer over the plot at this x shows: the input's value and each figure's value or
    // the reason it has none.
    QString pointText(std::size_t index) const;
    // The point nearest to a position in the view, if the position lies over the plot.
    std::optional<std::size_t> pointAt(const QPoint& viewPosition) const;

    // The plot as a picture file: PNG at the screen's pixel density, or SVG. Returns an empty text,
    // else why the file could not be written; a failed write leaves no half-written file.
    QString savePng(const QString& path);
    QString saveSvg(const QString& path);

signals:
    // A click on a point whose value the calculator took.
    void pointChosen(std::size_t index);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    void placeLegend();
    void fitAxisTitles();

    std::optional<SweepTable> table_;
    // The chart's own legend gives each name one row and cuts long names short; this one wraps,
    // and as part of the scene it is in the exported pictures too.
    QGraphicsTextItem* legend_ = nullptr;
    // Each axis's title in full: on a short axis the caption is cut short, never its unit.
    struct AxisTitle {
        QAbstractAxis* axis;
        QString caption;
        QString unit;
    };
    std::vector<AxisTitle> axisTitles_;
};

} // namespace qv
