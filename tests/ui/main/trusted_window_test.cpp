// What a coil builder relies on in the main window: every figure whole, every sheet in reach,
// an edit never lost to a command or to closing, and messages that say what and where.

#include "core/reference_list.h"
#include "field_edit.h"
#include "io/scratch_file.h"
#include "main_page.h"
#include "qt_file_chooser.h"
#include "sheet_widgets.h"
#include "tab_rows.h"
#include "unsaved_work.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <deque>
#include <memory>

using namespace qv;

namespace {

// Answers the closing question from a queue and keeps what it was asked about.
class AnsweringQuestion : public UnsavedWorkQuestion {
public:
    std::deque<UnsavedAnswer> answers;
    QStringList asked;
    UnsavedAnswer askBeforeClosing(const std::string& what) override
    {
        asked << QString::fromStdString(what);
        if (answers.empty()) return UnsavedAnswer::Cancel;
        const UnsavedAnswer next = answers.front();
        answers.pop_front();
        return next;
    }
};

// The pixels a line edit has for its text, measured as the style lays it out.
int textRoom(const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    constexpr int kLineEditMargin = 2; // QLineEdit keeps this free at each side of its text
    return contents.width() - edit->textMargins().left() - edit->textMargins().right() - 2 * kLineEditMargin;
}

struct ExtremeDesign {
    double secondaryDiameterInches;
    double secondaryLengthInches;
    std::int32_t gauge;
    double outputVolts;
    double ratedAmps;
    double primaryTurns;
    // A coil someone builds; the others only have to show whole, widening where they must.
    bool practical = true;
};

} // namespace

Q_DECLARE_METATYPE(ExtremeDesign)

class TrustedWindowTest : public QObject, protected MainWindowHarness {
    Q_OBJECT

private:
    AnsweringQuestion question;
    void click(QWidget* w, QPoint at = {}) { QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? QPoint(8, w->height() / 2) : at); }
    void begin()
    {
        click(widget("BeginButton"));
        page->Main_Loop1();
    }
    void showSheet(Sheet sheet) { widget<QTabWidget>("MainPages")->setCurrentIndex(static_cast<int>(sheet)); }
    QByteArray fileLine(const char* name, std::size_t index)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QList<QByteArray> lines = file.readAll().split('\n');
        return index < static_cast<std::size_t>(lines.size()) ? lines[static_cast<qsizetype>(index)].trimmed() : QByteArray();
    }
    // Every field whose text needs more room than its field has, with the text.
    QStringList cutFields()
    {
        QStringList cut;
        for (auto* edit : page->findChildren<FieldEdit*>()) {
            const int needed = edit->fontMetrics().horizontalAdvance(edit->text());
            if (needed > textRoom(edit))
                cut << QString("%1 \"%2\" needs %3 px, has %4").arg(edit->objectName(), edit->text()).arg(needed).arg(textRoom(edit));
        }
        return cut;
    }

