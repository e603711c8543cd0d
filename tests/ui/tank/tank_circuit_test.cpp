// The Tank Circuit window beside the main window: opened from the tool bar, following the sheets,
// refusing a bad input with a message and the value kept, showing a reason where a figure has no
// value, and nothing cut at either screen density.

#include "core/tank_inputs.h"
#include "main_page.h"
#include "unsaved_work.h"
#include "ui/tank/tank_circuit_dlg.h"
#include "window_fixture.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace qv;

namespace {
constexpr int kSolutionWaitMs = 20000;

// Keeps what the closing question asked about and cancels the closing.
class RecordingQuestion : public UnsavedWorkQuestion {
public:
    QStringList asked;
    UnsavedAnswer askBeforeClosing(const std::string& what) override
    {
        asked << QString::fromStdString(what);
        return UnsavedAnswer::Cancel;
    }
};
} // namespace

class TankCircuitTest : public QObject, private MainWindowHarness {
    Q_OBJECT

private:
    std::unique_ptr<TTankCircuitDlg> dlg;

    Calculator& calc() { return page->calculator(); }
    QLineEdit* edit(const char* name) { return dlg->findChild<QLineEdit*>(name); }
    bool solved() const { return showsNewestSolution(*dlg); }
    void type(const char* name, const QString& text) { typeAndEnter(edit(name), text); }
    void openAndSolve()
    {
        dlg->showTank();
        QTRY_VERIFY_WITH_TIMEOUT(solved(), kSolutionWaitMs);
    }

private slots:
    void init()
    {
        QVERIFY(makePage());
        dlg = std::make_unique<TTankCircuitDlg>(page->calculator(), page.get());
        ToolHooks hooks;
        hooks.tank = [this] { dlg->showTank(); };
        page->setToolHooks(std::move(hooks));
        QVERIFY(showActive());
        page->BeginButtonClick();
        page->Main_Loop1();
    }
    void cleanup()
    {
        dlg.reset();
        const QStringList unexpected = closePage();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(", ")));
    }

    void opensFromTheToolBarBesideCoilAnalysis()
    {
        auto* bar = page->findChild<QToolBar*>("ToolBar");
        auto* button = page->findChild<QToolButton*>("TankCircuitButton");
        QVERIFY(button);
        QCOMPARE(button->toolTip(), QString("Tank Circuit"));
        QVERIFY(!button->icon().isNull());
        const QList<QAction*> actions = bar->actions();
        const auto indexOf = [&](const QWidget* w) {
            for (int i = 0; i < actions.size(); ++i)
                if (bar->widgetForAction(actions[i]) == w) return i;
            return -1;
        };
        QCOMPARE(indexOf(button), indexOf(page->findChild<QToolButton*>("CoilAnalysisButton")) + 1);

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(dlg->isVisible() && dlg->isWindow());
        QCOMPARE(dlg->windowModality(), Qt::NonModal);
        QCOMPARE(dlg->windowTitle(), QString("Tank Circuit"));
        QTRY_VERIFY_WITH_TIMEOUT(solved(), kSolutionWaitMs);
        // The start design's tap and bank, read off without the help.
        QVERIFY2(dlg->findChild<QLabel*>("TapSummary")->text().startsWith("Tap the primary"),
                 qPrintable(dlg->findChild<QLabel*>("TapSummary")->text()));
        QVERIFY(dlg->findChild<QLabel*>("CapacitorSummary")->text().startsWith("Build the bank"));
        QVERIFY(dlg->findChild<QRadioButton*>("BuildBank")->isChecked());
        QCOMPARE(edit("ltr")->text(), QString("1.00"));
    }

    void followsTheSheetsAndSolvesOnlyWhenTheCoilChanges()
    {
        openAndSolve();
        const std::uint64_t before = dlg->requestedGeneration();
        for (int i = 0; i < 3; ++i) {
            page->Main_Loop1();
            dlg->follow();
        }
        QCOMPARE(dlg->requestedGeneration(), before); // an idle design costs no solution

        // A bigger transformer wants a bigger bank at once, no field solution needed.
        const QString bank = dlg->figureText("mmc_count");
        calc().design.ratedAmps *= 2;
        page->Main_Loop1();
        dlg->follow();
        QCOMPARE(dlg->requestedGeneration(), before);
        QVERIFY(dlg->figureText("mmc_count") != bank);

        // A taller secondary rings lower: the tap as it stands moves once the field is solved.
        const QString tap = dlg->figureText("tap_turns_asis");
        calc().design.secondaryLengthInches += 6;
        page->Main_Loop1();
        dlg->follow();
        QCOMPARE(dlg->requestedGeneration(), before + 1);
        QTRY_VERIFY_WITH_TIMEOUT(solved(), kSolutionWaitMs);
        QVERIFY(dlg->figureText("tap_turns_asis") != tap);

        // Streamers ring the coil lower: the tap line says where they move it.
        QVERIFY(!dlg->findChild<QLabel*>("TapSummary")->text().contains("Streamers"));
        calc().design.surroundings.streamerLengthInches = 48;
        dlg->follow();
        QTRY_VERIFY_WITH_TIMEOUT(solved(), kSolutionWaitMs);
        QVERIFY2(dlg->findChild<QLabel*>("TapSummary")->text().contains("turns further out"),
                 qPrintable(dlg->findChild<QLabel*>("TapSummary")->text()));

        // A design opened meanwhile brings its tank inputs into the fields.
        calc().design.tank.leadLengthInches = 12;
        dlg->follow();
        QCOMPARE(edit("lead_in")->text(), QString("12.0"));
    }

    void aRejectedInputKeepsItsValueAndWarns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("not a number") << "part_uf" << "abc" << "0.1500";
        QTest::newRow("ltr above 5") << "ltr" << "7" << "1.00";
        QTest::newRow("a notch between two") << "quench_notch" << "1.5" << "1";
        QTest::newRow("no lead wire") << "lead_dia_in" << "0" << "0.250";
        QTest::newRow("a negative capacitor") << "cap_uf" << "-0.03" << "0.0000";
    }
    void aRejectedInputKeepsItsValueAndWarns()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        openAndSolve();
        const TankInputs before = calc().design.tank;
        type(qPrintable(name), typed);
        QCOMPARE(edit(qPrintable(name))->text(), kept);
        QCOMPARE(calc().design.tank, before);
        QCOMPARE(watchdog->messages.size(), 1);
        const QString message = watchdog->messages.first();
        const TankInput* input = tankInputByName(name.toStdString());
        QVERIFY2(message.startsWith("Invalid Data Entered") && message.contains(QString::fromUtf8(input->caption.data())) &&
                     message.contains(kept + (input->unit.empty() ? "" : " ") + QString::fromUtf8(input->unit.data()) + " kept"),
                 qPrintable(message));
    }

    void aTakenInputMovesTheFigures()
    {
        openAndSolve();
        const QString tap = dlg->figureText("tap_turns_asis");
        type("lead_in", "120"); // longer leads leave fewer turns to tap
        QCOMPARE(calc().design.tank.leadLengthInches, 120.0);
        QVERIFY(dlg->figureText("tap_turns_asis") != tap);

        // The offered ratios are taken from the list; the field shows the number.
        auto* ratio = dlg->findChild<QComboBox*>();
        ratio->setCurrentIndex(1);
        emit ratio->activated(1);
        QCOMPARE(calc().design.tank.tankToResonantRatio, 1.6);
        QCOMPARE(edit("ltr")->text(), QString("1.60"));

        // Have one, then back to the bank: the capacitor typed is kept for a return.
        QTest::mouseClick(dlg->findChild<QRadioButton*>("OwnCapacitor"), Qt::LeftButton);
        type("cap_uf", "0.03");
        QCOMPARE(calc().design.tank.capacitorUf, 0.03);
        QTest::mouseClick(dlg->findChild<QRadioButton*>("BuildBank"), Qt::LeftButton);
        QCOMPARE(calc().design.tank.capacitorUf, 0.0);
        QTest::mouseClick(dlg->findChild<QRadioButton*>("OwnCapacitor"), Qt::LeftButton);
        QCOMPARE(calc().design.tank.capacitorUf, 0.03);
        QVERIFY(watchdog->messages.isEmpty());
    }

    // A tank input belongs to the design: once changed, closing asks about saving it.
    void aTypedInputIsUnsavedWork()
    {
        RecordingQuestion question;
        page->setUnsavedWorkQuestion(question);
        openAndSolve();
        type("lead_in", "48");
        QVERIFY(!page->close());
        QCOMPARE(question.asked, QStringList{"the design"});
    }

    // A capacitor far too big for any turn: the tap shows why, never a number that is not one.
    void aFigureWithoutAValueShowsItsReason()
    {
        calc().design.tank.capacitorUf = 50;
        openAndSolve();
        QVERIFY2(dlg->findChild<QLabel*>("TapSummary")->text().startsWith("No tap tunes"),
                 qPrintable(dlg->findChild<QLabel*>("TapSummary")->text()));
        const QRegularExpression notANumber("\\b(nan|inf)\\b", QRegularExpression::CaseInsensitiveOption);
        for (const QLabel* label : dlg->findChildren<QLabel*>())
            QVERIFY2(!label->text().contains(notANumber), qPrintable(label->objectName() + ": " + label->text()));
    }

    // Nothing is cut: every widget lies inside its parent (the sections scroll as a whole), and
    // every caption and figure has the room its text needs; a window too narrow for two columns
    // (beside the sheets on a small screen) reads them as one, which scrolls down only.
    void nothingIsClipped_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("twoColumns");
        QTest::newRow("wide") << 1600 << true;
        QTest::newRow("too narrow for two") << 700 << false;
    }
    void nothingIsClipped()
    {
        QFETCH(int, width);
        QFETCH(bool, twoColumns);
        openAndSolve();
        dlg->resize(width, dlg->height());
        QApplication::processEvents();
        const QWidget* capacitor = dlg->findChild<QWidget*>("CapacitorSection");
        QCOMPARE(dlg->findChild<QWidget*>("StressesSection")->x() > capacitor->x(), twoColumns);
        QVERIFY(!dlg->findChild<QScrollArea*>("TankScroll")->horizontalScrollBar()->isVisible());
        QStringList faults;
        for (QWidget* w : dlg->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(dlg.get()) || w->parentWidget()->inherits("QAbstractScrollArea")) continue;
            if (w->parentWidget()->parentWidget() && w->parentWidget()->parentWidget()->inherits("QAbstractScrollArea")) continue;
            const auto* label = qobject_cast<QLabel*>(w);
            const QString where = w->objectName() + " " + w->metaObject()->className() + (label ? " \"" + label->text() + "\"" : QString());
            if (!w->parentWidget()->rect().contains(w->geometry())) faults << where + " is outside its parent";
            const bool oneLine = (label && !label->wordWrap()) || qobject_cast<QAbstractButton*>(w);
            if (oneLine && w->sizeHint().width() > w->width())
                faults << where + QString(" needs %1 px, has %2").arg(w->sizeHint().width()).arg(w->width());
            if (label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
                faults << where + QString(" needs %1 px high, has %2").arg(label->heightForWidth(label->width())).arg(label->height());
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }
};

QTEST_MAIN(TankCircuitTest)
#include "tank_circuit_test.moc"
