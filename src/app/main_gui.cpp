// The calculator's window program: the main window, shown until it is closed. Closing it ends
// the program at once, without asking whether the design should be saved.

#include "main_page.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    QApplication::setApplicationDisplayName("Quorvane");
    QApplication::setWindowIcon(QIcon(":/icons/quorvane.png"));
    qv::TMainPage page;
    page.show();
    return QApplication::exec();
}