private slots:
    void init()
    {
        QVERIFY(makePage());
        question = AnsweringQuestion{};
        page->setUnsavedWorkQuestion(question);
        QVERIFY(showActive());
    }

    void cleanup()
    {
        const QStringList unexpected = closePage();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(", ")));
    }

    // Small and large coils give frequencies, lengths and LC products in the thousands; each
    // shows every digit in the field's own width.
    void fieldsShowEveryDigit_data()
    {
        QTest::addColumn<ExtremeDesign>("design");
        QTest::newRow("1.5 x 6 in secondary") << ExtremeDesign{1.5, 6, 22, 4000, 1, 5.4};
        QTest::newRow("1 x 1 in secondary") << ExtremeDesign{1, 1, 22, 4000, 1, 5.4};
        QTest::newRow("36 x 72 in, gauge 40") << ExtremeDesign{36, 72, 40, 15000, 0.12, 100, false};
        QTest::newRow("pole transformer") << ExtremeDesign{12, 48, 22, 14400, 1.5, 12};
        QTest::newRow("2 x 10 in, gauge 40, few turns") << ExtremeDesign{2, 10, 40, 15000, 0.03, 1};
        QTest::newRow("24 x 60 in, gauge 1") << ExtremeDesign{24, 60, 1, 100, 0.005, 20};
    }
    void fieldsShowEveryDigit()
    {
        QFETCH(ExtremeDesign, design);
        begin();
        Calculator& calc = page->calculator();
        calc.design.secondaryDiameterInches = design.secondaryDiameterInches;
        calc.design.secondaryLengthInches = design.secondaryLengthInches;
        calc.design.secondaryGauge = design.gauge;
        calc.design.turnsPerInch = turnsPerInchForGauge(design.gauge);
        calc.design.outputVolts = design.outputVolts;
        calc.design.ratedAmps = design.ratedAmps;
        calc.design.primaryTurns = design.primaryTurns;
        for (const FieldId id : kDesignInputFields) showVariable(calc, id);
        // Millimetres give the longest texts of a length: 72 in is 1828.80 mm.
        for (const LengthUnit unit : {LengthUnit::Inches, LengthUnit::Millimetres}) {
            page->setLengthUnit(unit);
            for (int pass = 0; pass < 3; ++pass) page->Main_Loop1();
            QVERIFY2(cutFields().isEmpty(), qPrintable(cutFields().join("\n")));
            // Practical values fit the width the sheet gives the field; none had to widen.
            if (!design.practical) continue;
            for (auto* edit : page->findChildren<FieldEdit*>())
                QVERIFY2(edit->width() == kFieldWidth, qPrintable(edit->objectName() + " \"" + edit->text() + "\" widened"));
        }
    }

    // A value no practical coil gives still shows whole: the field widens rather than cut it.
    void anImpracticalValueWidensItsField()
    {
        begin();
        auto* edit = widget<FieldEdit>("PREdit9");
        edit->setText("123456789012.3456");
        QVERIFY(edit->width() > kFieldWidth);
        QVERIFY2(cutFields().isEmpty(), qPrintable(cutFields().join("\n")));
        edit->setText("1.0000");
        QCOMPARE(edit->width(), kFieldWidth);
    }

    // Save from the tool bar while a field is still open writes what the window shows.
    void toolBarCommandsTakeTheOpenEdit()
    {
        begin();
        auto* edit = widget<QLineEdit>("PREdit1");
        click(edit);
        QCOMPARE(colour("PREdit1"), QColor(0, 255, 255));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, "13");
        chooser.answers = {path("open.qvd")};
        click(widget("SaveFileButton"));
        QCOMPARE(fileLine("open.qvd", valueLine(5)), QByteArray("13.0000"));
        QCOMPARE(colour("PREdit1"), QColor(255, 255, 255));
        QVERIFY(timerOn());

        // A rejected text is restored and reported before the command runs.
        click(edit);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, "abc");
        chooser.answers = {path("rejected.qvd")};
        click(widget("SaveFileButton"));
        QCOMPARE(watchdog->messages, QStringList{"Invalid Data Entered"});
        QCOMPARE(fileLine("rejected.qvd", valueLine(5)), QByteArray("13.0000"));
        QCOMPARE(edit->text(), QString("13.0"));
    }

    void closingAsksOnlyAboutUnsavedWork()
    {
        begin();
        QVERIFY(page->close());
        QVERIFY(question.asked.isEmpty());

        page->show();
        showSheet(Sheet::TransCapSheet);
        auto* spin = widget("TCSpinButton1");
        click(spin, QPoint(spin->width() / 2, 2));
        question.answers = {UnsavedAnswer::Cancel};
        QVERIFY(!page->close());
        QCOMPARE(question.asked, QStringList{"the design"});

        QTest::keyClicks(widget("ScratchPad"), "notes");
        question.answers = {UnsavedAnswer::Discard};
        QVERIFY(page->close());
        QCOMPARE(question.asked.last(), QString("the design and the scratch pad"));
    }

    // Whatever the design file holds is the design: the floor height set in Coil Analysis too.
    void surroundingsAreUnsavedWork()
    {
        begin();
        page->calculator().design.surroundings.baseHeightInches = 30;
        question.answers = {UnsavedAnswer::Cancel};
        QVERIFY(!page->close());
        QCOMPARE(question.asked, QStringList{"the design"});
    }

    // The start picture and BEGIN again keep the user's notes, still unsaved.
    void notesOutliveTheStartPicture()
    {
        begin();
        QTest::keyClicks(widget("ScratchPad"), "notes");
        click(widget("SplashButton"));
        click(widget("BeginButton"));
        QCOMPARE(page->calculator().scratchPad, std::string("notes"));
        question.answers = {UnsavedAnswer::Cancel};
        QVERIFY(!page->close());
        QCOMPARE(question.asked, QStringList{"the scratch pad"});
    }

    // "Copy To ScratchPad" over the user's notes: one step that Ctrl+Z takes back.
    void replacedScratchPadComesBackWithUndo()
    {
        begin();
        auto* pad = widget<QPlainTextEdit>("ScratchPad");
        QTest::keyClicks(pad, "notes");
        replaceScratchPad(page->calculator(), "*netlist*\n"); // what the netlist window's copy does
        page->refreshView();
        QCOMPARE(pad->toPlainText(), QString("*netlist*\n"));
        QTest::keyClick(pad, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(page->calculator().scratchPad, std::string("notes"));
        question.answers = {UnsavedAnswer::Cancel};
        QVERIFY(!page->close());
        QCOMPARE(question.asked, QStringList{"the scratch pad"});
    }

    // Another existing file is replaced only after "Replace it?"; the design's own file is not asked about.
    void savingOverAnotherFileAsksFirst()
    {
        begin();
        QFile other(dir.filePath("other.qvd"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("kept\r\n");
        other.close();
        chooser.answers = {path("other.qvd"), std::nullopt}; // No goes back to the dialog
        click(widget("SaveFileButton"));
        QCOMPARE(chooser.replaceAsked, std::vector<std::string>{path("other.qvd")});
        QCOMPARE(fileLine("other.qvd", 0), QByteArray("kept"));

        chooser.answers = {path("other.qvd")};
        chooser.replaceAnswers = {true};
        click(widget("SaveFileButton"));
        QCOMPARE(fileLine("other.qvd", 0), QByteArray(path("other.qvd").c_str()));
        chooser.answers = {path("other.qvd")};
        click(widget("SaveFileButton"));
        QCOMPARE(chooser.replaceAsked.size(), std::size_t{2});
    }

    void savingOnCloseNeedsEveryFileWritten()
    {
        begin();
        QTest::keyClicks(widget("ScratchPad"), "notes");
        showSheet(Sheet::PrimarySheet);
        auto* spin = widget("PRSpinButton1");
        click(spin, QPoint(spin->width() / 2, 2));

        // The design's dialog is cancelled: nothing is lost, the window stays.
        question.answers = {UnsavedAnswer::Save};
        chooser.answers = {std::nullopt};
        QVERIFY(!page->close());

        question.answers = {UnsavedAnswer::Save};
        chooser.answers = {path("coil.qvd"), path("notes.txt")};
        QVERIFY(page->close());
        QCOMPARE(fileLine("coil.qvd", valueLine(5)), QByteArray("11.1000"));
        QCOMPARE(fileLine("notes.txt", 0), QByteArray("notes"));

        // What was just saved is no longer unsaved; an opened design neither.
        page->show();
        question.asked.clear();
        QVERIFY(page->close());
        page->show();
        chooser.answers = {path("coil.qvd")};
        click(widget("OpenFileButton"));
        page->Main_Loop1();
        QVERIFY(page->close());
        QVERIFY(question.asked.isEmpty());
    }

    // Typed text in a field only its arrows change would show a value nothing uses.
    void steppedOnlyFieldsTakeNoTyping()
    {
        begin();
        showSheet(Sheet::SparkGapSheet);
        click(widget("RadioButton2"));
        page->Main_Loop1();
        for (const char* name : {"SGEdit2", "SGEdit3", "SGEdit4", "SGEdit5", "SGEdit7", "SEEdit3", "SEEdit4"})
            QVERIFY2(widget<QLineEdit>(name)->isReadOnly(), name);
        auto* rpm = widget<QLineEdit>("SGEdit7");
        click(rpm);
        QTest::keyClicks(rpm, "3600");
        QCOMPARE(rpm->text(), QString("1800"));
    }

    void everySheetCaptionIsWholeAndReachable()
    {
        begin();
        auto* pages = widget<QTabWidget>("MainPages");
        QStringList captions;
        for (std::size_t r = 0; r < 2; ++r) {
            TabRow* row = widget<TabRows>("SheetTabs")->row(r);
            QVERIFY(!row->usesScrollButtons());
            for (int t = 0; t < row->count(); ++t) {
                captions << row->tabText(t);
                const QRect tab = row->tabRect(t);
                QVERIFY2(row->rect().contains(tab), qPrintable(row->tabText(t) + " lies outside its row"));
                QVERIFY2(tab.width() >= row->fontMetrics().horizontalAdvance(row->tabText(t)),
                         qPrintable(row->tabText(t) + " is cut"));
                click(row, tab.center());
                QCOMPARE(pages->tabText(pages->currentIndex()), row->tabText(t));
            }
        }
        QCOMPARE(captions, (QStringList{"Primary Coil", "Secondary Coil", "Trans/Cap Match", "Topload C", "Reference",
                                        "Spark Gap", "Power Output"}));
        // The model's own sheet changes reach the rows too.
        pages->setCurrentIndex(1);
        QCOMPARE(widget<TabRows>("SheetTabs")->row(0)->currentIndex(), 1);
    }

    // The status bar covers neither BEGIN nor the scratch pad's scroll bar.
    void statusBarCoversNothing()
    {
        const int statusTop = page->statusBar()->geometry().top();
        const int toolBottom = widget("ToolBar")->geometry().bottom();
        for (const char* name : {"BeginButton", "ScratchPad", "LogoPanel"}) {
            QWidget* w = widget(name);
            const QRect onWindow(w->mapTo(page.get(), QPoint(0, 0)), w->size());
            QVERIFY2(onWindow.bottom() < statusTop, name);
            QVERIFY2(onWindow.top() > toolBottom, name);
        }
        begin();
        QWidget* pages = widget("MainPages");
        QVERIFY(QRect(pages->mapTo(page.get(), QPoint(0, 0)), pages->size()).bottom() < statusTop);
    }

    void editEndsOnAnyClickAndOpensFromTheKeyboard()
    {
        begin();
        auto* diameter = widget<QLineEdit>("PREdit1");
        click(diameter);
        QCOMPARE(colour("PREdit1"), QColor(0, 255, 255));
        // Empty sheet space, right of the left column's last rows.
        QWidget* sheet = widget("PrimarySheet");
        click(sheet, QPoint(sheet->width() - 20, 160));
        QCOMPARE(colour("PREdit1"), QColor(255, 255, 255));
        QVERIFY(timerOn());

        // A caption, and the empty area of the scratch-pad side, end it as well.
        click(diameter);
        click(widget<QLabel>("StatusPanel1"));
        QVERIFY(timerOn());

        diameter->setFocus();
        QTest::keyClick(diameter, Qt::Key_F2);
        QCOMPARE(colour("PREdit1"), QColor(0, 255, 255));
        QVERIFY(!diameter->isReadOnly());
        QTest::keyClick(diameter, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(diameter, "12");
        QTest::keyClick(diameter, Qt::Key_Return);
        QCOMPARE(colour("PREdit1"), QColor(255, 255, 255));
        page->Main_Loop1();
        QCOMPARE(page->calculator().design.primaryInsideDiameterInches, 12.0);

        // Enter opens a field too, the spacing (a double-click field) included.
        auto* spacing = widget<QLineEdit>("PREdit3");
        spacing->setFocus();
        QTest::keyClick(spacing, Qt::Key_Return);
        QCOMPARE(colour("PREdit3"), QColor(0, 255, 255));
        QVERIFY(!timerOn());
        QTest::keyClick(spacing, Qt::Key_Return);
        QCOMPARE(colour("PREdit3"), QColor(255, 255, 255));
        QVERIFY(timerOn());
    }

    // Typing after opening a field replaces its value: "0.200" double-clicked and typed over
    // with 0.3 is 0.3, not "0.0.3".
    void openingAFieldSelectsItsWholeText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("gesture");
        QTest::newRow("spacing, double click") << "PREdit3" << "double click";
        QTest::newRow("wire diameter, double click") << "PREdit2" << "double click";
        QTest::newRow("inside diameter, click") << "PREdit1" << "click";
        QTest::newRow("wire diameter, F2") << "PREdit2" << "F2";
        QTest::newRow("spacing, Enter") << "PREdit3" << "Enter";
    }
    void openingAFieldSelectsItsWholeText()
    {
        QFETCH(QString, field);
        QFETCH(QString, gesture);
        begin();
        auto* edit = widget<QLineEdit>(qPrintable(field));
        edit->setFocus();
        const QPoint onTheDigits(edit->width() - 12, edit->height() / 2);
        // A user's double click starts with a click; Qt Test's sends only its second press.
        if (gesture == "click" || gesture == "double click") click(edit, onTheDigits);
        if (gesture == "double click") QTest::mouseDClick(edit, Qt::LeftButton, {}, onTheDigits);
        if (gesture == "F2") QTest::keyClick(edit, Qt::Key_F2);
        if (gesture == "Enter") QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(colour(qPrintable(field)), QColor(0, 255, 255));
        QTest::keyClicks(edit, "0.3");
        QCOMPARE(edit->text(), QString("0.3"));
    }

    void messagesSayWhatAndWhere()
    {
        begin();
        auto* angle = widget<QLineEdit>("PREdit12");
        click(angle);
        QTest::keyClick(angle, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(angle, "91");
        QTest::keyClick(angle, Qt::Key_Return);
        page->Main_Loop1();
        QCOMPARE(watchdog->messages, QStringList{"Invalid Data Entered"});
        QCOMPARE(watchdog->details.last(),
                 QString("Primary Coil: Angle From Horizontal Plane takes a number from 0 to 90; it keeps 30."));

        // A design file with a bad value in record 5 (line 11) and one out of range in record 2.
        chooser.answers = {path("coil.qvd")};
        click(widget("SaveFileButton"));
        QFile file(dir.filePath("coil.qvd"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = file.readAll().split('\n');
        file.close();
        lines[static_cast<qsizetype>(valueLine(5))] = "eleven\r";
        lines[static_cast<qsizetype>(valueLine(2))] = "-5\r";
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join('\n'));
        file.close();
        chooser.answers = {path("coil.qvd")};
        click(widget("OpenFileButton"));
        QCOMPARE(watchdog->messages.size(), 3);
        QVERIFY2(watchdog->details[1].contains(QString("Record 2 (")) &&
                     watchdog->details[1].contains(QString("line %1 of %2").arg(valueLine(2) + 1).arg(dir.filePath("coil.qvd"))),
                 qPrintable(watchdog->details[1]));
        QCOMPARE(watchdog->messages[2], QString("File Data Invalid"));
        QVERIFY2(watchdog->details[2].contains(QString("Record 5 (")) &&
                     watchdog->details[2].contains(QString("line %1 of").arg(valueLine(5) + 1)),
                 qPrintable(watchdog->details[2]));
    }

    void everyToolBarButtonSaysWhatItDoes()
    {
        for (auto* button : widget<QToolBar>("ToolBar")->findChildren<QToolButton*>()) {
            if (button->objectName().isEmpty() || button->objectName().startsWith("qt_")) continue;
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
        }
    }

    // A message stands over the window the user works in, not over the main window.
    void aMessageStandsOverTheWindowItCameFrom()
    {
        begin();
        QWidget analysis;
        analysis.setObjectName("CoilAnalysis");
        analysis.show();
        QApplication::setActiveWindow(&analysis);
        QVERIFY(QTest::qWaitForWindowActive(&analysis));
        warn(page->calculator(), kInvalidDataMessage);
        QCOMPARE(watchdog->owners, QStringList{"CoilAnalysis"});
    }

    // The desktop's keys reach the tool bar's commands and name themselves in its hints.
    void standardKeysReachTheirCommands()
    {
        begin();
        int helps = 0;
        int prints = 0;
        ToolHooks hooks;
        hooks.help = [&] { ++helps; };
        hooks.print = [&](Calculator&) { ++prints; };
        page->setToolHooks(hooks);
        const QString openKey = QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText);
        QVERIFY(widget("OpenFileButton")->toolTip().contains(openKey));
        QTest::keySequence(page.get(), QKeySequence::Open);
        QTest::keySequence(page.get(), QKeySequence::Save);
        QCOMPARE(chooser.asked.size(), std::size_t{2});
        QCOMPARE(chooser.asked.back().title, std::string("Quorvane File Save"));
        QTest::keySequence(page.get(), QKeySequence::Print);
        QTest::keySequence(page.get(), QKeySequence::HelpContents);
        QCOMPARE(prints, 1);
        QCOMPARE(helps, 1);
        QTest::keySequence(page.get(), widget<QShortcut>("QuitShortcut")->key());
        QVERIFY(!page->isVisible());
    }

    // A caption's text ends clear of the field beside it, and a unit clear of the next caption and
    // of the sheet's edge, in inches and in the longer millimetre units.
    void captionsKeepClearOfTheirNeighbours()
    {
        begin();
        constexpr int kMinimumGap = 3;
        auto* pages = widget<QTabWidget>("MainPages");
        QStringList faults;
        for (const LengthUnit unit : {LengthUnit::Inches, LengthUnit::Millimetres}) {
            page->setLengthUnit(unit);
            for (int i = 0; i < pages->count(); ++i) {
                pages->setCurrentIndex(i);
                for (auto* label : pages->widget(i)->findChildren<QLabel*>()) {
                    if (!label->isVisible() || label->text().isEmpty() || label->wordWrap()) continue;
                    const int textEnd = label->x() + label->sizeHint().width();
                    if (textEnd > label->parentWidget()->width())
                        faults << label->text() + " runs past the edge of " + label->parentWidget()->objectName();
                    for (auto* other : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                        if (other == label || !other->isVisible() || other->x() <= label->x()) continue;
                        const bool sameRow = other->y() < label->geometry().bottom() && label->y() < other->geometry().bottom();
                        if (sameRow && textEnd + kMinimumGap > other->x())
                            faults << label->text() + " runs into " + other->objectName() + " " + other->metaObject()->className();
                    }
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    // In the real dialog: a name typed without extension under the netlist filter gets ".cir".
    void netlistFilterSavesACirFile()
    {
        watchdog.reset(); // this test answers the dialog itself
        QtFileChooser dialogs(page.get());
        const QString typed = dir.filePath("coil");
        QTimer::singleShot(200, this, [typed] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            const int netlist = types->findText("PSpice Circuit Netlist (*.cir)");
            types->setCurrentIndex(netlist);
            // What the list sends when the user picks an entry.
            emit types->activated(netlist);
            emit types->textActivated(types->itemText(netlist));
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            name->setText(typed);
            QTest::keyClick(name, Qt::Key_Return);
        });
        Calculator& calc = page->calculator();
        const auto chosen = dialogs.chooseFileToSave(scratchSaveDialog(calc));
        watchdog = std::make_unique<ModalWatchdog>();
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), typed + ".cir");
    }

    void saveDialogExtensionFollowsTheFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("netlist") << "PSpice Circuit Netlist (*.cir)" << "cir";
        QTest::newRow("scratch pad") << "Quorvane Scratch Pad (*.txt)" << "txt";
        QTest::newRow("every file keeps the default") << "All Files (*)" << "dflt";
    }
    void saveDialogExtensionFollowsTheFilter()
    {
        QFETCH(QString, filter);
        QFETCH(QString, suffix);
        QCOMPARE(filterSuffix(filter, "dflt"), suffix);
    }
};

QTEST_MAIN(TrustedWindowTest)
#include "trusted_window_test.moc"
