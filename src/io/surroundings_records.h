#pragma once
// The Coil Analysis' geometry inputs in the design file: six further records, the first group
// after the sheets' 18. A file without them opens with the default surroundings.

#include "core/surroundings_inputs.h"
#include "io/further_records.h"

namespace qv {

inline constexpr const RecordGroup& kSurroundingsRecords = kInputRowRecords<kSurroundingsInputs, &Design::surroundings>;

} // namespace qv
