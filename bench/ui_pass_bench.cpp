// One recalculation pass with the real main window (offscreen): the model's pass and the view
// sync. A pass that rewrites equal texts must cost no repaint; the counter says how many
// fields were painted per pass once the values have settled.

#include "field_edit.h"
#include "main_page.h"

#include <QApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// A running calculator on the Primary Coil sheet, its timer off so that only the benchmark
// drives passes.
struct RunningWindow {
    qv::TMainPage page;
    RunningWindow()
    {
        page.show();
        page.BeginButtonClick();
        qv::stopTimer(page.calculator());
        for (int i = 0; i < 3; ++i) page.Main_Loop1();
        QApplication::processEvents();
    }
};

void BM_PassWithViewSync(benchmark::State& state)
{
    RunningWindow window;
    for (auto _ : state) window.page.Main_Loop1();
}
BENCHMARK(BM_PassWithViewSync)->Unit(benchmark::kMicrosecond);

// The same with the event loop's turn, where any repaint a pass caused would happen.
void BM_PassWithPainting(benchmark::State& state)
{
    RunningWindow window;
    PaintCounter counter;
    for (qv::FieldEdit* edit : window.page.findChildren<qv::FieldEdit*>()) edit->installEventFilter(&counter);
    for (auto _ : state) {
        window.page.Main_Loop1();
        QApplication::processEvents();
    }
    state.counters["field_paints_per_pass"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PassWithPainting)->Unit(benchmark::kMicrosecond);

// A typed value that changes a result: the fields that show new values repaint, and only once.
void BM_PassAfterAChange(benchmark::State& state)
{
    RunningWindow window;
    qv::Calculator& calc = window.page.calculator();
    PaintCounter counter;
    for (qv::FieldEdit* edit : window.page.findChildren<qv::FieldEdit*>()) edit->installEventFilter(&counter);
    bool larger = false;
    for (auto _ : state) {
        larger = !larger;
        calc.design.primaryTurns = larger ? 6.4 : 5.4;
        window.page.Main_Loop1();
        QApplication::processEvents();
    }
    state.counters["field_paints_per_pass"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PassAfterAChange)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
