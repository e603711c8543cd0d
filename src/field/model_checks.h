#pragma once
// Which parts of a coil model can be solved: each degenerate geometry takes away only the figures
// that depend on it, with a plain reason.

#include "field/coil_field.h"

#include <string>

namespace qv::field {

struct ModelProblems {
    std::string secondary; // nothing can be computed
    std::string topLoad;   // the loaded figures and the tank capacitances
    std::string primary;   // every primary figure
    std::string coupling;  // the mutual inductance and k
    std::string streamer;  // the figures with streamers
};

ModelProblems modelProblems(const CoilModel& model, const Discretisation& cuts);

} // namespace qv::field
