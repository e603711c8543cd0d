// The calculator's window program: the main window and the windows its tool bar opens, each
// created once at start and hidden until shown. The other windows are top-level windows of their
// own that the user can put behind the calculator; closing the main window ends the program
// once it has asked about unsaved work.

#include "main_page.h"
#include "netlist/netlist_window.h"
#include "qt_file_chooser.h"
#include "ui/aux/about_box.h"
#include "ui/aux/credits_box.h"
#include "ui/aux/help_window.h"
#include "ui/aux/inch_mm_dialog.h"
#include "ui/aux/report_printer.h"
#include "ui/aux/window_placement.h"

#include <QApplication>
#include <QIcon>

namespace {

// An auxiliary window that does not keep the program running once the main window has closed.
qv::WindowPlacement* placed(QWidget& window, const char* name, QWidget& mainWindow)
{
    window.setAttribute(Qt::WA_QuitOnClose, false);
    return new qv::WindowPlacement(window, name, &mainWindow);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qv::setSettingsIdentity();
    QApplication::setWindowIcon(QIcon(":/icons/quorvane.png"));

    qv::TMainPage page;
    qv::Calculator& calc = page.calculator();
    qv::TAboutBox about(&page);
    qv::TCreditsBox credits;
    qv::QtFileChooser netlistDialogs(&page);
    qv::TPSpiceDlg netlist(calc, netlistDialogs, [&page] { page.refreshView(); });
    qv::TInchMMDlg converter(*calc.host);
    qv::HelpWindow help;
    qv::WindowPlacement* creditsPlace = placed(credits, "credits", page);
    qv::WindowPlacement* helpPlace = placed(help, "help", page);
    qv::WindowPlacement* netlistPlace = placed(netlist, "netlist", page);
    qv::WindowPlacement* converterPlace = placed(converter, "converter", page);

    page.setToolHooks({
        .about = [&about] { about.showAbout(); },
        .credits = [creditsPlace] { creditsPlace->show(); },
        .help = [&help, helpPlace] {
            helpPlace->show();
            help.showContents();
        },
        .netlist = [netlistPlace] { netlistPlace->show(); },
        .converter = [converterPlace] { converterPlace->show(); },
        .print = [&page](qv::Calculator& c) { qv::printDesignReport(c, &page); },
    });
    page.show();
    return QApplication::exec();
}
