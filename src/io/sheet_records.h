#pragma once
// What the sheets hold that none of the 18 records does, saved as further records after the
// surroundings: the option states a pass reads (the primary's shape, the top load on the coil, its
// shape and equation, the copy to the secondary sheet, the gap kind) and the spark gap's stepped
// quantities. A file without them leaves the sheets as they were, as an older file always has.

#include "io/further_records.h"

namespace qv {

extern const RecordGroup kSheetRecords;

} // namespace qv
