// How It Changes: a 200-point sweep of the primary's turns from the start design, reading the
// coupling and the loaded frequency (the field solution at every point) on one and on two threads,
// and reading only sheet figures (no field solution). The target is under 1 s with the solution.

#include "calc/stages.h"
#include "core/calculator.h"
#include "io/sweep.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPoints = 200;

class SilentHost final : public qv::Host {
public:
    void warning(std::string_view) override {}
};

qv::SweepRequest turnsSweep(const std::vector<const char*>& figures)
{
    qv::SweepRequest request{*qv::sweepInputByName("PREdit4"), {2, 12, kPoints, false}, {}};
    for (const char* name : figures) request.figures.push_back(*qv::sweepFigureByName(name));
    return request;
}

void sweep(benchmark::State& state, const std::vector<const char*>& figures)
{
    SilentHost host;
    qv::Calculator calc(host);
    qv::BeginButtonClick(calc);
    qv::Main_Loop1(calc);
    qv::Main_Loop1(calc);
    const qv::SweepRequest request = turnsSweep(figures);
    const qv::SweepControl control{nullptr, {}, static_cast<int>(state.range(0))};
    for (auto _ : state) benchmark::DoNotOptimize(qv::runSweep(calc, request, control));
}

void BM_SweepWithFieldSolution(benchmark::State& state) { sweep(state, {"k", "f1_khz", "PREdit13"}); }
void BM_SweepSheetFiguresOnly(benchmark::State& state) { sweep(state, {"PREdit13", "OutputEdit1"}); }

} // namespace

// The argument is the number of threads.
BENCHMARK(BM_SweepWithFieldSolution)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SweepSheetFiguresOnly)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
