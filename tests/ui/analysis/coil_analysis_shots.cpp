// Saves pictures of the Coil Analysis window for a person to look at: the start design, then the
// same coil under a ceiling with a streamer, with a sphere, raised on a tall base, asked for a k
// no primary height reaches with a top-load capacitance typed on the Secondary Coil sheet, and
// under a ceiling in millimetres. With a number of seconds after the folder, both windows then
// stay on the screen that long, for a screen grab of the desktop.
// Usage: quorvane_coil_analysis_shots <folder> [seconds]
#include "main_page.h"
#include "ui/analysis/coil_analysis_dlg.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

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

struct Shot {
    const char* file;
    std::function<void(qv::Calculator&)> change; // on top of the shots before it
};

const Shot kShots[] = {
    {"analysis.png", [](qv::Calculator&) {}},
    {"analysis_ceiling.png",
     [](qv::Calculator& c) {
         c.design.surroundings.ceilingHeightInches = 80;
         c.design.surroundings.streamerLengthInches = 36;
         c.design.surroundings.primaryHeightInches = 2;
     }},
    {"analysis_sphere.png",
     [](qv::Calculator& c) {
         c.design.surroundings = {};
         c.form.setChecked(qv::OptionId::ToroidSelect, false);
         c.form.setChecked(qv::OptionId::SphereSelect, true);
         c.design.tubeDiameterInches = 8; // the sphere's radius
     }},
    {"analysis_raised.png",
     [](qv::Calculator& c) {
         c.form.setChecked(qv::OptionId::SphereSelect, false);
         c.form.setChecked(qv::OptionId::ToroidSelect, true);
         c.design.tubeDiameterInches = 3;
         c.design.surroundings.baseHeightInches = 30;
         c.design.surroundings.primaryHeightInches = 12;
     }},
    {"analysis_unreachable.png",
     [](qv::Calculator& c) {
         c.design.surroundings = {};
         c.design.surroundings.targetK = 0.5;
         c.form.setChecked(qv::OptionId::NoCap, false);
         c.design.topLoadPf = 25;
     }},
    {"analysis_mm.png",
     [](qv::Calculator& c) {
         c.form.setChecked(qv::OptionId::NoCap, true);
         c.design.surroundings = {};
         c.design.surroundings.ceilingHeightInches = 80;
         c.design.surroundings.primaryHeightInches = 2;
         qv::switchLengthUnit(c, qv::LengthUnit::Millimetres);
     }},
};

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
    bool ok = true;
    for (const Shot& shot : kShots) {
        shot.change(page.calculator());
        page.Main_Loop1();
        dlg.follow();
        waitForSolution(dlg);
        ok = dlg.grab().save(folder.filePath(shot.file)) && ok;
    }
    if (argc == 3) {
        constexpr int kMsPerSecond = 1000;
        QTimer::singleShot(std::atoi(argv[2]) * kMsPerSecond, &app, &QApplication::quit);
        QApplication::exec();
    }
    return ok ? 0 : 1;
}
