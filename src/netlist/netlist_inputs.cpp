#include "netlist/netlist_inputs.h"

#include "core/calculator.h"

namespace qv {

NetlistInputs netlistInputs(const Calculator& calc)
{
    const Design& d = calc.design;
    NetlistInputs in;
    in.primaryInductanceMh = calc.primary.inductanceMh;
    in.requiredCapacitanceUf = calc.primary.requiredCapacitanceUf;
    in.secondaryInductanceMh = calc.secondary.inductanceMh;
    in.selfCapacitancePf = calc.secondary.selfCapacitancePf;
    in.topLoadPf = d.topLoadPf;
    in.totalCapacitancePf = calc.secondary.totalCapacitancePf;
    in.outputVolts = d.outputVolts;
    in.inputVolts = d.inputVolts;
    in.lineFrequencyHz = d.lineFrequencyHz;
    in.primaryTubeDiameterInches = d.primaryWireDiameterInches;
    in.primaryWireLengthInches = calc.primary.wireLengthInches;
    in.secondaryTurns = calc.secondary.turns;
    in.secondaryCircumferenceInches = calc.secondary.circumferenceInches;
    in.turnsPerInch = d.turnsPerInch;
    in.topLoadFlag = calc.topLoadFlag;
    return in;
}

} // namespace qv
