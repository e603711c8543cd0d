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
// It names the model and file of what it shows, and a few plain sentences say what
// the model means where its figures would mislead; a new run, a failure or a Cancel
// clears the previous run's figures rather than leave them looking current.
class SimulationResultsWindow : public QWidget {
    Q_OBJECT

public:
    explicit SimulationResultsWindow(QWidget* parent = nullptr);

    // The netlist file the next run reads, named with everything it shows.
    void setRunFile(const QString& path);
    // A line on the figures the next run puts in place of the netlist's own; empty for none.
    void setRunFigures(const QString& line);

    void showRunning();
    void showProgress(double fraction);
    void showResult(const qv::SimulationResult& result);
    void showFailure(const QString& message);
    void showCancelled();

    // Wires the simulator's reports to this window and Cancel to the simulator.
    void follow(NgspiceSimulator& simulator);

    QString statusText() const;
    QString sourceText() const;
    QString peakText() const;
    QString modesText() const;
    QString explanationText() const;
    WaveformPlot* topPlot() const { return topPlot_; }
    WaveformPlot* tankPlot() const { return tankPlot_; }
    SpectrumPlot* spectrumPlot() const { return spectrumPlot_; }
    QPushButton* cancelButton() const { return cancelButton_; }

signals:
    void cancelRequested();

private:
    void setRunning(bool running);
    void clearResults(const QString& why);
    void setStatus(const QString& text, bool isFault);
    QString fileName() const;
    QString withRunFigures(const QString& text) const;

    QString runPath_;
    QString runFigures_;
    QLabel* sourceLabel_;
    WaveformPlot* topPlot_;
    WaveformPlot* tankPlot_;
    SpectrumPlot* spectrumPlot_;
    QLabel* peakLabel_;
    QLabel* modesLabel_;
    QLabel* explanationLabel_;
    QLabel* statusLabel_;
    QProgressBar* progressBar_;
    QPushButton* cancelButton_;
};

// Plain sentences on what the run's figures mean for its model; empty when they need none.
QString resultExplanation(const SimulationResult& result);

} // namespace qv
