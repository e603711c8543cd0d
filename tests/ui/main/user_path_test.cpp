// The coil builder's whole road from a design to its waveforms, through the real windows: choose
// the ladder model, close, change the secondary, reopen, copy to the scratch pad, save it as a
// netlist, and simulate the saved file.

#include "main_page.h"
#include "ui/netlist/netlist_window.h"
#include "sim/ngspice_simulator.h"
#include "ui/aux/simulation_results_window.h"
#include "window_fixture.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace qv;

class UserPathTest : public QObject, protected MainWindowHarness {
    Q_OBJECT

    static constexpr int kSimulationTimeoutMs = 60000;
    static constexpr int kTwoPassesMs = 3 * kPassIntervalMs;

    std::unique_ptr<TPSpiceDlg> netlist;

    template <typename W = QWidget> W* find(QWidget* in, const char* name)
    {
        W* w = in->findChild<W*>(name);
        if (!w) qFatal("no widget %s", name);
        return w;
    }
    void click(QWidget* in, const char* name) { QTest::mouseClick(find(in, name), Qt::LeftButton); }
    void clickRadio(QWidget* in, const char* name)
    {
        QWidget* w = find(in, name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
    }
    QString memo() { return find<QPlainTextEdit>(netlist.get(), "Memo1")->toPlainText(); }

    void typeInto(const char* field, const QString& typed)
    {
        auto* edit = find<QLineEdit>(page.get(), field);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    // Chooses the ladder model, closes the window, shortens the secondary and saves the netlist
    // the reopened window shows; returns the saved file's path.
    std::string saveLadderNetlist()
    {
        click(page.get(), "SpeedButton1");
        [&] { QVERIFY(netlist->isVisible()); }();
        clickRadio(netlist.get(), "RadioButton2");
        const QString before = memo();
        click(netlist.get(), "OKBtn");
        [&] { QVERIFY(!netlist->isVisible()); }();

        typeInto("SEEdit2", "40");
        QTest::qWait(kTwoPassesMs);
        click(page.get(), "SpeedButton1");
        const QString after = memo();
        [&] {
            QCOMPARE(after.count('\n') + 1, 82);
            QVERIFY2(after != before, "the reopened window shows the new secondary");
        }();

        click(netlist.get(), "Button1");
        [&] { QCOMPARE(find<QPlainTextEdit>(page.get(), "ScratchPad")->toPlainText(), after + "\n"); }();

        const std::string saved = dir.filePath("coil.cir").toStdString();
        chooser.answers.push_back(saved);
        click(page.get(), "SaveScratchSaveButton");
        QFile file(QString::fromStdString(saved));
        [&] {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QString crlf = after + "\n";
            QCOMPARE(file.readAll(), crlf.replace("\n", "\r\n").toLatin1());
        }();
        return saved;
    }

private slots:
    void init()
    {
        QVERIFY(makePage());
        netlist = std::make_unique<TPSpiceDlg>(page->calculator(), chooser, [this] { page->refreshView(); }, page.get());
        ToolHooks hooks;
        hooks.netlist = [this] { netlist->show(); };
        page->setToolHooks(hooks);
        QVERIFY(showActive());
        click(page.get(), "BeginButton");
        QTest::qWait(kTwoPassesMs);
    }

    void cleanup()
    {
        netlist.reset();
        const QStringList unexpected = closePage();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(", ")));
    }

    void savedLadderNetlistSimulates()
    {
        const std::string saved = saveLadderNetlist();
        chooser.answers.push_back(saved);
        click(netlist.get(), "Button2");
        QCOMPARE(chooser.asked.back().title, std::string("Simulate File"));
        // The dialog starts at the file just saved.
        QCOMPARE(chooser.asked.back().initialName, saved);
        QVERIFY(netlist->simulator());
        QVERIFY2(timerOn(), "the calculator goes on while ngspice runs");
        QSignalSpy finished(netlist->simulator(), &NgspiceSimulator::finished);
        QVERIFY(finished.wait(kSimulationTimeoutMs));
        QVERIFY(netlist->resultsWindow().isVisible());
        QVERIFY(netlist->resultsWindow().peakText().contains("node N015"));
        QVERIFY(watchdog->messages.isEmpty());
    }

    void missingSimulatorWarnsAndTheCalculatorRuns()
    {
        const std::string saved = saveLadderNetlist();
        netlist->setSimulatorProgram("quorvane-no-such-simulator");
        chooser.answers.push_back(saved);
        click(netlist.get(), "Button2");
        QTRY_COMPARE_WITH_TIMEOUT(watchdog->messages.size(), 1, 5000);
        QVERIFY(watchdog->messages.front().contains("not installed"));
        QVERIFY(timerOn());
    }
};

QTEST_MAIN(UserPathTest)
#include "user_path_test.moc"
