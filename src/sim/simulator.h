#pragma once

#include <string>

namespace qv {

// The two operations the netlist window asks of a circuit simulator: load a
// saved netlist file, then run it. The file name is passed on unchanged.
class Simulator {
public:
    virtual ~Simulator();
    virtual void openFile(const std::string& path) = 0;
    virtual void runSimulation(const std::string& path) = 0;
};

} // namespace qv
