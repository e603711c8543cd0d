// Saves pictures of the main window for a person to look at: the start picture, every sheet
// after a pass, and the scratch pad with a few lines. Usage: quorvane_main_page_shots DIR [mm]
// (QT_SCALE_FACTOR=2 gives the double-density pictures; mm shows every length in millimetres).

#include "main_page.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    qv::TMainPage page;
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == "mm") page.setLengthUnit(qv::LengthUnit::Millimetres);
    page.show();
    QTest::qWait(50);
    const auto save = [&](const QString& name) { return page.grab().save(out.filePath(name + ".png")); };
    bool ok = save("start");
    page.BeginButtonClick();
    auto* pages = page.findChild<QTabWidget*>("MainPages");
    page.findChild<QPlainTextEdit*>("ScratchPad")->setPlainText(
        "* Model 1 netlist\nV1 1 0 SIN(0 4000 60)\nC1 1 2 0.0123uF\nA line long enough to need the horizontal scroll bar of the pad");
    qInfo("sheet area %dx%d", pages->widget(0)->width(), pages->widget(0)->height());
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        page.Main_Loop1();
        QTest::qWait(20);
        ok = save(QString("sheet%1").arg(i + 1)) && ok;
    }
    // The rotary arrangement of the Spark Gap sheet.
    pages->setCurrentIndex(5);
    QMetaObject::invokeMethod(page.findChild<QObject*>("RadioButton2"), "click");
    page.Main_Loop1();
    ok = save("sheet6_rotary") && ok;
    return ok ? 0 : 1;
}
