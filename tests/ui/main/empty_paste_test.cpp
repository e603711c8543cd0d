// A paste with nothing on the clipboard, into each editable text area of the program: Qt 6.4
// crashes there without the guard, losing every unsaved change.

#include "main_page.h"
#include "ui/netlist/netlist_window.h"
#include "ui/paste_guard/empty_paste_guard.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>

using namespace qv;

namespace {

enum class Gesture { CtrlV, ShiftInsert, MiddleClick };

void paste(QPlainTextEdit* area, Gesture gesture)
{
    switch (gesture) {
    case Gesture::CtrlV: QTest::keyClick(area, Qt::Key_V, Qt::ControlModifier); break;
    case Gesture::ShiftInsert: QTest::keyClick(area, Qt::Key_Insert, Qt::ShiftModifier); break;
    case Gesture::MiddleClick: QTest::mouseClick(area->viewport(), Qt::MiddleButton); break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Gesture)

class EmptyPasteTest : public QObject, protected MainWindowHarness {
    Q_OBJECT

private:
    std::unique_ptr<TPSpiceDlg> netlist;

    QPlainTextEdit* area(const QString& name) const
    {
        auto* found = name == "Memo1" ? netlist->findChild<QPlainTextEdit*>(name) : widget<QPlainTextEdit>("ScratchPad");
        if (!found) qFatal("no text area %s", qPrintable(name));
        return found;
    }

private slots:
    void initTestCase() { guardEveryTextAreaAgainstEmptyPaste(*QCoreApplication::instance()); }

    void init()
    {
        QVERIFY(makePage());
        QVERIFY(showActive());
        QTest::mouseClick(widget("BeginButton"), Qt::LeftButton);
        netlist = std::make_unique<TPSpiceDlg>(page->calculator(), chooser, [] {});
        netlist->show();
    }

    void cleanup()
    {
        netlist.reset();
        const QStringList unexpected = closePage();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(", ")));
    }

    void emptyPasteChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Gesture>("gesture");
        for (const char* name : {"ScratchPad", "Memo1"}) {
            QTest::addRow("%s Ctrl+V", name) << name << Gesture::CtrlV;
            QTest::addRow("%s Shift+Insert", name) << name << Gesture::ShiftInsert;
            QTest::addRow("%s middle click", name) << name << Gesture::MiddleClick;
        }
    }
    void emptyPasteChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(Gesture, gesture);
        QPlainTextEdit* text = area(name);
        text->setPlainText("kept");
        // What the X11 clipboard hands over when no program owns it: data without a format.
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
        paste(text, gesture);
        QCOMPARE(text->toPlainText(), QString("kept"));
    }

    // The guard stops only the empty paste.
    void pasteWithTextStillPastes()
    {
        QPlainTextEdit* text = area("ScratchPad");
        text->clear();
        QGuiApplication::clipboard()->setText("pasted");
        paste(text, Gesture::CtrlV);
        QCOMPARE(text->toPlainText(), QString("pasted"));
    }
};

QTEST_MAIN(EmptyPasteTest)
#include "empty_paste_test.moc"
