#pragma once
// The calculation stages of one recalculation pass, in the order the pass runs them, and the
// handlers of the Spark Gap sheet's mode buttons.

namespace qv {

struct Calculator;

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
