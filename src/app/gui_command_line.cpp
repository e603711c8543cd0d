#include "app/gui_command_line.h"

#include "core/version.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <ostream>
#include <string_view>
#include <utility>

namespace qv {
namespace {

bool isAnyOf(const std::string& argument, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), argument) != names.end();
}

// The options Qt's application object takes for itself (with one dash or two, a value after a
// blank or an "="); they are left for it, so `quorvane -platform offscreen coil.qvd` works.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"session", true},
    {"display", true}, {"geometry", true}, {"title", true}, {"name", true},
    {"style", true}, {"stylesheet", true}, {"qmljsdebugger", false}, {"reverse", false},
    {"widgetcount", false}, {"nograb", false}, {"dograb", false}, {"sync", false},
};

// The Qt option the argument names, or nullptr.
const QtOption* qtOption(std::string_view argument)
{
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    argument = argument.substr(0, argument.find('='));
    const auto found = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                    [&](const QtOption& option) { return option.name == argument; });
    return found == std::end(kQtOptions) ? nullptr : &*found;
}

// "-" alone is a file name by convention; anything else starting with a dash is an option.
bool looksLikeOption(const std::string& argument) { return argument.size() > 1 && argument.front() == '-'; }

std::string absolutePath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

StartRequest answering(StartAction action)
{
    StartRequest request;
    request.action = action;
    return request;
}

StartRequest usageError(std::string problem)
{
    StartRequest request = answering(StartAction::UsageError);
    request.problem = std::move(problem);
    return request;
}

} // namespace

std::vector<std::string> commandArguments(int argc, const char* const* argv)
{
    if (argc <= 1) return {};
    return {argv + 1, argv + argc};
}

StartRequest parseStartArguments(std::span<const std::string> arguments)
{
    const auto has = [&](std::initializer_list<std::string_view> names) {
        const auto optionsEnd = std::find(arguments.begin(), arguments.end(), "--");
        return std::any_of(arguments.begin(), optionsEnd, [&](const std::string& a) { return isAnyOf(a, names); });
    };
    if (has({"--help", "-h"})) return answering(StartAction::ShowHelp);
    if (has({"--version"})) return answering(StartAction::ShowVersion);

    StartRequest request;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && looksLikeOption(argument)) {
            const QtOption* option = qtOption(argument);
            if (!option) return usageError("unknown option: " + argument);
            const bool valueFollows = option->takesValue && argument.find('=') == std::string::npos;
            if (valueFollows && ++i == arguments.size()) return usageError("missing value for: " + argument);
        } else if (!request.designPath.empty()) {
            return usageError("one design at a time: " + argument);
        } else if (argument.empty()) {
            return usageError("empty file name");
        } else {
            request.designPath = absolutePath(argument);
        }
    }
    return request;
}

std::string startUsage()
{
    return "usage: quorvane [FILE.qvd]\n"
           "       quorvane --help | --version\n"
           "Starts the Tesla coil design calculator; with FILE.qvd, opens that design and starts\n"
           "calculating at once. quorvane-calc is the same calculator for scripts.\n";
}

int answerStartRequest(const StartRequest& request, std::ostream& out, std::ostream& err)
{
    switch (request.action) {
    case StartAction::ShowHelp: out << startUsage(); return kStartOk;
    case StartAction::ShowVersion: out << "quorvane " << kProgramVersion << '\n'; return kStartOk;
    case StartAction::UsageError: err << "quorvane: " << request.problem << '\n' << startUsage(); return kStartUsage;
    case StartAction::Run: break;
    }
    return kStartOk;
}

} // namespace qv
