// The main window driven as a user drives it: mouse and keys on the real widgets, the passes
// run by hand so each test knows exactly how many have happened.

#include "field_edit.h"
#include "main_page.h"
#include "qt_file_chooser.h"
#include "ui/spin_control/spin_control.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QAbstractScrollArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace qv;

class MainPageTest : public QObject, protected MainWindowHarness {
    Q_OBJECT

private:
    QString text(const char* field) { return widget<QLineEdit>(field)->text(); }
    QString status(int panel) { return widget<QLabel>(panel == 0 ? "StatusPanel0" : "StatusPanel1")->text(); }
    // Clicks near the left end, where a radio button's indicator is.
    static QString describe(const QWidget* w)
    {
        const auto* label = qobject_cast<const QLabel*>(w);
        const QRect g = w->geometry();
        return w->objectName() + (label ? " \"" + label->text() + "\"" : QString(" ") + w->metaObject()->className()) +
               QString(" at %1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    }
    void click(const char* name)
    {
        QWidget* w = widget(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(qMin(8, w->width() / 2), w->height() / 2));
    }
    void begin()
    {
        click("BeginButton");
        QVERIFY(widget("MainPages")->isVisible());
    }
    // Opens a field for editing as the user does, replaces its text and presses Enter.
    void typeInto(const char* field, const QString& typed)
    {
        auto* edit = widget<QLineEdit>(field);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
    }

private slots:
    void init()
    {
        QVERIFY(makePage());
        QVERIFY(showActive());
    }

    void cleanup()
    {
        const QStringList unexpected = closePage();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(", ")));
    }

    void startsOnThePictureAndBeginRuns()
    {
        QCOMPARE(page->windowTitle(), QString("Quorvane - Tesla Coil Design "));
        QCOMPARE(page->width(), kClientWidth);
        QVERIFY(widget("LogoPanel")->isVisible());
        QVERIFY(!widget("MainPages")->isVisible());
        QVERIFY(!widget("ToolBar")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), widget("BeginButton"));
        QCOMPARE(status(0), QString("Untitled.qvd  "));
        QCOMPARE(widget<QPlainTextEdit>("ScratchPad")->document()->blockCount(), 17);
        QVERIFY(!timerOn());

        // Enter inside the scratch pad is a line break, not BEGIN.
        widget("ScratchPad")->setFocus();
        QTest::keyClick(widget("ScratchPad"), Qt::Key_Return);
        QVERIFY(widget("BeginButton")->isVisible());
        QCOMPARE(widget<QPlainTextEdit>("ScratchPad")->document()->blockCount(), 18);

