// Saves pictures of the How It Changes window for a person to look at: three sweeps a builder
// would make, and one across values the calculator refuses; then in millimetres. With a number of seconds after the
// folder, the window then stays on the screen that long, for a screen grab of the desktop.
// Usage: quorvane_sweep_shots <folder> [seconds]
#include "main_page.h"
#include "qt_file_chooser.h"
#include "ui/sweep/sweep_chart.h"
#include "ui/sweep/sweep_window.h"

#include <QApplication>
#include <QDir>
#include <QChart>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSweepWaitMs = 60000;
constexpr int kFollowWaitMs = 500; // the window looks at the unit every 200 ms

struct Shot {
    const char* file;
    const char* input;
    double from;
    double to;
    int points;
    bool logarithmic;
    std::vector<std::string> figures;
};

const Shot kShots[] = {
    {"sweep_turns.png", "PREdit4", 2, 12, 101, false, {"PREdit13", "cp_uf", "k"}},
    {"sweep_toroid.png", "TOCEdit2", 10, 40, 61, false, {"SEEdit13", "f1_khz", "ctop_pf"}},
    {"sweep_transformer.png", "TCEdit1", 3000, 15000, 40, true, {"OutputEdit1", "TCEdit4"}},
    {"sweep_gap.png", "primary", -6, 20, 27, false, {"k", "m_uh"}},
};
// In a millimetre session, after the switch has carried the last sweep over.
const Shot kMillimetreShots[] = {
    {"sweep_mm_leads.png", "lead_in", 100, 2000, 40, false, {"tap_wire_ft", "gap_each_in", "k_tap"}},
};

void waitForSweep(const qv::THowItChangesDlg& dlg)
{
    QElapsedTimer clock;
    clock.start();
    while (dlg.sweeping() && clock.elapsed() < kSweepWaitMs) QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fputs("usage: quorvane_sweep_shots <folder> [seconds]\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    qv::TMainPage page;
    qv::QtFileChooser files(&page);
    qv::THowItChangesDlg dlg(page.calculator(), files, [&page] { page.refreshView(); });
    page.show();
    page.BeginButtonClick();
    page.Main_Loop1();
    dlg.showWindow();
    bool ok = true;
    const auto take = [&](const Shot& shot) {
        dlg.choose(shot.input, shot.from, shot.to, shot.points, shot.logarithmic, shot.figures);
        dlg.startSweep();
        waitForSweep(dlg);
        ok = dlg.grab().save(folder.filePath(shot.file)) && ok;
    };
    for (const Shot& shot : kShots) take(shot);
    page.setLengthUnit(qv::LengthUnit::Millimetres);
    QElapsedTimer followed;
    followed.start();
    while (followed.elapsed() < kFollowWaitMs) QApplication::processEvents(QEventLoop::AllEvents, 50);
    ok = dlg.grab().save(folder.filePath("sweep_gap_mm.png")) && ok;
    for (const Shot& shot : kMillimetreShots) take(shot);
    // The pointer over the last sweep's first point, so a screen grab shows its tooltip.
    qv::SweepChartView* plot = dlg.plot();
    const QPointF firstPoint(plot->table()->inputValues.front(), 0);
    const QPointF inChart = plot->chart()->mapToPosition(firstPoint, plot->chart()->series().front());
    const QPoint inView = plot->mapFromScene(plot->chart()->mapToScene(inChart));
    QMouseEvent move(QEvent::MouseMove, inView, plot->viewport()->mapToGlobal(inView), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(plot->viewport(), &move);
    if (argc == 3) {
        constexpr int kMsPerSecond = 1000;
        QTimer::singleShot(std::atoi(argv[2]) * kMsPerSecond, &app, &QApplication::quit);
        QApplication::exec();
    }
    return ok ? 0 : 1;
}
