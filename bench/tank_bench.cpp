// The Tank Circuit on the start design: the figures after a change of an input, on a field solution
// the window already has; the primary's turn curve, built once per field solution; and the field
// solution itself, for scale.

#include "calc/stages.h"
#include "core/calculator.h"
#include "field/coil_field.h"
#include "tank/tank_circuit.h"

#include <benchmark/benchmark.h>

namespace {

class SilentHost final : public qv::Host {
public:
    void warning(std::string_view) override {}
};

// The start design after BEGIN and one pass, with its toroid on the coil.
class StartSession {
public:
    StartSession() : calc(host)
    {
        qv::BeginButtonClick(calc);
        qv::Main_Loop1(calc);
    }
    qv::field::CoilModel model() const { return qv::field::coilModel(calc.design, qv::field::TopLoadShape::Toroid); }

    SilentHost host;
    qv::Calculator calc;
};

void BM_TankFiguresAfterAChange(benchmark::State& state)
{
    StartSession start;
    const qv::tank::FieldAsItStands field = qv::tank::solveField(start.model());
    double leadInches = 36;
    for (auto _ : state) {
        leadInches = leadInches == 36 ? 40 : 36; // a change the window follows
        start.calc.design.tank.leadLengthInches = leadInches;
        benchmark::DoNotOptimize(qv::tank::tankFigures(start.calc, field));
    }
}

void BM_TurnCurveOncePerSolution(benchmark::State& state)
{
    const StartSession start;
    const qv::field::CoilModel model = start.model();
    for (auto _ : state) benchmark::DoNotOptimize(qv::tank::turnCurve(model));
}

void BM_FieldSolution(benchmark::State& state)
{
    const StartSession start;
    const qv::field::CoilModel model = start.model();
    for (auto _ : state) benchmark::DoNotOptimize(qv::field::analyse(model));
}

} // namespace

BENCHMARK(BM_TankFiguresAfterAChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TurnCurveOncePerSolution)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FieldSolution)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
