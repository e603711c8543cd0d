// One recalculation pass on the start design, and the same pass with an absurd number of typed
// primary turns: the wire length is a closed-form sum, so the count must not show in the time.

#include "calc/stages.h"
#include "core/calculator.h"

#include <benchmark/benchmark.h>

namespace {

class SilentHost final : public qv::Host {
public:
    void warning(std::string_view) override {}
};

// The turns are typed into PREdit4 and never rewritten, so every pass reads the text again.
void runPasses(benchmark::State& state, const char* primaryTurns)
{
    SilentHost host;
    qv::Calculator calc(host);
    qv::BeginButtonClick(calc);
    calc.form.type(qv::FieldId::PREdit4, primaryTurns);
    for (auto _ : state) {
        qv::Main_Loop1(calc);
        benchmark::DoNotOptimize(calc.primary.wireLengthInches);
    }
}

void BM_PassDefaultDesign(benchmark::State& state) { runPasses(state, "5.4"); }
void BM_PassTeraTurns(benchmark::State& state) { runPasses(state, "1e12"); }

} // namespace

BENCHMARK(BM_PassDefaultDesign);
BENCHMARK(BM_PassTeraTurns);
BENCHMARK_MAIN();
