#pragma once
// The recalculation pass, the calculation stages it runs in their order, and the handlers of the
// option buttons.

#include "core/form.h"

namespace qv {

struct Calculator;

// One recalculation pass: the stages in order, the Reference refresh, the top-load flag.
// A pass that would start while another is still running (a message box of the first is open
// and its event loop delivers a timer tick) is skipped.
void Main_Loop1(Calculator& calc);

// A click on a radio button checks it; a click on a check box toggles it. The gap-kind buttons
// also rearrange the Spark Gap sheet.
void clickOption(Calculator& calc, OptionId id);

// Top load: accepts Dt and Dtc, computes the toroid's (or sphere's) capacitance and, while
// "Copy To Secondary Sheet" is on, hands it to the secondary.
void Update_T_C(Calculator& calc);

// Secondary: turns, inductance, Medhurst self-capacitance, both resonant frequencies and the
// quarter waves; then accepts the top-load capacitance, diameter and length.
void Update_Sec(Calculator& calc);

// Primary: transformer match, winding geometry and inductance, wire length, tuning to the
// secondary, spark output, input acceptance, spark gap.
void Update_Pri(Calculator& calc);

// "Series Gaps" and "Rotary Gaps": show the fields of the chosen gap kind.
void RadioButton1Click(Calculator& calc);
void RadioButton2Click(Calculator& calc);

} // namespace qv
