#include "sim/simulator.h"

namespace qv {

Simulator::~Simulator() = default;

} // namespace qv
