// The How It Changes window beside the main window: opened from the tool bar; Cancel leaves the
// design and the window as they were; a click on a point sets the design, Undo takes it back;
// the table and the plot are exported whole.

#include "main_page.h"
#include "ui/sweep/sweep_chart.h"
#include "ui/sweep/sweep_window.h"
#include "window_fixture.h"

#include <QAbstractSeries>
#include <QChart>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

constexpr int kSweepWaitMs = 30000;

class SweepWindowTest : public QObject, private MainWindowHarness {
    Q_OBJECT

private:
    std::unique_ptr<qv::THowItChangesDlg> dlg;

    bool waitForSweep() const { return QTest::qWaitFor([this] { return !dlg->sweeping(); }, kSweepWaitMs); }
    void sweepTurns(int points)
    {
        dlg->choose("PREdit4", 3, 8, points, false, {"PREdit13", "k"});
        dlg->startSweep();
    }

private slots:
    void init()
    {
        QVERIFY(makePage());
        QVERIFY(showActive());
        page->BeginButtonClick();
        page->Main_Loop1();
        dlg = std::make_unique<qv::THowItChangesDlg>(page->calculator(), chooser, [this] { page->refreshView(); });
        qv::ToolHooks hooks;
        hooks.howItChanges = [this] { dlg->showWindow(); };
        page->setToolHooks(hooks);
    }
    void cleanup()
    {
        dlg.reset();
        QCOMPARE(closePage(), QStringList{});
    }

    void opensFromTheToolBar()
    {
        auto* button = widget<QToolButton>("HowItChangesButton");
        QCOMPARE(button->toolTip(), QString("How It Changes"));
        QVERIFY(!button->icon().isNull());
        button->click();
        QVERIFY(dlg->isVisible());
    }

    void cancelLeavesTheDesignAndTheWindowAsTheyWere()
    {
        dlg->showWindow();
        sweepTurns(5);
        QVERIFY(waitForSweep());
        const QString statusBefore = dlg->statusText();
        const int seriesBefore = static_cast<int>(dlg->plot()->chart()->series().size());
        const double turnsBefore = page->calculator().design.primaryTurns;
        const QString fieldBefore = widget<QLineEdit>("PREdit4")->text();

        // Enough points with the field solution that Cancel comes before the end.
        dlg->choose("primary", 0, 20, qv::kMostSweepPoints, false, {"k"});
        dlg->startSweep();
        QVERIFY(dlg->sweeping());
        dlg->findChild<QPushButton*>("Cancel")->click();
        QVERIFY(waitForSweep());
        QCOMPARE(dlg->plot()->table()->input.name, std::string("PREdit4"));
        QCOMPARE(static_cast<int>(dlg->plot()->chart()->series().size()), seriesBefore);
        QVERIFY(dlg->statusText() != statusBefore); // says it was cancelled
        QCOMPARE(page->calculator().design.primaryTurns, turnsBefore);
        QCOMPARE(page->calculator().design.surroundings.primaryHeightInches, 0.0);
        QCOMPARE(widget<QLineEdit>("PREdit4")->text(), fieldBefore);
        QVERIFY(dlg->findChild<QPushButton*>("Sweep")->isEnabled());
        QVERIFY(!dlg->findChild<QPushButton*>("Cancel")->isEnabled());
    }

    void aClickedPointSetsTheDesignAndUndoTakesItBack()
    {
        dlg->showWindow();
        sweepTurns(6); // 3, 4, ..., 8
        QVERIFY(waitForSweep());
        emit dlg->plot()->pointChosen(3);
        QCOMPARE(page->calculator().design.primaryTurns, 6.0);
        page->Main_Loop1();
        QCOMPARE(widget<QLineEdit>("PREdit4")->text().trimmed(), QString("6.0"));
        QVERIFY(page->calculator().shownResults[static_cast<std::size_t>(qv::FieldId::PREdit13)] ==
                dlg->plot()->table()->values[3][0].value);
        dlg->findChild<QPushButton*>("UndoSetDesign")->click();
        QCOMPARE(page->calculator().design.primaryTurns, 5.4);
        QVERIFY(!dlg->findChild<QPushButton*>("UndoSetDesign")->isEnabled());
    }

    // The Inches / Millimetres switch carries the typed range, the plot and the point a click sets.
    void followsTheUnitSwitch()
    {
        dlg->showWindow();
        dlg->choose("PREdit3", 0.25, 0.5, 3, false, {"PREdit6"});
        dlg->startSweep();
        QVERIFY(waitForSweep());
        page->setLengthUnit(qv::LengthUnit::Millimetres);
        QVERIFY(QTest::qWaitFor([this] { return dlg->findChild<QLineEdit*>("From")->text() == "6.35"; }));
        QCOMPARE(dlg->findChild<QLineEdit*>("To")->text(), QString("12.7"));
        QVERIFY(dlg->findChild<QLabel*>("DesignNow")->text().endsWith(" mm"));
        QCOMPARE(dlg->plot()->table()->figures.front().unit, std::string("mm"));
        emit dlg->plot()->pointChosen(1);
        QCOMPARE(page->calculator().design.primarySpacingInches, 9.525 / 25.4);
    }

    void exportsTheTableAndThePlotWhole()
    {
        dlg->showWindow();
        sweepTurns(4);
        QVERIFY(waitForSweep());
        const struct {
            const char* button;
            const char* file;
            QByteArray start;
        } exports[] = {
            {"ExportCsv", "t.csv", "PREdit4 (turns),PREdit13 (uF),k,notes\n3,"},
            {"ExportPng", "t.png", "\x89PNG"},
            {"ExportSvg", "t.svg", "<?xml"},
        };
        for (const auto& e : exports) {
            chooser.answers.push_back(path(e.file));
            dlg->findChild<QPushButton*>(e.button)->click();
            QFile written(dir.filePath(e.file));
            QVERIFY2(written.open(QIODevice::ReadOnly), e.file);
            QVERIFY2(written.readAll().startsWith(e.start), e.file);
        }
    }
};

} // namespace

QTEST_MAIN(SweepWindowTest)
#include "sweep_window_test.moc"
