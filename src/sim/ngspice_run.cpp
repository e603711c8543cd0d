#include "sim/ngspice_run.h"

#include "sim/deck_lines.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>

namespace qv {

namespace {

// Words with which ngspice starts or marks a line that reports a fault.
constexpr std::string_view kFaultWords[] = {"error", "fatal", "too small", "aborted", "not found"};

// Enough to hold the header of any raw file the coil models produce.
constexpr qint64 kRawHeadBytes = qint64{64} * 1024;

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::string readWholeFile(const QString& path, bool& ok)
{
    QFile file(path);
    ok = file.open(QIODevice::ReadOnly);
    if (!ok)
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string withReason(const std::string& output)
{
    const std::string reason = firstErrorLine(output);
    return reason.empty() ? std::string(" ngspice gave no reason.") : " ngspice said: \"" + reason + "\"";
}

} // namespace

QString findSimulatorProgram(const QString& programName)
{
    return QStandardPaths::findExecutable(programName);
}

QString notInstalledMessage(const QString& programName)
{
    return QStringLiteral("The circuit simulator %1 is not installed (it is not on the PATH), so the netlist "
                          "cannot be simulated. Install ngspice and try again.")
        .arg(programName);
}

QStringList ngspiceArguments(const QString& rawPath)
{
    return {QStringLiteral("-n"), QStringLiteral("-b"), QStringLiteral("-r"), rawPath};
}

std::string firstErrorLine(std::string_view output)
{
    // ngspice introduces some faults with a heading ("Error on line 25 or its substitute:") whose
    // line number counts the translated deck; the statement and the reason follow on their own lines.
    constexpr std::size_t kLinesAfterAHeading = 2;
    const auto lines = deck::splitLines(output);
    const auto isFault = [](const std::string& line) {
        const std::string lower = deck::toLower(line);
        return std::any_of(std::begin(kFaultWords), std::end(kFaultWords),
                           [&](const auto word) { return lower.find(word) != std::string::npos; });
    };
    const auto fault = std::find_if(lines.begin(), lines.end(), isFault);
    if (fault == lines.end()) return {};
    std::string reason = trimmed(*fault);
    if (reason.empty() || reason.back() != ':') return reason;
    reason.pop_back();
    std::size_t added = 0;
    for (auto next = fault + 1; next != lines.end() && added < kLinesAfterAHeading; ++next) {
        const std::string text = trimmed(*next);
        if (text.empty()) continue;
        reason += ": " + text;
        ++added;
    }
    return reason;
}

SimulationOutcome interpretRun(const NgspiceDeck& deck, const ProcessEnd& end, const QString& rawPath)
{
    if (end.crashed)
        return {std::nullopt, "ngspice stopped unexpectedly while simulating the netlist." + withReason(end.output)};
    bool readable = false;
    const std::string raw = readWholeFile(rawPath, readable);
    if (end.exitCode != 0 || !readable || raw.empty())
        return {std::nullopt, "ngspice could not simulate the netlist." + withReason(end.output)};
    SimulationOutcome outcome = analyseTransient(readRawFile(raw), deck);
    // ngspice finished without a fault here; only a line it did report adds to the message.
    const std::string reason = firstErrorLine(end.output);
    if (!outcome.result && !reason.empty())
        outcome.errorMessage += " ngspice said: \"" + reason + "\"";
    return outcome;
}

std::optional<double> simulatedSecondsSoFar(const QString& rawPath)
{
    QFile file(rawPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(kRawHeadBytes);
    const auto layout = readRawLayout(std::string_view(head.constData(), static_cast<std::size_t>(head.size())));
    if (!layout)
        return std::nullopt;
    const qint64 pointBytes = static_cast<qint64>(layout->variableCount) * static_cast<qint64>(sizeof(double));
    const qint64 points = (file.size() - static_cast<qint64>(layout->dataOffsetBytes)) / pointBytes;
    if (points < 1 || !file.seek(static_cast<qint64>(layout->dataOffsetBytes) + (points - 1) * pointBytes))
        return std::nullopt;
    const QByteArray last = file.read(sizeof(double));
    if (last.size() != sizeof(double))
        return std::nullopt;
    double seconds = 0.0;
    std::memcpy(&seconds, last.constData(), sizeof seconds);
    return seconds;
}

SimulationOutcome simulateDeck(const std::string& netlistText, const QString& programName)
{
    const DeckTranslation translation = translateDeck(netlistText);
    if (!translation.deck)
        return {std::nullopt, translation.errorMessage};
    return simulateTranslatedDeck(*translation.deck, programName);
}

SimulationOutcome simulateTranslatedDeck(const NgspiceDeck& deck, const QString& programName)
{
    const QString program = findSimulatorProgram(programName);
    if (program.isEmpty())
        return {std::nullopt, notInstalledMessage(programName).toStdString()};
    QTemporaryDir workDir;
    if (!workDir.isValid())
        return {std::nullopt, "No temporary folder could be made for the simulation: " +
                                  workDir.errorString().toStdString()};
    const QString rawPath = workDir.filePath(QString::fromUtf8(kRawFileName.data(), kRawFileName.size()));
    QProcess process;
    process.setWorkingDirectory(workDir.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, ngspiceArguments(rawPath));
    if (!process.waitForStarted())
        return {std::nullopt, "The simulator could not be started: " + process.errorString().toStdString()};
    process.write(deck.text.data(), static_cast<qint64>(deck.text.size()));
    process.closeWriteChannel();
    process.waitForFinished(-1);
    const QByteArray output = process.readAll();
    const ProcessEnd end{process.exitStatus() == QProcess::CrashExit, process.exitCode(),
                         std::string(output.constData(), static_cast<std::size_t>(output.size()))};
    return interpretRun(deck, end, rawPath);
}

} // namespace qv
