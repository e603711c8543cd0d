#pragma once
// The Coil Analysis figures by the names scripts read them under (--analysis, --sweep-figures),
// with the caption and unit a table or a plot labels them with.

#include "field/coil_field.h"

#include <string_view>

namespace qv {

struct AnalysisFigure {
    std::string_view name; // printed names never change: scripts and tests read them
    std::string_view caption;
    std::string_view unit; // empty for a plain number
    field::Figure field::Analysis::*figure;
};

inline constexpr AnalysisFigure kAnalysisFigures[] = {
    {"ls_mh", "Secondary inductance (as it stands)", "mH", &field::Analysis::secondaryInductanceMh},
    {"f0_khz", "Frequency without top load (as it stands)", "kHz", &field::Analysis::bareFrequencyKhz},
    {"f0_3_khz", "3/4-wave mode without top load", "kHz", &field::Analysis::bareThreeQuarterKhz},
    {"f0_5_khz", "5/4-wave mode without top load", "kHz", &field::Analysis::bareFiveQuarterKhz},
    {"cself_pf", "Self-capacitance (as it stands)", "pF", &field::Analysis::selfCapacitancePf},
    {"f1_khz", "Frequency with top load (as it stands)", "kHz", &field::Analysis::loadedFrequencyKhz},
    {"ctop_pf", "Top-load capacitance in place", "pF", &field::Analysis::topLoadInPlacePf},
    {"f1_streamer_khz", "Frequency with streamers", "kHz", &field::Analysis::streamerFrequencyKhz},
    {"lp_uh", "Primary inductance (as it stands)", "uH", &field::Analysis::primaryInductanceUh},
    {"m_uh", "Mutual inductance", "uH", &field::Analysis::mutualInductanceUh},
    {"k", "Coupling coefficient k", "", &field::Analysis::coupling},
    {"primary_for_targetk_in", "Primary height for the target k", "in",
     &field::Analysis::primaryHeightForTargetKInches},
    {"cp_uf", "Tank capacitance to tune (as it stands)", "uF", &field::Analysis::tankCapacitanceUf},
    {"cp_streamer_uf", "Tank capacitance with streamers", "uF", &field::Analysis::streamerTankCapacitanceUf},
};

} // namespace qv
