// The Coil Analysis window's costs: one solution as the window asks for it (figures, the
// potential over the drawing and its equipotentials) on the worker, for the start design, under a
// ceiling at 1.5 times the coil's top and with a sphere; painting the drawing; and the main
// window's pass with the analysis window open and nothing changing, beside the pass alone.

#include "main_page.h"
#include "core/surroundings_inputs.h"
#include "ui/analysis/coil_analysis_dlg.h"
#include "ui/analysis/cross_section_view.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdint>

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

enum class Surrounding : std::uint8_t { Start, Ceiling, Sphere };

// The start design, or under a ceiling at 1.5 times its top, or with a sphere of 8 in radius.
qv::AnalysisRequest windowRequest(RunningWindows& windows, Surrounding surrounding)
{
    constexpr double kCeilingOverTop = 1.5;
    constexpr double kSphereRadiusInches = 8;
    qv::Calculator& calc = windows.page.calculator();
    if (surrounding == Surrounding::Ceiling)
        calc.design.surroundings.ceilingHeightInches =
            kCeilingOverTop * qv::coilTopInches(calc.design, qv::topLoadPlacement(calc.form));
    if (surrounding == Surrounding::Sphere) {
        calc.form.setChecked(qv::OptionId::ToroidSelect, false);
        calc.form.setChecked(qv::OptionId::SphereSelect, true);
        calc.design.tubeDiameterInches = kSphereRadiusInches;
    }
    return qv::analysisRequest(qv::currentCoilModel(calc), 1);
}

void BM_WindowSolution(benchmark::State& state)
{
    RunningWindows windows(false);
    const qv::AnalysisRequest request = windowRequest(windows, static_cast<Surrounding>(state.range(0)));
    state.counters["grid_points"] = request.columns * request.rows;
    for (auto _ : state) benchmark::DoNotOptimize(qv::solve(request));
}
BENCHMARK(BM_WindowSolution)->ArgName("start0_ceiling1_sphere2")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The drawing painted at the window's usual size, its solution in hand.
void BM_DrawingPaint(benchmark::State& state)
{
    constexpr QSize kDrawingSize(420, 640);
    RunningWindows windows(false);
    qv::CrossSectionView view;
    view.resize(kDrawingSize);
    view.showSolution(qv::solve(windowRequest(windows, static_cast<Surrounding>(state.range(0)))));
    QImage image(kDrawingSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        view.render(&painter);
    }
}
BENCHMARK(BM_DrawingPaint)->ArgName("start0_ceiling1_sphere2")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

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
