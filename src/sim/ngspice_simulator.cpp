#include "sim/ngspice_simulator.h"

#include <QFile>

#include <algorithm>

namespace qv {

namespace {

constexpr int kProgressPollMilliseconds = 250;

} // namespace

NgspiceSimulator::NgspiceSimulator(QObject* parent) : QObject(parent)
{
    progressTimer_.setInterval(kProgressPollMilliseconds);
    connect(&progressTimer_, &QTimer::timeout, this, &NgspiceSimulator::reportProgress);
}

NgspiceSimulator::~NgspiceSimulator()
{
    if (process_) {
        // No signal may reach a half-destroyed simulator.
        process_->disconnect(this);
        process_->kill();
        process_->waitForFinished();
    }
}

void NgspiceSimulator::setProgramName(const QString& programName)
{
    programName_ = programName;
}

void NgspiceSimulator::setCoilAsItStands(const std::optional<CoilAsItStands>& coil)
{
    coilAsItStands_ = coil;
    // A deck opened before carries the other figures.
    deck_.reset();
}

bool NgspiceSimulator::isRunning() const
{
    return process_ != nullptr;
}

void NgspiceSimulator::openFile(const std::string& path)
{
    deck_.reset();
    openedPath_ = path;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        emit failed(QStringLiteral("The netlist file %1 cannot be opened: %2")
                        .arg(QString::fromStdString(path), file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    std::string netlist(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (coilAsItStands_) {
        AsItStandsNetlist asItStands = withCoilAsItStands(netlist, *coilAsItStands_);
        if (!asItStands.text) {
            emit failed(QString::fromStdString(asItStands.errorMessage));
            return;
        }
        netlist = std::move(*asItStands.text);
    }
    DeckTranslation translation = translateDeck(netlist);
    if (!translation.deck) {
        emit failed(QString::fromStdString(translation.errorMessage));
        return;
    }
    deck_ = std::move(translation.deck);
}

void NgspiceSimulator::runSimulation(const std::string& path)
{
    if (isRunning()) {
        emit failed(QStringLiteral("A simulation is already running; wait for it or cancel it first."));
        return;
    }
    if (path != openedPath_ || !deck_)
        openFile(path);
    if (deck_)
        startProcess();
}

void NgspiceSimulator::startProcess()
{
    const QString program = findSimulatorProgram(programName_);
    if (program.isEmpty()) {
        emit failed(notInstalledMessage(programName_));
        return;
    }
    workDir_ = std::make_unique<QTemporaryDir>();
    if (!workDir_->isValid()) {
        const QString reason = workDir_->errorString();
        workDir_.reset();
        emit failed(QStringLiteral("No temporary folder could be made for the simulation: %1").arg(reason));
        return;
    }
    cancelling_ = false;
    process_ = std::make_unique<QProcess>();
    process_->setWorkingDirectory(workDir_->path());
    process_->setProcessChannelMode(QProcess::MergedChannels);
    connect(process_.get(), &QProcess::finished, this, &NgspiceSimulator::onFinished);
    connect(process_.get(), &QProcess::errorOccurred, this, &NgspiceSimulator::onErrorOccurred);
    const QString rawPath = workDir_->filePath(QString::fromUtf8(kRawFileName.data(), kRawFileName.size()));
    process_->start(program, ngspiceArguments(rawPath));
    // A start that fails at once (no file descriptors left, fork refused) has already
    // reported itself through onErrorOccurred, which ended the run.
    if (!process_)
        return;
    process_->write(deck_->text.data(), static_cast<qint64>(deck_->text.size()));
    process_->closeWriteChannel();
    progressTimer_.start();
    emit started();
}

void NgspiceSimulator::cancel()
{
    if (!process_)
        return;
    cancelling_ = true;
    process_->kill();
}

void NgspiceSimulator::reportProgress()
{
    if (!workDir_ || !deck_ || deck_->stopSeconds <= 0.0)
        return;
    const auto seconds = simulatedSecondsSoFar(workDir_->filePath(QString::fromUtf8(kRawFileName.data(), kRawFileName.size())));
    if (seconds)
        emit progress(std::clamp(*seconds / deck_->stopSeconds, 0.0, 1.0));
}

void NgspiceSimulator::onFinished(int exitCode, QProcess::ExitStatus status)
{
    if (cancelling_) {
        endRun();
        emit cancelled();
        return;
    }
    const QByteArray output = process_->readAll();
    const ProcessEnd end{status == QProcess::CrashExit, exitCode,
                         std::string(output.constData(), static_cast<std::size_t>(output.size()))};
    const QString rawPath = workDir_->filePath(QString::fromUtf8(kRawFileName.data(), kRawFileName.size()));
    SimulationOutcome outcome = interpretRun(*deck_, end, rawPath);
    endRun();
    if (outcome.result)
        emit finished(*outcome.result);
    else
        emit failed(QString::fromStdString(outcome.errorMessage));
}

void NgspiceSimulator::onErrorOccurred(QProcess::ProcessError error)
{
    // A crash or a kill also ends in finished(), which reports it; only a process
    // that never started ends here alone.
    if (error != QProcess::FailedToStart)
        return;
    const QString reason = process_->errorString();
    endRun();
    emit failed(QStringLiteral("The simulator could not be started: %1").arg(reason));
}

void NgspiceSimulator::endRun()
{
    progressTimer_.stop();
    if (process_) {
        process_->disconnect(this);
        // Deleting a QProcess from inside its own signal is unsafe; let the event loop do it.
        process_.release()->deleteLater();
    }
    workDir_.reset();
}

} // namespace qv
