#pragma once

#include "sim/spectrum.h"
#include "ui/aux/plot_axes.h"

#include <QWidget>

#include <vector>

namespace qv {

// The amplitude spectrum of the top voltage with the coupled modes marked. It opens on
// the band that holds the ring's energy; the wheel zooms about the pointer, a double
// click returns to that band.
class SpectrumPlot : public QWidget {
    Q_OBJECT

public:
    explicit SpectrumPlot(QWidget* parent = nullptr);

    // modesHz: the frequencies to mark; NaN entries are left out.
    void setSpectrum(Spectrum spectrum, const std::vector<double>& modesHz);
    void clear();
    // In kilohertz.
    AxisRange view() const { return view_; }
    AxisRange openingView() const { return opening_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    AxisRange fullRange() const;
    void drawModes(QPainter& painter, const QRect& area) const;

    Spectrum spectrum_;
    std::vector<double> modesHz_;
    AxisRange opening_;
    AxisRange view_;
};

} // namespace qv
