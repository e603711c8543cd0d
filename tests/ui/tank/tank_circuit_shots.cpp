// Saves pictures of the Tank Circuit window for a person to look at: the start design building
// its bank, the same coil making streamers, with a capacitor too big for any turn, and in millimetres.
// With a number of seconds after the folder, the window then stays on the screen that long, for a
// screen grab of the desktop.
// Usage: quorvane_tank_circuit_shots <folder> [seconds]
#include "core/calculator.h"
#include "main_page.h"
#include "ui/tank/tank_circuit_dlg.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSolutionWaitMs = 20000;

void waitForSolution(const qv::TTankCircuitDlg& dlg)
{
    QElapsedTimer clock;
    clock.start();
    while (dlg.shownGeneration() != dlg.requestedGeneration() && clock.elapsed() < kSolutionWaitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
}

// Lets the layouts take the new texts before a picture is taken.
void settle()
{
    constexpr int kSettleMs = 200;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kSettleMs) QApplication::processEvents(QEventLoop::AllEvents, kSettleMs);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fputs("usage: quorvane_tank_circuit_shots <folder> [seconds]\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    qv::TMainPage page;
    qv::TTankCircuitDlg dlg(page.calculator(), &page);
    page.show();
    page.BeginButtonClick();
    page.Main_Loop1();
    dlg.showTank();
    waitForSolution(dlg);
    settle();
    bool ok = dlg.grab().save(folder.filePath("tank.png"));

    page.calculator().design.surroundings.streamerLengthInches = 48;
    dlg.follow();
    waitForSolution(dlg);
    settle();
    ok = dlg.grab().save(folder.filePath("tank_streamers.png")) && ok;

    page.calculator().design.tank.capacitorUf = 50;
    dlg.follow();
    settle();
    ok = dlg.grab().save(folder.filePath("tank_no_tap.png")) && ok;

    // The same window in a millimetre session: the leads, the tap wire and the gaps in metric units.
    page.calculator().design.tank.capacitorUf = 0;
    qv::switchLengthUnit(page.calculator(), qv::LengthUnit::Millimetres);
    dlg.follow();
    waitForSolution(dlg);
    settle();
    ok = dlg.grab().save(folder.filePath("tank_mm.png")) && ok;
    if (argc == 3) {
        constexpr int kMsPerSecond = 1000;
        QTimer::singleShot(std::atoi(argv[2]) * kMsPerSecond, &app, &QApplication::quit);
        QApplication::exec();
    }
    return ok ? 0 : 1;
}
