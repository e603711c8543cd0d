#pragma once
// Batch actions of the spin buttons: --step NAME:up|down[:COUNT].

#include <iosfwd>
#include <string>

namespace qv {

struct Calculator;

// An empty text when the argument names a spin button with stepping, an arrow and a press count.
std::string checkStep(const std::string& argument);
// An empty text when the spin button is shown and enabled, else why a person could not press it.
std::string refuseStep(const Calculator& calc, const std::string& argument);
// Presses the arrow COUNT times (once without a count), each press one arrow handler.
bool runStep(Calculator& calc, const std::string& argument, std::ostream& out);

} // namespace qv
