// Any bytes as an ngspice raw file: the reader either refuses them with a reason or gives plots
// whose every name has a column of the plot's length, and the results step then reads the node
// voltages of a coil deck from them without running past a column.
#include "sim/raw_file.h"
#include "sim/simulation_result.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool wellFormed(const qv::RawPlot& plot)
{
    if (plot.columns.size() != plot.variableNames.size())
        return false;
    for (const auto& column : plot.columns) {
        if (column.size() != plot.columns.front().size())
            return false;
    }
    return true;
}

qv::NgspiceDeck coilDeck()
{
    qv::NgspiceDeck deck;
    deck.topNode = std::string(qv::topNodeOf(qv::CoilModel::standardRlc));
    deck.tankNodes = {"n01", "0"};
    return deck;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const qv::RawFileRead read = qv::readRawFile(bytes);
    if (read.plots.empty() == read.errorMessage.empty()) std::abort();
    for (const auto& plot : read.plots) {
        if (!wellFormed(plot)) std::abort();
    }
    static const qv::NgspiceDeck deck = coilDeck();
    const qv::SimulationOutcome outcome = qv::analyseTransient(read, deck);
    if (outcome.result.has_value() == !outcome.errorMessage.empty()) std::abort();
    if (const auto layout = qv::readRawLayout(bytes); layout && layout->dataOffsetBytes > size) std::abort();
    return 0;
}
