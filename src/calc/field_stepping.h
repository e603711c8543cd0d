#pragma once
// The spin buttons beside the input fields: each arrow steps one design variable by a fixed step
// within fixed limits and rewrites its field, clearing the field's modified mark so the next pass
// takes the variable rather than the text.

#include "core/form.h"

namespace qv {

struct Calculator;

enum class SpinArrow { Up, Down };

// Whether the button has arrow handlers (SGSpinButton1 and SGSpinButton6 have none).
bool hasStepping(ControlId button);

// One press of an arrow: the handler named after the button and the arrow
// (TCSpinButton1UpClick, ..., SGSpinButton7DownClick). A button without stepping does nothing.
void spinClick(Calculator& calc, ControlId button, SpinArrow arrow);

} // namespace qv
