// The Coil Analysis window's costs: one solution as the window asks for it (figures, the
// potential over the drawing and its equipotentials) on the worker, and the main window's pass
// with the analysis window open and nothing changing, beside the pass alone.

#include "main_page.h"
#include "ui/analysis/coil_analysis_dlg.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

struct RunningWindows {
    qv::TMainPage page;
    qv::TCoilAnalysisDlg analysis{page.calculator(), &page};
    explicit RunningWindows(bool analysisOpen)
    {
        page.show();
        page.BeginButtonClick();
        qv::stopTimer(page.calculator());
        page.Main_Loop1();
        if (analysisOpen) analysis.showAnalysis();
        while (analysis.shownGeneration() != analysis.requestedGeneration()) QApplication::processEvents();
    }
};

void BM_WindowSolution(benchmark::State& state)
{
    RunningWindows windows(false);
    const qv::AnalysisRequest request = qv::analysisRequest(qv::currentCoilModel(windows.page.calculator()), 1);
    state.counters["grid_points"] = request.columns * request.rows;
    for (auto _ : state) benchmark::DoNotOptimize(qv::solve(request));
}
BENCHMARK(BM_WindowSolution)->Unit(benchmark::kMillisecond);

// One pass and the analysis window's look at the design (its follow timer fires with the pass).
void passes(benchmark::State& state, bool analysisOpen)
{
    RunningWindows windows(analysisOpen);
    for (auto _ : state) {
        windows.page.Main_Loop1();
        if (analysisOpen) windows.analysis.follow();
    }
    state.counters["solutions_asked"] = static_cast<double>(windows.analysis.requestedGeneration());
}
void BM_PassAlone(benchmark::State& state) { passes(state, false); }
void BM_PassWithIdleAnalysisOpen(benchmark::State& state) { passes(state, true); }
BENCHMARK(BM_PassAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PassWithIdleAnalysisOpen)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
