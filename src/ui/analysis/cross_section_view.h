#pragma once
// A scaled cross-section of the coil in its surroundings, through its axis: floor, ceiling,
// secondary, primary turns and top load, the equipotential lines of the loaded mode, and beside
// it the mode's voltage along the winding. One scale serves both directions, so the picture is
// the coil's true shape.

#include "ui/analysis/analysis_worker.h"

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <optional>

namespace qv {

class CrossSectionView : public QWidget {
    Q_OBJECT
public:
    explicit CrossSectionView(QWidget* parent = nullptr);

    void showSolution(const AnalysisSolution& solution);

    // Where the drawing puts the secondary and the coil's top, in widget coordinates (for tests).
    QRectF secondaryRect() const;
    QRectF drawingArea() const;
    double pixelsPerMetre() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF toWidget(double rM, double zM) const;
    void drawSurroundings(QPainter& painter) const;
    void drawCoil(QPainter& painter) const;
    void drawTopLoad(QPainter& painter) const;
    void drawEquipotentials(QPainter& painter) const;
    void drawWindingVoltage(QPainter& painter) const;
    void drawScale(QPainter& painter) const;

    std::optional<AnalysisSolution> solution_;
};

} // namespace qv