        QTest::keyClick(widget("ScratchPad"), Qt::Key_Escape);
        QVERIFY(!widget("BeginButton")->isVisible());
        QVERIFY(!widget("LogoPanel")->isVisible());
        QVERIFY(widget("ToolBar")->isEnabled());
        QVERIFY(widget("BitBtn1")->isEnabled());
        QCOMPARE(widget<QTabWidget>("MainPages")->currentIndex(), 0);
        QCOMPARE(status(1), QString("Running"));
        QVERIFY(widget("StatusBar")->font().bold());
        QVERIFY(widget<QPlainTextEdit>("ScratchPad")->toPlainText().isEmpty());
        QVERIFY(timerOn());
        page->Main_Loop1();
        QCOMPARE(status(0), QString("untitled.qvd"));
        QCOMPARE(status(1), QString("Primary Coil"));
    }

    void splashKeepsTheDesign()
    {
        begin();
        widget<QTabWidget>("MainPages")->setCurrentIndex(2);
        QCOMPARE(page->calculator().form.activeSheet, Sheet::TransCapSheet);
        page->calculator().designFileName = "coil.qvd";
        page->calculator().design.primaryInsideDiameterInches = 9;
        QTest::keyClicks(widget("ScratchPad"), "notes");
        click("SplashButton");
        QVERIFY(widget("LogoPanel")->isVisible());
        QVERIFY(!widget("ToolBar")->isEnabled());
        QVERIFY(!timerOn());
        QCOMPARE(QApplication::focusWidget(), widget("BeginButton"));
        QTest::keyClick(widget("BeginButton"), Qt::Key_Return);
        QCOMPARE(widget<QTabWidget>("MainPages")->currentIndex(), 0);
        QCOMPARE(widget<QPlainTextEdit>("ScratchPad")->toPlainText(), QString("notes"));
        page->Main_Loop1();
        QCOMPARE(status(0), QString("coil.qvd"));
        QCOMPARE(page->calculator().design.primaryInsideDiameterInches, 9.0);
    }

    void rejectedEntryIsRestoredAndReportedOnce()
    {
        begin();
        auto* edit = widget<QLineEdit>("PREdit1");
        QTest::mouseClick(edit, Qt::LeftButton);
        QCOMPARE(colour("PREdit1"), QColor(0, 255, 255));
        QVERIFY(!edit->isReadOnly());
        QVERIFY(!timerOn());
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, "abc");
        QVERIFY(page->calculator().form.field(FieldId::PREdit1).modified);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), widget("ToolBar"));
        QVERIFY(timerOn());
        QVERIFY(edit->isReadOnly());
        QCOMPARE(colour("PREdit1"), QColor(255, 255, 255));

        page->Main_Loop1();
        QCOMPARE(text("PREdit1"), QString("11.0"));
        QCOMPARE(watchdog->messages, QStringList{"Invalid Data Entered"});
        page->Main_Loop1();
        QCOMPARE(watchdog->messages.size(), 1);
    }

    void typedValuesReachTheResults()
    {
        begin();
        page->Main_Loop1();
        const QString inductance = text("PREdit5");
        const QString topLoad = text("TOCEdit3");

        typeInto("PREdit1", "12");
        page->Main_Loop1(); // the primary stage computes first, then takes the 12
        QCOMPARE(text("PREdit5"), inductance);
        QCOMPARE(widget<QListWidget>("Parameters")->item(10)->text(), QString("12.0000"));
        page->Main_Loop1();
        QVERIFY(text("PREdit5") != inductance);

        // The top-load stage takes its inputs before it computes.
        typeInto("TOCEdit1", "4");
        page->Main_Loop1();
        QVERIFY(text("TOCEdit3") != topLoad);
        QCOMPARE(text("TOCEdit1"), QString("4.00"));
        QVERIFY(watchdog->messages.isEmpty());
    }

    void breakRateIsWritableWithoutEditMode()
    {
        begin();
        widget<QTabWidget>("MainPages")->setCurrentIndex(5);
        auto* edit = widget<QLineEdit>("SGEdit1");
        QTest::mouseClick(edit, Qt::LeftButton);
        QVERIFY(timerOn());
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, "0");
        QCOMPARE(page->calculator().form.field(FieldId::SGEdit1).text, std::string("0"));
        page->Main_Loop1();
        QCOMPARE(watchdog->messages, QStringList{"Invalid Data Entered"});
    }

    void angleIsEditableOnlyForTheCone()
    {
        begin();
        page->Main_Loop1();
        QVERIFY(widget<QAbstractButton>("ConicalPrimary")->isChecked());
        QVERIFY(widget("PREdit12")->isEnabled());

        click("FlatPrimary");
        QVERIFY(!widget<QAbstractButton>("ConicalPrimary")->isChecked());
        page->Main_Loop1();
        QVERIFY(!widget("PREdit12")->isEnabled());
        QCOMPARE(text("PREdit12"), QString(" 0"));
        QTest::mouseClick(widget("PREdit12"), Qt::LeftButton);
        QVERIFY(timerOn());
        QCOMPARE(colour("PREdit12"), QColor(255, 255, 255));

        click("ConicalPrimary");
        page->Main_Loop1();
        QVERIFY(widget("PREdit12")->isEnabled());
        QTest::mouseClick(widget("PREdit12"), Qt::LeftButton);
        QCOMPARE(colour("PREdit12"), QColor(0, 255, 255));
        QVERIFY(!timerOn());
    }

    void spacingOpensOnDoubleClickOnly()
    {
        begin();
        QTest::mouseClick(widget("PREdit3"), Qt::LeftButton);
        QVERIFY(timerOn());
        QTest::mouseDClick(widget("PREdit3"), Qt::LeftButton);
        QVERIFY(!timerOn());
        QCOMPARE(colour("PREdit3"), QColor(0, 255, 255));
    }

    void spinRepeatsWhileHeldOnTheArrow()
    {
        begin();
        widget<QTabWidget>("MainPages")->setCurrentIndex(2);
        auto* spin = widget<SpinControl>("TCSpinButton1");
        const double& volts = page->calculator().design.outputVolts;
        const QPoint up(spin->width() / 2, 2);
        const QPoint down(spin->width() / 2, spin->height() - 3);

        QTest::mousePress(spin, Qt::LeftButton, {}, up);
        QCOMPARE(volts, 4100.0);
        QCOMPARE(text("TCEdit1"), QString("   4100"));
        QTest::qWait(SpinControl::kFirstRepeatMs - 150);
        QCOMPARE(volts, 4100.0); // no repeat before 400 ms
        QTRY_VERIFY_WITH_TIMEOUT(volts >= 4300.0, 2000);
        QTest::mouseMove(spin, down); // off the held arrow: the repeat pauses
        const double paused = volts;
        QTest::qWait(4 * SpinControl::kRepeatMs);
        QCOMPARE(volts, paused);
        QTest::mouseRelease(spin, Qt::LeftButton, {}, down);
        QTest::qWait(2 * SpinControl::kRepeatMs);
        QCOMPARE(volts, paused);

        // The secondary's buttons move the focus to their field.
        widget<QTabWidget>("MainPages")->setCurrentIndex(1);
        auto* diameter = widget<SpinControl>("SESpinButton1");
        QTest::mouseClick(diameter, Qt::LeftButton, {}, QPoint(diameter->width() / 2, diameter->height() - 3));
        QCOMPARE(QApplication::focusWidget(), widget("SEEdit1"));
        QCOMPARE(text("SEEdit1"), QString("6.88"));
    }

    void designFilesThroughAnsweredDialogs()
    {
        begin();
        page->Main_Loop1();
        chooser.answers = {path("coil.qvd")};
        click("SaveFileButton");
        QCOMPARE(chooser.asked.back().title, std::string("Quorvane File Save"));
        QVERIFY(QFile::exists(dir.filePath("coil.qvd")));
        QVERIFY(timerOn());

        page->calculator().design.primaryTurns = 3;
        chooser.answers = {path("coil.qvd")};
        click("OpenFileButton");
        QCOMPARE(chooser.asked.back().title, std::string("Quorvane File Open"));
        QVERIFY(page->calculator().design.primaryTurns != 3);
        QCOMPARE(text("PREdit4").trimmed(), QString::number(page->calculator().design.primaryTurns, 'f', 1));
        QVERIFY(timerOn());
        page->Main_Loop1();
        QCOMPARE(status(0), dir.filePath("coil.qvd"));

        // A cancelled dialog changes nothing and restarts the timer.
        chooser.answers = {std::nullopt};
        click("OpenFileButton");
        QVERIFY(timerOn());
        QVERIFY(watchdog->messages.isEmpty());
    }

    // A folder named with an umlaut: the model holds the name as Latin-1 text, the file lands
    // in the folder the file system knows by its UTF-8 name, and the window shows it as chosen.
    void nonAsciiFileNameShowsAsChosen()
    {
        const QString folder = dir.filePath(QStringLiteral("Entwürfe"));
        QVERIFY(QDir().mkpath(folder));
        const QString chosen = folder + QStringLiteral("/coil.qvd");
        begin();
        chooser.answers = {fromQt(chosen)};
        click("SaveFileButton");
        QVERIFY2(watchdog->messages.isEmpty(), qPrintable(watchdog->messages.join(", ")));
        QVERIFY(QFile::exists(chosen));
        page->Main_Loop1();
        QCOMPARE(status(0), chosen);
        QCOMPARE(widget<QListWidget>("Parameters")->item(0)->text(), chosen);

        chooser.answers = {fromQt(chosen)};
        click("OpenFileButton");
        QVERIFY2(watchdog->messages.isEmpty(), qPrintable(watchdog->messages.join(", ")));
        QCOMPARE(widget<QListWidget>("Parameters")->item(0)->text(), chosen);
    }

    void fileErrorsAreReportedAndTheTimerRestarts()
    {
        begin();
        chooser.answers = {path("missing.qvd")};
        click("OpenFileButton");
        QCOMPARE(watchdog->messages.size(), 1);
        QVERIFY(timerOn());

        chooser.answers = {path("no/such/dir/coil.qvd")};
        click("SaveFileButton");
        QCOMPARE(watchdog->messages.size(), 2);
        QVERIFY(timerOn());

        chooser.answers = {path("no/such/dir/pad.txt")};
        click("SaveScratchSaveButton");
        QCOMPARE(watchdog->messages.size(), 3);
        QVERIFY(timerOn());
    }

    void scratchPadSavesAndLoads()
    {
        begin();
        QTest::keyClicks(widget("ScratchPad"), "L1");
        QTest::keyClick(widget("ScratchPad"), Qt::Key_Return);
        QTest::keyClicks(widget("ScratchPad"), "L2");
        chooser.answers = {path("pad.txt")};
        click("SaveScratchSaveButton");
        QFile saved(dir.filePath("pad.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("L1\r\nL2"));

        QFile lf(dir.filePath("lf.txt"));
        QVERIFY(lf.open(QIODevice::WriteOnly));
        lf.write("a\nb\xb0\n");
        lf.close();
        chooser.answers = {path("lf.txt")};
        click("ScratchOpenButton");
        QCOMPARE(chooser.asked.back().title, std::string("Quorvane Scratch Pad File Open"));
        QCOMPARE(widget<QPlainTextEdit>("ScratchPad")->document()->blockCount(), 3);
        // An 8-bit byte comes back into the model as it was.
        QCOMPARE(page->calculator().scratchPad, std::string("a\nb\xb0\n"));
        QVERIFY(timerOn());
    }

    void toolWindowsOpenWithTheTimerPaused()
    {
        begin();
        bool timerWhileShown = true;
        QString statusWhileShown;
        int netlists = 0;
        ToolHooks hooks;
        hooks.about = [&] {
            timerWhileShown = timerOn();
            statusWhileShown = status(1);
        };
        hooks.netlist = [&] { ++netlists; };
        page->setToolHooks(hooks);
        click("AboutButton");
        QVERIFY(!timerWhileShown);
        QCOMPARE(statusWhileShown, QString("About Quorvane"));
        QVERIFY(timerOn());
        click("SpeedButton1");
        QCOMPARE(netlists, 1);
    }

    void everyModelElementHasItsWidgetInsideItsParent()
    {
        begin();
        const auto check = [this](std::string_view name) {
            const QString objectName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
            QWidget* w = page->findChild<QWidget*>(objectName);
            QVERIFY2(w, qPrintable(objectName));
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(objectName + " is clipped"));
        };
        for (std::size_t i = 0; i < kFieldCount; ++i) check(name(static_cast<FieldId>(i)));
        for (std::size_t i = 0; i < kOptionCount; ++i) check(name(static_cast<OptionId>(i)));
        for (std::size_t i = 0; i < kControlCount; ++i) check(name(static_cast<ControlId>(i)));
    }

    // Nothing on a sheet is cut off: every control lies inside its parent, and every caption
    // has the room its text needs.
    void sheetsShowEveryCaptionWhole()
    {
        begin();
        auto* pages = widget<QTabWidget>("MainPages");
        QStringList faults;
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            page->Main_Loop1();
            QWidget* sheet = pages->widget(i);
            for (QWidget* w : sheet->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(sheet) || qobject_cast<QAbstractScrollArea*>(w->parentWidget())) continue;
                if (w->parentWidget()->inherits("QAbstractScrollArea")) continue;
                const auto* text = qobject_cast<QLabel*>(w);
                const QString where = sheet->objectName() + "/" + w->objectName() + " " + w->metaObject()->className() +
                                      (text ? " \"" + text->text() + "\"" : QString());
                if (!w->parentWidget()->rect().contains(w->geometry())) faults << where + " is clipped";
                const auto* label = qobject_cast<QLabel*>(w);
                const bool isText = (label && label->pixmap().isNull() && !label->wordWrap()) ||
                                    qobject_cast<QAbstractButton*>(w);
                if (isText && w->sizeHint().width() > w->width())
                    faults << where + QString(" needs %1 px, has %2").arg(w->sizeHint().width()).arg(w->width());
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    // No control covers another; only the Power Output photograph lies under its caption.
    void sheetControlsDoNotOverlap()
    {
        begin();
        auto* pages = widget<QTabWidget>("MainPages");
        QStringList faults;
        for (int i = 0; i < pages->count(); ++i) {
            QWidget* sheet = pages->widget(i);
            QList<QWidget*> parents = sheet->findChildren<QWidget*>();
            parents << sheet;
            for (QWidget* parent : parents) {
                if (parent->inherits("QAbstractScrollArea") || parent->inherits("QAbstractSpinBox")) continue;
                QList<QWidget*> shown;
                for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    if (w->isVisibleTo(sheet) && w->objectName() != "PowerOutputPhoto" && !w->isWindow()) shown << w;
                for (qsizetype a = 0; a < shown.size(); ++a)
                    for (qsizetype b = a + 1; b < shown.size(); ++b)
                        if (shown[a]->geometry().intersects(shown[b]->geometry()))
                            faults << sheet->objectName() + ": " + describe(shown[a]) + " overlaps " + describe(shown[b]);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    void dialogFiltersInQtNotation_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("design") << "Quorvane Files (*.qvd)|*.qvd" << QStringList{"Quorvane Files (*.qvd)"};
        QTest::newRow("all files match every name")
            << "Quorvane Scratch Pad (*.txt)|*.txt|All Files (*.*)|*.*"
            << QStringList{"Quorvane Scratch Pad (*.txt)", "All Files (*)"};
        QTest::newRow("description without pattern") << "Netlist|*.cir" << QStringList{"Netlist (*.cir)"};
        QTest::newRow("dangling description ignored") << "Netlist (*.cir)|*.cir|Other" << QStringList{"Netlist (*.cir)"};
    }
    void dialogFiltersInQtNotation()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(qtNameFilters(filter.toStdString()), expected);
    }
};

QTEST_MAIN(MainPageTest)
#include "main_page_test.moc"
