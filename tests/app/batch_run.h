#pragma once
// quorvane-calc's front end run in the test's own process, with what it printed kept as text.

#include "app/batch_front_end.h"

#include <sstream>
#include <string>
#include <vector>

namespace qv::batch_test {

struct BatchRun {
    int status;
    std::string out;
    std::string err;
};

inline BatchRun run(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = runBatch(arguments, out, err);
    return {status, out.str(), err.str()};
}

} // namespace qv::batch_test
