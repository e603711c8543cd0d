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
// It says first, in plain words, what the model's peak means, which figure to build by and
// whether the run used the classic figures or the coil as it stands; then the model and file,
// and the details. A new run, a failure or a Cancel clears the previous run's figures rather than
// leave them looking current.
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
    QString meaningText() const;
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
    QLabel* meaningLabel_;
    QLabel* peakLabel_;
    QLabel* modesLabel_;
    QLabel* explanationLabel_;
    QLabel* statusLabel_;
    QProgressBar* progressBar_;
    QPushButton* cancelButton_;
};

// What the run's peak means and which figure to build by, then whether the run used the classic
// figures or the coil as it stands: the first thing the window says, in plain words.
QString resultMeaning(const SimulationResult& result, bool asItStands);
// The details behind the figures for those who want them (the start without a bias point, the
// ladder's filtered modes, the gap's ramp); empty when there are none.
QString resultExplanation(const SimulationResult& result);

} // namespace qv
