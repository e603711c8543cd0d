#pragma once

#include "sim/spectrum.h"

#include <QWidget>

#include <vector>

namespace qv {

// The amplitude spectrum of the top voltage with the coupled modes marked.
class SpectrumPlot : public QWidget {
    Q_OBJECT

public:
    explicit SpectrumPlot(QWidget* parent = nullptr);

    // modesHz: the frequencies to mark; NaN entries are left out.
    void setSpectrum(Spectrum spectrum, const std::vector<double>& modesHz);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double shownHighHz() const;

    Spectrum spectrum_;
    std::vector<double> modesHz_;
};

} // namespace qv
