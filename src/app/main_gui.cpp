// The calculator's window program: the main window and the windows its tool bar opens, each
// created once at start and hidden until shown. The other windows are top-level windows of their
// own that the user can put behind the calculator; closing the main window ends the program
// once it has asked about unsaved work.

#include "app/gui_command_line.h"
#include "core/version.h"
#include "main_page.h"
#include "ui/netlist/netlist_window.h"
#include "qt_file_chooser.h"
#include "ui/analysis/coil_analysis_dlg.h"
#include "ui/sweep/sweep_window.h"
#include "ui/aux/about_box.h"
#include "ui/aux/credits_box.h"
#include "ui/aux/help_window.h"
#include "ui/aux/inch_mm_dialog.h"
#include "ui/aux/report_printer.h"
#include "ui/aux/window_placement.h"
#include "ui/paste_guard/empty_paste_guard.h"
#include "ui/tank/tank_circuit_dlg.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <iostream>

namespace {

// An auxiliary window that does not keep the program running once the main window has closed,
// opened beside the main window and never over its sheets.
qv::WindowPlacement* placed(QWidget& window, const char* name, qv::TMainPage& mainWindow)
{
    window.setAttribute(Qt::WA_QuitOnClose, false);
    return new qv::WindowPlacement(window, name, &mainWindow, mainWindow.sheets());
}

} // namespace

int main(int argc, char* argv[])
{
    // --help, --version and a bad argument are answered before the window system is needed.
    const auto request = qv::parseStartArguments(qv::commandArguments(argc, argv));
    if (request.action != qv::StartAction::Run) return qv::answerStartRequest(request, std::cout, std::cerr);
    QApplication app(argc, argv);
    qv::guardEveryTextAreaAgainstEmptyPaste(app);
    qv::setSettingsIdentity();
    QApplication::setApplicationVersion(qv::kProgramVersion);
    QGuiApplication::setDesktopFileName("io.github.quorvane.Quorvane"); // the installed desktop entry
    QApplication::setWindowIcon(QIcon(":/icons/quorvane.png"));

    qv::TMainPage page;
    page.setLengthUnit(qv::rememberedLengthUnit());
    qv::Calculator& calc = page.calculator();
    qv::TAboutBox about(&page);
    qv::TCreditsBox credits;
    qv::QtFileChooser netlistDialogs(&page);
    qv::TPSpiceDlg netlist(calc, netlistDialogs, [&page] { page.refreshView(); });
    qv::TInchMMDlg converter(*calc.host);
    qv::HelpWindow help;
    qv::TCoilAnalysisDlg analysis(calc);
    qv::TTankCircuitDlg tank(calc);
    qv::QtFileChooser sweepDialogs(&page);
    qv::THowItChangesDlg howItChanges(calc, sweepDialogs, [&page] { page.refreshView(); });
    qv::WindowPlacement* creditsPlace = placed(credits, "credits", page);
    qv::WindowPlacement* helpPlace = placed(help, "help", page);
    qv::WindowPlacement* netlistPlace = placed(netlist, "netlist", page);
    qv::WindowPlacement* analysisPlace = placed(analysis, "analysis", page);
    qv::WindowPlacement* tankPlace = placed(tank, "tank", page);
    qv::WindowPlacement* howItChangesPlace = placed(howItChanges, "how_it_changes", page);
    qv::WindowPlacement* converterPlace = placed(converter, "converter", page);

    page.setToolHooks({
        .about = [&about] { about.showAbout(); },
        .credits = [creditsPlace] { creditsPlace->show(); },
        .help = [&help, helpPlace] {
            helpPlace->show();
            help.showContents();
        },
        .netlist = [netlistPlace] { netlistPlace->show(); },
        .analysis = [analysisPlace] { analysisPlace->show(); },
        .tank = [tankPlace] { tankPlace->show(); },
        .howItChanges = [howItChangesPlace] { howItChangesPlace->show(); },
        .converter = [converterPlace] { converterPlace->show(); },
        .print = [&page](qv::Calculator& c) { qv::printDesignReport(c, &page); },
    });
    page.show();
    // The design opens once the window is up, so its messages have a window to stand over.
    if (!request.designPath.empty())
        QTimer::singleShot(0, &page, [&page, &request] { page.openDesignAtStart(request.designPath); });
    return QApplication::exec();
}
