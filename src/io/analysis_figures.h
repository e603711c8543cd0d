#pragma once
// The Coil Analysis figures by the names scripts read them under (--analysis, --sweep-figures);
// their captions and units are the Coil Analysis tables' (io/coil_figure_rows.h).

#include "core/length_unit.h"
#include "field/coil_field.h"

#include <string_view>

namespace qv {

struct AnalysisFigure {
    std::string_view name; // printed names never change: scripts and tests read them
    field::Figure field::Analysis::*figure;
    LengthQuantity quantity = LengthQuantity::None; // a length is printed in the session's unit
};

inline constexpr AnalysisFigure kAnalysisFigures[] = {
    {"ls_mh", &field::Analysis::secondaryInductanceMh},
    {"f0_khz", &field::Analysis::bareFrequencyKhz},
    {"f0_3_khz", &field::Analysis::bareThreeQuarterKhz},
    {"f0_5_khz", &field::Analysis::bareFiveQuarterKhz},
    {"cself_pf", &field::Analysis::selfCapacitancePf},
    {"f1_khz", &field::Analysis::loadedFrequencyKhz},
    {"ctop_pf", &field::Analysis::topLoadInPlacePf},
    {"f1_streamer_khz", &field::Analysis::streamerFrequencyKhz},
    {"lp_uh", &field::Analysis::primaryInductanceUh},
    {"m_uh", &field::Analysis::mutualInductanceUh},
    {"k", &field::Analysis::coupling},
    {"primary_for_targetk_in", &field::Analysis::primaryHeightForTargetKInches, LengthQuantity::LengthInches},
    {"cp_uf", &field::Analysis::tankCapacitanceUf},
    {"cp_streamer_uf", &field::Analysis::streamerTankCapacitanceUf},
};

} // namespace qv
