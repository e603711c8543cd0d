#include "ui/aux/simulation_results_window.h"

#include "sim/ngspice_simulator.h"
#include "ui/aux/spectrum_plot.h"
#include "ui/aux/waveform_plot.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <cmath>

namespace qv {

namespace {

constexpr double kMicrosecondsPerSecond = 1e6;
constexpr double kVoltsPerKilovolt = 1e3;
constexpr int kProgressSteps = 1000;

std::vector<double> scaled(const std::vector<double>& values, double factor)
{
    std::vector<double> out(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        out[i] = values[i] * factor;
    return out;
}

QString nodeText(const NodePair& nodes)
{
    return nodes.negativeNode == "0" ? QString::fromStdString(nodes.positiveNode)
                                     : QString::fromStdString(nodes.positiveNode + " - " + nodes.negativeNode);
}

QString kilohertz(double hz)
{
    return std::isfinite(hz) ? QString::number(hz / 1e3, 'f', 2) + QStringLiteral(" kHz") : QStringLiteral("not found");
}

} // namespace

SimulationResultsWindow::SimulationResultsWindow(QWidget* parent)
    : QWidget(parent),
      topPlot_(new WaveformPlot(tr("secondary top voltage (kV)"), QColor(180, 30, 30))),
      tankPlot_(new WaveformPlot(tr("primary tank voltage (kV)"), QColor(30, 110, 40))),
      spectrumPlot_(new SpectrumPlot),
      peakLabel_(new QLabel),
      modesLabel_(new QLabel),
      statusLabel_(new QLabel),
      progressBar_(new QProgressBar),
      cancelButton_(new QPushButton(tr("Cancel")))
{
    setWindowTitle(tr("Simulation Results"));
    auto* plots = new QSplitter(Qt::Vertical);
    plots->addWidget(topPlot_);
    plots->addWidget(tankPlot_);
    plots->addWidget(spectrumPlot_);
    auto* figures = new QHBoxLayout;
    figures->addWidget(peakLabel_);
    figures->addStretch();
    figures->addWidget(modesLabel_);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(statusLabel_, 1);
    progressRow->addWidget(progressBar_);
    progressRow->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(figures);
    layout->addWidget(plots, 1);
    layout->addLayout(progressRow);
    progressBar_->setRange(0, kProgressSteps);
    statusLabel_->setWordWrap(true);
    resize(900, 760);

    // Zoom and pan one time axis and the other follows.
    connect(topPlot_, &WaveformPlot::viewChanged, tankPlot_, &WaveformPlot::setView);
    connect(tankPlot_, &WaveformPlot::viewChanged, topPlot_, &WaveformPlot::setView);
    connect(cancelButton_, &QPushButton::clicked, this, &SimulationResultsWindow::cancelRequested);
    setRunning(false);
}

void SimulationResultsWindow::setRunning(bool running)
{
    progressBar_->setVisible(running);
    cancelButton_->setVisible(running);
    cancelButton_->setEnabled(running);
}

void SimulationResultsWindow::showRunning()
{
    progressBar_->setValue(0);
    statusLabel_->setStyleSheet({});
    statusLabel_->setText(tr("ngspice is simulating the netlist..."));
    setRunning(true);
}

void SimulationResultsWindow::showProgress(double fraction)
{
    progressBar_->setValue(static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * kProgressSteps)));
}

void SimulationResultsWindow::showResult(const SimulationResult& result)
{
    setRunning(false);
    const auto time = scaled(result.timeSeconds, kMicrosecondsPerSecond);
    topPlot_->setTrace(time, scaled(result.topVolts, 1.0 / kVoltsPerKilovolt));
    tankPlot_->setTrace(time, scaled(result.tankVolts, 1.0 / kVoltsPerKilovolt));
    // The marker sits on the sample of the peak, whichever way it swung.
    double peakSigned = result.peakTopVolts;
    for (std::size_t i = 0; i < result.timeSeconds.size(); ++i) {
        if (result.timeSeconds[i] == result.peakTopSeconds) {
            peakSigned = result.topVolts[i];
            break;
        }
    }
    topPlot_->setMarker(QPointF(result.peakTopSeconds * kMicrosecondsPerSecond, peakSigned / kVoltsPerKilovolt));
    spectrumPlot_->setSpectrum(result.topSpectrum, {result.modeLowHz, result.modeHighHz});
    peakLabel_->setText(tr("Peak top voltage (node %1): %2 kV at %3 µs")
                            .arg(QString::fromStdString(result.topNode))
                            .arg(result.peakTopVolts / kVoltsPerKilovolt, 0, 'f', 1)
                            .arg(result.peakTopSeconds * kMicrosecondsPerSecond, 0, 'f', 1));
    // A ring-down damped within a few cycles shows one broad peak: no pair of modes to name.
    modesLabel_->setText(std::isfinite(result.modeLowHz)
                             ? tr("Coupled modes: %1 and %2").arg(kilohertz(result.modeLowHz), kilohertz(result.modeHighHz))
                             : tr("Coupled modes: no pair resolved in this run"));
    statusLabel_->setStyleSheet({});
    statusLabel_->setText(tr("%1 points; tank voltage across %2. Wheel zooms, drag pans, double click shows all.")
                              .arg(result.timeSeconds.size())
                              .arg(nodeText(result.tankNodes)));
}

void SimulationResultsWindow::showFailure(const QString& message)
{
    setRunning(false);
    statusLabel_->setStyleSheet(QStringLiteral("color: #b00000;"));
    statusLabel_->setText(message);
}

void SimulationResultsWindow::showCancelled()
{
    setRunning(false);
    statusLabel_->setStyleSheet({});
    statusLabel_->setText(tr("The simulation was cancelled."));
}

void SimulationResultsWindow::follow(NgspiceSimulator& simulator)
{
    connect(&simulator, &NgspiceSimulator::started, this, &SimulationResultsWindow::showRunning);
    connect(&simulator, &NgspiceSimulator::progress, this, &SimulationResultsWindow::showProgress);
    connect(&simulator, &NgspiceSimulator::finished, this, &SimulationResultsWindow::showResult);
    connect(&simulator, &NgspiceSimulator::failed, this, &SimulationResultsWindow::showFailure);
    connect(&simulator, &NgspiceSimulator::cancelled, this, &SimulationResultsWindow::showCancelled);
    connect(this, &SimulationResultsWindow::cancelRequested, &simulator, &NgspiceSimulator::cancel);
}

QString SimulationResultsWindow::statusText() const
{
    return statusLabel_->text();
}

QString SimulationResultsWindow::peakText() const
{
    return peakLabel_->text();
}

QString SimulationResultsWindow::modesText() const
{
    return modesLabel_->text();
}

} // namespace qv
