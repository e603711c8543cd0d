#include "ui/aux/simulation_results_window.h"

#include "sim/ngspice_simulator.h"
#include "ui/aux/spectrum_plot.h"
#include "ui/aux/waveform_plot.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr double kMicrosecondsPerSecond = 1e6;
constexpr double kVoltsPerKilovolt = 1e3;
constexpr int kProgressSteps = 1000;
// Room for three plots a useful size; less where the screen is smaller, leaving the
// window manager's title bar and a panel in view (a 1366 x 768 screen shows it whole).
constexpr int kPreferredWidth = 900;
constexpr int kPreferredHeight = 680;
constexpr int kFrameAllowance = 60;

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
    return QString::number(hz / 1e3, 'f', 2) + QStringLiteral("\u00a0kHz");
}

// The model's name as the netlist window's buttons give it.
QString modelName(CoilModel model)
{
    switch (model) {
    case CoilModel::standardRlc: return QObject::tr("Standard RLC Model");
    case CoilModel::distributedLadder: return QObject::tr("Distributed Ladder Model");
    case CoilModel::complex: return QObject::tr("Complex Model");
    }
    return {};
}

QString modesSentence(const SimulationResult& result)
{
    if (std::isfinite(result.modeLowHz))
        return QObject::tr("Coupled modes: %1 and %2").arg(kilohertz(result.modeLowHz), kilohertz(result.modeHighHz));
    // A ring-down damped within a few cycles shows one broad peak: no pair of modes to name.
    if (result.model == CoilModel::distributedLadder)
        return QObject::tr("Coupled modes: none, the secondary is damped too strongly");
    return QObject::tr("Coupled modes: no pair resolved in this run");
}

// The sample nearest the crest, whose sign tells which way the top swung.
double signedPeak(const SimulationResult& result)
{
    const auto& t = result.timeSeconds;
    const auto after = std::lower_bound(t.begin(), t.end(), result.peakTopSeconds);
    auto nearest = after == t.end() ? t.end() - 1 : after;
    if (after != t.begin() && after != t.end() && result.peakTopSeconds - *(after - 1) < *after - result.peakTopSeconds)
        nearest = after - 1;
    const double sample = result.topVolts[static_cast<std::size_t>(nearest - t.begin())];
    return std::copysign(result.peakTopVolts, sample);
}

} // namespace

QString resultMeaning(const SimulationResult& result, bool asItStands)
{
    QString meaning;
    switch (result.model) {
    case CoilModel::standardRlc:
        meaning = QObject::tr(
            "Model 1 is the lossless upper bound of the energy transfer: nearly all of the tank's energy reaches the "
            "secondary, so this peak is the most the top can reach, and the real coil stays below it. Build the "
            "secondary's insulation and the clearances round the top load by this figure.");
        break;
    case CoilModel::distributedLadder:
        meaning = QObject::tr(
            "Model 2 spreads the winding over seven sections and loads the top with a resistor for the air's losses: "
            "its peak is the first swing into that load, below model 1's. Read it as how far losses at the top pull "
            "the voltage down; build the insulation and clearances by model 1's peak.");
        break;
    case CoilModel::complex:
        meaning = QObject::tr(
            "Model 3 loses most of the bang in its slow switch: its gap closes gradually instead of firing, so its "
            "peak is not what the coil will do. Do not build by it; build by model 1's peak, and use this model for "
            "the supply's and the gap's timing.");
        break;
    }
    const QString figures =
        asItStands ? QObject::tr("This run used the coil as it stands: the Coil Analysis' field solution of the coil "
                                 "with its top load, the floor and the ceiling in place (figures below).")
                   : QObject::tr("This run used the classic figures: the sheets' formulas, with the top load's "
                                 "capacitance as if it stood alone in space.");
    return meaning + QLatin1Char(' ') + figures;
}

