#include "app/batch_front_end.h"

#include "batch_actions.h"
#include "calc/stages.h"
#include "core/calculator.h"
#include "core/version.h"

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string_view>
#include <vector>

namespace qv {
namespace {

constexpr int kPassesPerAction = 2;

constexpr const char* kHelpText =
    "Runs the Tesla coil design calculator without a window: the actions apply left to right to one\n"
    "session that starts as the program does after BEGIN. Messages go to standard error as\n"
    "\"message: TEXT\"; the exit status is 0, 1 when a file operation failed, 2 for a bad argument.\n";

class StreamHost final : public Host {
public:
    explicit StreamHost(std::ostream& err) : err_(err) {}
    void warning(std::string_view text) override { err_ << "message: " << text << '\n'; }

private:
    std::ostream& err_;
};

void runPasses(Calculator& calc, int count)
{
    for (int i = 0; i < count; ++i) Main_Loop1(calc);
}

std::string usage()
{
    std::string text = "usage: quorvane-calc [--help] [--version]";
    for (const BatchAction& action : batchActions())
        text += std::string(" [") + action.flag + (action.argument ? std::string(" ") + action.argument : "") + "]";
    return text;
}

struct PlannedAction {
    const BatchAction* action;
    std::string argument;
};

// An action that also reads another flag's value, wherever on the line that flag stands: the
// sweep and the figures it prints.
struct Companion {
    std::string_view flag;
    std::string_view companionFlag;
};
constexpr Companion kCompanions[] = {{"--sweep", "--sweep-figures"}};

// The argument with the companion flag's value appended after a line break (the last one given).
std::string withCompanion(std::string argument, std::string_view flag, std::span<const std::string> arguments)
{
    for (const Companion& c : kCompanions) {
        if (c.flag != flag) continue;
        std::string value;
        for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
            if (arguments[i] == c.companionFlag) value = arguments[i + 1];
        argument += kCompanionSeparator + value;
    }
    return argument;
}

} // namespace

int runBatch(std::span<const std::string> arguments, std::ostream& out, std::ostream& err)
{
    // Asking for help or the version runs nothing else, wherever it stands.
    const auto asks = [&](std::string_view flag) { return std::find(arguments.begin(), arguments.end(), flag) != arguments.end(); };
    if (asks("--help")) {
        out << usage() << '\n' << kHelpText;
        return kBatchOk;
    }
    if (asks("--version")) {
        out << "quorvane-calc " << kProgramVersion << '\n';
        return kBatchOk;
    }
    // Every argument is checked before anything runs, so a typo never leaves half a script done.
    std::vector<PlannedAction> plan;
    const auto actions = batchActions();
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const auto found = std::find_if(actions.begin(), actions.end(),
                                        [&](const BatchAction& a) { return arguments[i] == a.flag; });
        if (found == actions.end() || (found->argument && i + 1 >= arguments.size())) {
            err << (found == actions.end() ? "unknown argument: " : "missing value for: ") << arguments[i] << '\n'
                << usage() << '\n';
            return kBatchUsage;
        }
        const std::string argument = found->argument ? arguments[++i] : std::string();
        PlannedAction planned{&*found, withCompanion(argument, found->flag, arguments)};
        if (const std::string problem = found->check(planned.argument); !problem.empty()) {
            err << found->flag << ": " << problem << '\n' << usage() << '\n';
            return kBatchUsage;
        }
        plan.push_back(std::move(planned));
    }

    StreamHost host(err);
    Calculator calc(host);
    BeginButtonClick(calc);
    runPasses(calc, kPassesPerAction);
    int status = kBatchOk;
    for (const PlannedAction& planned : plan) {
        const BatchAction& action = *planned.action;
        if (const std::string why = action.refusal ? action.refusal(calc, planned.argument) : std::string();
            !why.empty()) {
            err << action.flag << ": " << why << '\n' << usage() << '\n';
            return kBatchUsage;
        }
        if (!action.run(calc, planned.argument, out)) status = kBatchFileFailed;
        runPasses(calc, kPassesPerAction);
    }
    return status;
}

} // namespace qv
