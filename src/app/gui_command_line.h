#pragma once
// The window program's command line: `quorvane [FILE.qvd]`, plus --help and --version. Parsed
// before the window system starts, so answers and usage errors need no display, and without Qt,
// so the rules are tested headless. Qt's own options (-platform, -style, ...) are left for Qt.

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace qv {

enum class StartAction { Run, ShowHelp, ShowVersion, UsageError };

struct StartRequest {
    StartAction action = StartAction::Run;
    std::string designPath; // absolute; empty when no design was named
    std::string problem;    // what was wrong, for UsageError
};

inline constexpr int kStartOk = 0;
inline constexpr int kStartUsage = 2;

// The arguments after the program's name, as text.
std::vector<std::string> commandArguments(int argc, const char* const* argv);

// --help (or -h) wins over everything, then --version; "--" ends the options, so a file whose name
// starts with a dash can still be opened. Any other option that is not Qt's is a usage error. A relative path is made absolute against the current
// folder, as the open dialog would give it.
StartRequest parseStartArguments(std::span<const std::string> arguments);

// The usage text --help prints, starting "usage: quorvane".
std::string startUsage();

// Prints what a request other than Run asks for: help or version on `out`, a usage error with
// the usage on `err`. Returns the exit status: 0, or 2 for a usage error.
int answerStartRequest(const StartRequest& request, std::ostream& out, std::ostream& err);

} // namespace qv