QString resultExplanation(const SimulationResult& result)
{
    QStringList sentences;
    if (result.startsFromInitialCharge)
        sentences << QObject::tr("The tank starts charged to its initial voltage with no bias-point calculation, as a "
                                 "SKIPBP run does; that is what the model means. A bias point would take the primary "
                                 "inductor as a DC short, drain the charge and leave nothing to ring.");
    if (result.model == CoilModel::distributedLadder && !std::isfinite(result.modeLowHz))
        sentences << QObject::tr("The resistor in series with the top load (R8) damps the secondary so strongly that "
                                 "no coupled pair of modes exists: the tank's energy passes to the secondary once and "
                                 "is spent in that resistor instead of swinging back and forth.");
    if (result.ladderModesRemoved)
        sentences << QObject::tr("The ladder's own modes, far above the coil's (an artefact of lumping the winding "
                                 "into sections, rung by the tank's abrupt start), are filtered out of both waveforms; "
                                 "the coil's ring and its modes are kept whole.");
    if (result.model == CoilModel::complex)
        sentences << QObject::tr("The gap switch closes over its 0.1 ms control ramp, so most of the tank's energy is "
                                 "lost in the switch while it closes.");
    return sentences.join(QLatin1Char(' '));
}

SimulationResultsWindow::SimulationResultsWindow(QWidget* parent)
    : QWidget(parent),
      sourceLabel_(new QLabel),
      topPlot_(new WaveformPlot(tr("secondary top voltage (kV)"), QColor(180, 30, 30))),
      tankPlot_(new WaveformPlot(tr("primary tank voltage (kV)"), QColor(30, 110, 40))),
      spectrumPlot_(new SpectrumPlot),
      meaningLabel_(new QLabel),
      peakLabel_(new QLabel),
      modesLabel_(new QLabel),
      explanationLabel_(new QLabel),
      statusLabel_(new QLabel),
      progressBar_(new QProgressBar),
      cancelButton_(new QPushButton(tr("Cancel")))
{
    setWindowTitle(tr("Simulation Results"));
    auto* plots = new QSplitter(Qt::Vertical);
    plots->addWidget(topPlot_);
    plots->addWidget(tankPlot_);
    plots->addWidget(spectrumPlot_);
    plots->setChildrenCollapsible(false);
    // Half the width each, so on a narrow screen they wrap instead of widening the window.
    auto* figures = new QHBoxLayout;
    figures->addWidget(peakLabel_, 1);
    figures->addWidget(modesLabel_, 1);
    modesLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(statusLabel_, 1);
    progressRow->addWidget(progressBar_);
    progressRow->addWidget(cancelButton_);
    // On a screen smaller than the plots need, the results scroll rather than squeeze the
    // plots below their titles; the run's status and Cancel stay in view.
    auto* results = new QWidget;
    auto* resultsLayout = new QVBoxLayout(results);
    resultsLayout->setContentsMargins(0, 0, 0, 0);
    // What the peak means comes first; the model's name, its figures and the details follow.
    resultsLayout->addWidget(meaningLabel_);
    resultsLayout->addWidget(sourceLabel_);
    resultsLayout->addLayout(figures);
    resultsLayout->addWidget(explanationLabel_);
    resultsLayout->addWidget(plots, 1);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ResultsScroll"));
    scroll->setWidget(results);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(progressRow);
    progressBar_->setRange(0, kProgressSteps);
    for (QLabel* label : {meaningLabel_, sourceLabel_, peakLabel_, modesLabel_, explanationLabel_, statusLabel_})
        label->setWordWrap(true);
    sourceLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Set apart from the details below it, as the sentence to read first.
    QFont meaningFont = meaningLabel_->font();
    meaningFont.setWeight(QFont::DemiBold);
    meaningLabel_->setFont(meaningFont);
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect(0, 0, kPreferredWidth, kPreferredHeight);
    resize(std::min(kPreferredWidth, screenArea.width() - kFrameAllowance),
           std::min(kPreferredHeight, screenArea.height() - kFrameAllowance));

    // Zoom and pan one time axis and the other follows.
    connect(topPlot_, &WaveformPlot::viewChanged, tankPlot_, &WaveformPlot::setView);
    connect(tankPlot_, &WaveformPlot::viewChanged, topPlot_, &WaveformPlot::setView);
    connect(cancelButton_, &QPushButton::clicked, this, &SimulationResultsWindow::cancelRequested);
    clearResults(tr("No simulation has run yet."));
    setRunning(false);
}

