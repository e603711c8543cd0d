#pragma once
// The Coil Analysis' geometry inputs in the design file: six further label and value records
// after the sheets' 18. A program that does not know them keeps them as extra lines and writes
// them back; this one takes them out of the Reference list when a file is opened and writes them
// after the 18 records when a file is saved, so the list looks as it always has.

#include <string>
#include <vector>

namespace qv {

struct Calculator;
struct Surroundings;

// The lines a save writes: the list's 18 records, the six geometry records, then any further
// lines the list kept from the file it was opened from.
std::vector<std::string> withSurroundingsRecords(const std::vector<std::string>& list, const Surroundings& surroundings);

// After an open: the geometry records past the 18 leave the list and set the design's
// surroundings; an input without a record gets its default. A record whose value is not a number
// or breaks its rule is reported as the sheets' records are, and the input keeps its default.
void readSurroundingsRecords(Calculator& calc);

} // namespace qv
