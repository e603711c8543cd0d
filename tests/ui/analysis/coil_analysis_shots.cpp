// Saves pictures of the Coil Analysis window for a person to look at: the start design, and the
// same coil under a ceiling with a streamer. Usage: quorvane_coil_analysis_shots <folder>
#include "main_page.h"
#include "ui/analysis/coil_analysis_dlg.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

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
    if (argc != 2) {
        std::fputs("usage: quorvane_coil_analysis_shots <folder>\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    qv::TMainPage page;
    qv::TCoilAnalysisDlg dlg(page.calculator(), &page);
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
    return ok ? 0 : 1;
}