void SimulationResultsWindow::setRunFile(const QString& path)
{
    runPath_ = path;
}

void SimulationResultsWindow::setRunFigures(const QString& line)
{
    runFigures_ = line;
}

QString SimulationResultsWindow::withRunFigures(const QString& text) const
{
    return runFigures_.isEmpty() ? text : text + QLatin1Char('\n') + runFigures_;
}

QString SimulationResultsWindow::fileName() const
{
    return runPath_.isEmpty() ? tr("the netlist") : QDir::toNativeSeparators(runPath_);
}

void SimulationResultsWindow::setRunning(bool running)
{
    progressBar_->setVisible(running);
    cancelButton_->setVisible(running);
    cancelButton_->setEnabled(running);
}

void SimulationResultsWindow::setStatus(const QString& text, bool isFault)
{
    statusLabel_->setStyleSheet(isFault ? QStringLiteral("color: #b00000;") : QString());
    statusLabel_->setText(text);
}

void SimulationResultsWindow::clearResults(const QString& why)
{
    topPlot_->setTrace({}, {});
    topPlot_->setMarker(std::nullopt);
    tankPlot_->setTrace({}, {});
    spectrumPlot_->clear();
    meaningLabel_->clear();
    meaningLabel_->hide();
    peakLabel_->clear();
    modesLabel_->clear();
    explanationLabel_->clear();
    explanationLabel_->hide();
    sourceLabel_->setText(why);
}

void SimulationResultsWindow::showRunning()
{
    progressBar_->setValue(0);
    clearResults(withRunFigures(tr("Simulating %1; the previous run's figures are cleared.").arg(fileName())));
    setStatus(tr("ngspice is simulating the netlist..."), false);
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
    topPlot_->setMarker(
        QPointF(result.peakTopSeconds * kMicrosecondsPerSecond, signedPeak(result) / kVoltsPerKilovolt));
    spectrumPlot_->setSpectrum(result.topSpectrum, {result.modeLowHz, result.modeHighHz});
    meaningLabel_->setText(resultMeaning(result, !runFigures_.isEmpty()));
    meaningLabel_->show();
    sourceLabel_->setText(withRunFigures(tr("%1 from %2").arg(modelName(result.model), fileName())));
    // A figure and its unit never part at a line end (no-break spaces).
    peakLabel_->setText(tr("Peak top voltage (node %1): %2\u00a0kV at %3\u00a0µs")
                            .arg(QString::fromStdString(result.topNode))
                            .arg(result.peakTopVolts / kVoltsPerKilovolt, 0, 'f', 1)
                            .arg(result.peakTopSeconds * kMicrosecondsPerSecond, 0, 'f', 1));
    modesLabel_->setText(modesSentence(result));
    const QString explanation = resultExplanation(result);
    explanationLabel_->setText(explanation);
    explanationLabel_->setVisible(!explanation.isEmpty());
    setStatus(tr("%1 points; tank voltage across %2. Wheel zooms, drag pans, double click shows all.")
                  .arg(result.timeSeconds.size())
                  .arg(nodeText(result.tankNodes)),
              false);
}

void SimulationResultsWindow::showFailure(const QString& message)
{
    setRunning(false);
    clearResults(tr("No results: the run of %1 failed.").arg(fileName()));
    setStatus(message, true);
}

void SimulationResultsWindow::showCancelled()
{
    setRunning(false);
    clearResults(tr("No results: the run of %1 was cancelled.").arg(fileName()));
    setStatus(tr("The simulation was cancelled."), false);
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

QString SimulationResultsWindow::sourceText() const
{
    return sourceLabel_->text();
}

QString SimulationResultsWindow::meaningText() const
{
    return meaningLabel_->text();
}

QString SimulationResultsWindow::peakText() const
{
    return peakLabel_->text();
}

QString SimulationResultsWindow::modesText() const
{
    return modesLabel_->text();
}

QString SimulationResultsWindow::explanationText() const
{
    return explanationLabel_->text();
}

} // namespace qv
