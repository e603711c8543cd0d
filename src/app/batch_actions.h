#pragma once
// The actions of the batch front end, one table row each.

#include <iosfwd>
#include <span>
#include <string>

namespace qv {

struct Calculator;

// Joins an action's own argument and the value of a companion flag it also reads.
inline constexpr char kCompanionSeparator = '\n';

struct BatchAction {
    const char* flag;
    const char* argument; // the argument's name in the usage line, or nullptr
    // An empty text when the argument is well formed, else what is wrong with it.
    std::string (*check)(const std::string& argument);
    // Applies the action; false when a file operation failed.
    bool (*run)(Calculator& calc, const std::string& argument, std::ostream& out);
    // An empty text when a person could take the action now (the control is shown, enabled and
    // writable), else why not; nullptr for actions that need no control. Asked just before run.
    std::string (*refusal)(const Calculator& calc, const std::string& argument);
};

std::span<const BatchAction> batchActions();

} // namespace qv
