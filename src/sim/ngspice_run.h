#pragma once

#include "sim/ngspice_deck.h"
#include "sim/simulation_result.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

namespace qv {

inline const QString kNgspiceProgram = QStringLiteral("ngspice");
inline constexpr std::string_view kRawFileName = "transient.raw";

// Full path of the program on the PATH, or empty when it is not installed.
QString findSimulatorProgram(const QString& programName);
QString notInstalledMessage(const QString& programName);

// Batch mode, no init files (a user's .spiceinit could change units or output
// format), results to rawPath; the deck itself goes to standard input.
QStringList ngspiceArguments(const QString& rawPath);

// The first line of ngspice's console output that reports a fault, trimmed; empty if none.
std::string firstErrorLine(std::string_view output);

// How a process run ended, as QProcess reports it.
struct ProcessEnd {
    bool crashed = false;
    int exitCode = 0;
    std::string output; // standard output and error, merged
};

// Turns a finished ngspice run into a result, or a message that says in plain
// words why there is none, with ngspice's own first error line.
SimulationOutcome interpretRun(const NgspiceDeck& deck, const ProcessEnd& end, const QString& rawPath);

// Where a raw file that ngspice is still writing has got to, in simulated seconds.
std::optional<double> simulatedSecondsSoFar(const QString& rawPath);

// Translates and simulates a netlist, blocking until ngspice has finished; for the
// batch front end. Needs no event loop.
SimulationOutcome simulateDeck(const std::string& netlistText, const QString& programName = kNgspiceProgram);
// The same for a deck already translated.
SimulationOutcome simulateTranslatedDeck(const NgspiceDeck& deck, const QString& programName = kNgspiceProgram);

} // namespace qv
