#pragma once

#include "sim/simulation_result.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace qv {

class NgspiceSimulator;
class SpectrumPlot;
class WaveformPlot;

// The results of a coil simulation: the top voltage and the primary tank voltage
// over time (linked zoom and pan), the peak top voltage, and the spectrum of the
// top voltage with its two coupled modes; progress and Cancel while ngspice runs.
class SimulationResultsWindow : public QWidget {
    Q_OBJECT

public:
    explicit SimulationResultsWindow(QWidget* parent = nullptr);

    void showRunning();
    void showProgress(double fraction);
    void showResult(const qv::SimulationResult& result);
    void showFailure(const QString& message);
    void showCancelled();

    // Wires the simulator's reports to this window and Cancel to the simulator.
    void follow(NgspiceSimulator& simulator);

    QString statusText() const;
    QString peakText() const;
    QString modesText() const;
    WaveformPlot* topPlot() const { return topPlot_; }
    WaveformPlot* tankPlot() const { return tankPlot_; }

signals:
    void cancelRequested();

private:
    void setRunning(bool running);

    WaveformPlot* topPlot_;
    WaveformPlot* tankPlot_;
    SpectrumPlot* spectrumPlot_;
    QLabel* peakLabel_;
    QLabel* modesLabel_;
    QLabel* statusLabel_;
    QProgressBar* progressBar_;
    QPushButton* cancelButton_;
};

} // namespace qv
