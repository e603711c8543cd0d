// The calculator's window program: the main window and the windows its tool bar opens, each
// created once at start and hidden until shown. Closing the main window ends the program at once,
// without asking whether the design should be saved.

#include "app/gui_command_line.h"
#include "core/version.h"
#include "main_page.h"
#include "ui/netlist/netlist_window.h"
#include "qt_file_chooser.h"
#include "ui/analysis/coil_analysis_dlg.h"
#include "ui/aux/about_box.h"
#include "ui/aux/credits_box.h"
#include "ui/aux/help_window.h"
#include "ui/aux/inch_mm_dialog.h"
#include "ui/aux/report_printer.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <iostream>

namespace {

// Brings a window that is already open to the front rather than opening a second one.
void showNotModal(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

int main(int argc, char* argv[])
{
    // --help, --version and a bad argument are answered before the window system is needed.
    const auto request = qv::parseStartArguments(qv::commandArguments(argc, argv));
    if (request.action != qv::StartAction::Run) return qv::answerStartRequest(request, std::cout, std::cerr);
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Quorvane");
    QApplication::setApplicationName("Quorvane");
    QApplication::setApplicationVersion(qv::kProgramVersion);
    QGuiApplication::setDesktopFileName("io.github.quorvane.Quorvane"); // the installed desktop entry
    QApplication::setApplicationDisplayName("Quorvane");
    QApplication::setWindowIcon(QIcon(":/icons/quorvane.png"));

    qv::TMainPage page;
    qv::Calculator& calc = page.calculator();
    qv::TAboutBox about(&page);
    qv::TCreditsBox credits(&page);
    qv::QtFileChooser netlistDialogs(&page);
    qv::TPSpiceDlg netlist(calc, netlistDialogs, [&page] { page.refreshView(); }, &page);
    qv::TInchMMDlg converter(*calc.host, &page);
    qv::HelpWindow help(&page);
    qv::TCoilAnalysisDlg analysis(calc, &page);

    page.setToolHooks({
        .about = [&about] { about.showAbout(); },
        .credits = [&credits] { credits.showCredits(); },
        .help = [&help] { help.showContents(); },
        .netlist = [&netlist] { showNotModal(netlist); },
        .analysis = [&analysis] { analysis.showAnalysis(); },
        .converter = [&converter] { converter.showConverter(); },
        .print = [&page](qv::Calculator& c) { qv::printDesignReport(c, &page); },
    });
    page.show();
    // The design opens once the window is up, so its messages have a window to stand over.
    if (!request.designPath.empty())
        QTimer::singleShot(0, &page, [&page, &request] { page.openDesignAtStart(request.designPath); });
    return QApplication::exec();
}
