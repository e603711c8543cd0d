#pragma once
// The Tank Circuit's inputs in the design file: further records, the last group. A file without
// them opens with the default tank inputs.

#include "core/tank_inputs.h"
#include "io/further_records.h"

namespace qv {

inline constexpr const RecordGroup& kTankRecords = kInputRowRecords<kTankInputs, &Design::tank>;

} // namespace qv
