#include "io/coil_figure_rows.h"

#include "core/calculator.h"

namespace qv {
namespace {

constexpr double kMicrohenriesPerMillihenry = 1000;

} // namespace

// The classic figures are the sheets': Wheeler's inductance, Medhurst's self-capacitance, the top
// load's capacitance as if alone in space (as the Secondary Coil sheet uses it), Wheeler's primary.
const std::array<ComparedFigureRow, kComparedFigureCount> kComparedFigureRows{{
    {"Secondary inductance", "mH", [](const Calculator& c) { return c.secondary.inductanceMh; },
     &field::Analysis::secondaryInductanceMh, "%1.3f"},
    {"Self-capacitance", "pF", [](const Calculator& c) { return c.secondary.selfCapacitancePf; },
     &field::Analysis::selfCapacitancePf, "%1.2f"},
    {"Top-load capacitance", "pF", [](const Calculator& c) { return c.design.topLoadPf; },
     &field::Analysis::topLoadInPlacePf, "%1.2f"},
    {"Frequency without top load", "kHz", [](const Calculator& c) { return c.secondary.frequencyKhz; },
     &field::Analysis::bareFrequencyKhz, "%1.2f"},
    {"Frequency with top load", "kHz", [](const Calculator& c) { return c.secondary.loadedFrequencyKhz; },
     &field::Analysis::loadedFrequencyKhz, "%1.2f"},
    {"Primary inductance", "uH",
     [](const Calculator& c) { return c.primary.inductanceMh * kMicrohenriesPerMillihenry; },
     &field::Analysis::primaryInductanceUh, "%1.2f"},
    {"Tank capacitance to tune", "uF", [](const Calculator& c) { return c.primary.requiredCapacitanceUf; },
     &field::Analysis::tankCapacitanceUf, "%1.5f"},
}};

const std::array<SolvedFigureRow, 7> kSolvedFigureRows{{
    {"Coupling coefficient k", "", &field::Analysis::coupling, "%1.4f"},
    {"Mutual inductance", "uH", &field::Analysis::mutualInductanceUh, "%1.3f"},
    {"Frequency with streamers", "kHz", &field::Analysis::streamerFrequencyKhz, "%1.2f"},
    {"Tank capacitance with streamers", "uF", &field::Analysis::streamerTankCapacitanceUf, "%1.5f"},
    {"3/4-wave mode without top load", "kHz", &field::Analysis::bareThreeQuarterKhz, "%1.2f"},
    {"5/4-wave mode without top load", "kHz", &field::Analysis::bareFiveQuarterKhz, "%1.2f"},
    {"Primary height for the target k", "in", &field::Analysis::primaryHeightForTargetKInches, "%1.2f",
     LengthQuantity::LengthInches},
}};

} // namespace qv
