// Saves pictures of the Coil Analysis window for a person to look at: the start design, and the
// same coil under a ceiling with a streamer. With a number of seconds after the folder, both
// windows then stay on the screen that long, for a screen grab of the desktop.
// Usage: quorvane_coil_analysis_shots <folder> [seconds]
#include "main_page.h"
#include "ui/analysis/coil_analysis_dlg.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSolutionWaitMs = 20000;

void waitForSolution(const qv::TCoilAnalysisDlg& dlg)
{
    QElapsedTimer clock;
    clock.start();
    while (dlg.shownGeneration() != dlg.requestedGeneration() && clock.elapsed() < kSolutionWaitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fputs("usage: quorvane_coil_analysis_shots <folder> [seconds]\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    qv::TMainPage page;
    qv::TCoilAnalysisDlg dlg(page.calculator(), &page);
    page.show();
    page.BeginButtonClick();
    page.Main_Loop1();
    dlg.showAnalysis();
    dlg.adjustSize();
    waitForSolution(dlg);
    bool ok = dlg.grab().save(folder.filePath("analysis.png"));

    qv::Surroundings& s = page.calculator().design.surroundings;
    s.ceilingHeightInches = 80;
    s.streamerLengthInches = 36;
    s.primaryHeightInches = 2;
    dlg.follow();
    waitForSolution(dlg);
    ok = dlg.grab().save(folder.filePath("analysis_ceiling.png")) && ok;
    if (argc == 3) {
        constexpr int kMsPerSecond = 1000;
        QTimer::singleShot(std::atoi(argv[2]) * kMsPerSecond, &app, &QApplication::quit);
        QApplication::exec();
    }
    return ok ? 0 : 1;
}
