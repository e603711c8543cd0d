#pragma once
// The steps of the primary stage as plain functions of the design, so each formula can be checked
// by itself. Update_Pri (primary.cpp) runs them in the stage's order; the transformer match lives
// in transformer_match.cpp and the spark gap in spark_gap.cpp.

namespace qv {

struct Calculator;
struct Design;

// Transformer and capacitor match (Trans/Cap Match sheet), both in uF.
struct TransformerMatch {
    double matchUf; // TCEdit4: reactance at the mains frequency equals the transformer's impedance
    double pfcUf;   // TCEdit5: power-factor correction for the chosen rating
};
TransformerMatch transformerMatch(const Design& design);
void showTransformerMatch(Calculator& calc, const TransformerMatch& match);
// The typed inputs of the Trans/Cap Match sheet, in the order of the field table.
void acceptTransformerInputs(Calculator& calc);

// Winding geometry and Wheeler's inductance for the angle the winding form left in the design.
struct PrimaryCoil {
    double windingWidthInches;   // S, along the winding's own surface
    double averageRadiusInches;  // PREdit6
    double totalDiameterInches;  // PREdit7
    double turnStepInches;       // growth of each turn's diameter, projected by the angle
    double inductanceMh;         // PREdit5; not a number when a Wheeler denominator vanishes
};
PrimaryCoil primaryCoil(const Design& design);

// N rounded to a whole number, an exact half to the even neighbour; in double, so no count of
// turns can overflow an integer.
double roundTurnsHalfEven(double turns);

// Length of wire for `turns` turns whose diameters start at `firstDiameterInches` (through the
// centre of the wire) and grow by `turnStepInches` per turn.
double wireLengthInches(double turns, double firstDiameterInches, double turnStepInches);

// Tank capacitance in uF that resonates with Lp (mH) at F (kHz); not a number when F or Lp
// leaves nothing to divide by.
double requiredCapacitanceUf(double frequencyKhz, double inductanceMh);

// Power Output sheet: the expected maximum spark length in inches.
double sparkOutputInches(const Design& design);

// Break rate, gap width and trigger voltage of the chosen gap kind. A quantity that cannot be
// computed (the rotary divisor at or below zero, a count of zero from a design file) is not a
// number.
struct SparkGap {
    double breakRateHz;
    double gapWidthInches;
    double triggerVolts;
};
SparkGap seriesGap(const Design& design);
SparkGap rotaryGap(const Design& design);
// Computes the gap of the mode RadioButton1 selects, keeps what is finite in the design and
// writes the Spark Gap sheet's fields.
void updateSparkGap(Calculator& calc);

} // namespace qv
