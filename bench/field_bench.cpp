// The field solution of the start design (toroid, default surroundings): one full analysis (bare,
// loaded, primary, k and the primary height for the target k), the same under a grounded ceiling
// high and low, and the loaded mode's potential on a drawing-sized grid.

#include "calc/stages.h"
#include "core/calculator.h"
#include "field/coil_field.h"
#include "field/constants.h"

#include <benchmark/benchmark.h>

namespace {

class SilentHost final : public qv::Host {
public:
    void warning(std::string_view) override {}
};

// The design as the sheets leave it after one pass: turns per inch and the primary's angle set.
qv::field::CoilModel startCoil()
{
    SilentHost host;
    qv::Calculator calc(host);
    qv::BeginButtonClick(calc);
    qv::Main_Loop1(calc);
    return qv::field::coilModel(calc.design, qv::field::TopLoadShape::Toroid);
}

void BM_AnalyseStartDesign(benchmark::State& state)
{
    const qv::field::CoilModel coil = startCoil();
    for (auto _ : state) benchmark::DoNotOptimize(qv::field::analyse(coil));
}

// The toroid's top: the winding's top, the clearance and the tube.
double topLoadTopM(const qv::field::CoilModel& coil)
{
    return coil.secondaryBottomM + coil.secondaryHeightM + coil.clearanceM + coil.tubeDiameterM;
}

// A ceiling at 1.5 times the coil's top, and one an inch above the top load: the images of the two
// grounded planes summed far and near.
void BM_AnalyseUnderCeilingHigh(benchmark::State& state)
{
    qv::field::CoilModel coil = startCoil();
    coil.ceilingM = 1.5 * topLoadTopM(coil);
    for (auto _ : state) benchmark::DoNotOptimize(qv::field::analyse(coil));
}

void BM_AnalyseUnderCeilingInchAboveTopLoad(benchmark::State& state)
{
    qv::field::CoilModel coil = startCoil();
    coil.ceilingM = topLoadTopM(coil) + qv::field::kMetresPerInch;
    for (auto _ : state) benchmark::DoNotOptimize(qv::field::analyse(coil));
}

// 120 columns over 0.6 m and 200 rows over 2 m: the coil, its top load and the floor.
void BM_PotentialMapStartDesign(benchmark::State& state)
{
    const qv::field::CoilModel coil = startCoil();
    for (auto _ : state) benchmark::DoNotOptimize(qv::field::loadedPotential(coil, 0.6, 2.0, 120, 200));
}

} // namespace

BENCHMARK(BM_AnalyseStartDesign)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyseUnderCeilingHigh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyseUnderCeilingInchAboveTopLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PotentialMapStartDesign)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
