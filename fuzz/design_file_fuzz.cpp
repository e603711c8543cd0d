// Any bytes as a design parameter file: the reader takes them into the list and the design and
// runs the stages, and then a pass and the save text must still work. Nothing may crash, the
// list keeps its 37 lines at least, and the gauge stays a row of the wire table.
#include "calc/stages.h"
#include "core/calculator.h"
#include "io/design_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

class QuietHost final : public qv::Host {
public:
    void warning(std::string_view) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    QuietHost host;
    qv::Calculator calc(host);
    qv::BeginButtonClick(calc);
    const bool taken = qv::loadDesignText(calc, "fuzz.qvd", text);
    qv::Main_Loop1(calc);
    if (calc.referenceList.size() < qv::kReferenceListLines) std::abort();
    if (calc.design.secondaryGauge < qv::kSmallestGauge || calc.design.secondaryGauge > qv::kLargestGauge)
        std::abort();
    if (taken && qv::designFileLines(qv::designFileText(calc.referenceList)) != calc.referenceList) std::abort();
    return 0;
}
