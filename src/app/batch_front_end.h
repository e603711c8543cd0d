#pragma once
// The batch front end: the calculator driven by command-line actions, for scripts and for
// end-to-end tests. Arguments are actions applied left to right to one session that starts as
// the program does after BEGIN; two recalculation passes run before the first action and after
// every action. Messages the user would see in a box go to `err` as "message: TEXT".

#include <iosfwd>
#include <span>
#include <string>

namespace qv {

inline constexpr int kBatchOk = 0;
inline constexpr int kBatchFileFailed = 1;
inline constexpr int kBatchUsage = 2;

int runBatch(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

} // namespace qv
