#pragma once
// A scaled cross-section of the coil in its surroundings, through its axis: floor, ceiling,
// secondary, primary turns and top load, the equipotential lines of the loaded mode labelled in
// percent of the top load's voltage with a legend, and beside it the mode's voltage along the
// winding on axes of height and percent. One scale serves both directions, so the picture is the
// coil's true shape.

#include "core/length_unit.h"
#include "ui/analysis/analysis_worker.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

namespace qv {

// A text the drawing writes at a place: a line's level, an axis number.
struct DrawnLabel {
    QString text;
    QRectF rect;
    double level = 0; // the line's, as a fraction of the top load's voltage; 0 for an axis number
};

class CrossSectionView : public QWidget {
    Q_OBJECT
public:
    explicit CrossSectionView(QWidget* parent = nullptr);

    void showSolution(const AnalysisSolution& solution);
    // The unit the height axis and the scale bar speak (the session's).
    void setLengthUnit(LengthUnit unit);

    // Where the drawing puts things, in widget coordinates (for tests and the paint alike).
    QRectF secondaryRect() const;
    QRectF drawingArea() const;
    double pixelsPerMetre() const;
    double areaAspect() const; // the drawing area's height over its width
    std::vector<QRectF> primaryTurnRects() const;
    std::vector<DrawnLabel> lineLabels() const;  // one per drawn level, inside the drawing area
    std::vector<DrawnLabel> heightTicks() const; // the voltage plot's height axis, in the session's unit
    QRectF legendRect() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPointF toWidget(double rM, double zM) const;
    QRectF sectionRect() const;
    std::vector<QRectF> coilRects() const;
    double plotLeft() const;
    void drawSurroundings(QPainter& painter) const;
    void drawCoil(QPainter& painter) const;
    void drawTopLoad(QPainter& painter) const;
    void drawEquipotentials(QPainter& painter) const;
    void drawLineLabels(QPainter& painter) const;
    void drawLegend(QPainter& painter) const;
    void drawWindingVoltage(QPainter& painter) const;
    void drawVoltageAxes(QPainter& painter, double axisPercent) const;
    void drawScale(QPainter& painter) const;

    std::optional<AnalysisSolution> solution_;
    LengthUnit lengthUnit_ = LengthUnit::Inches;
    mutable std::optional<std::pair<QSize, QRectF>> measuredArea_; // the drawing area at that size
};

} // namespace qv
