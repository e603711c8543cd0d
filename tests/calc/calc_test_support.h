#pragma once
// Helpers for the stage tests: a host that records messages (and can look at the form when one
// is shown), and short ways to type into a field and read one back.

#include "calc/stages.h"
#include "core/calculator.h"
#include "core/host.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

class MessageRecorder final : public Host {
public:
    void warning(std::string_view text) override
    {
        messages.emplace_back(text);
        if (onWarning) onWarning();
    }
    std::vector<std::string> messages;
    std::function<void()> onWarning; // runs while the "box" is open
};

// A calculator after BEGIN, before its first pass.
struct RunningCalculator {
    MessageRecorder host;
    Calculator calc{host};
    RunningCalculator() { BeginButtonClick(calc); }
    void pass(int count = 1)
    {
        for (int i = 0; i < count; ++i) Main_Loop1(calc);
    }
    void type(FieldId id, std::string_view text) { calc.form.type(id, text); }
    std::string text(FieldId id) const { return calc.form.field(id).text; }
    // The text without its leading blanks.
    std::string shown(FieldId id) const
    {
        const std::string& t = calc.form.field(id).text;
        return t.substr(t.find_first_not_of(' ') == std::string::npos ? t.size() : t.find_first_not_of(' '));
    }
    void select(OptionId id) { clickOption(calc, id); }
};

} // namespace qv::test
