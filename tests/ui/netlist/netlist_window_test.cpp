#include "calc/stages.h"
#include "core/calculator.h"
#include "core/file_chooser.h"
#include "io/scratch_file.h"
#include "netlist/netlist_inputs.h"
#include "ui/netlist/netlist_window.h"
#include "sim/ngspice_simulator.h"
#include "ui/aux/simulation_results_window.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

namespace qv {
namespace {

struct RecordingHost final : Host {
    std::vector<std::string> messages;
    std::vector<bool> timerStates;
    void warning(std::string_view text) override { messages.emplace_back(text); }
    void timerChanged(bool running) override { timerStates.push_back(running); }
};

// Answers the open dialog with a fixed path, or cancels, and keeps what it was asked.
struct AnsweringChooser final : FileChooser {
    std::optional<std::string> answer;
    std::optional<FileDialogSpec> asked;
    bool timerRunningWhenAsked = true;
    const Calculator* calc = nullptr;
    std::optional<std::string> chooseFileToOpen(const FileDialogSpec& dialog) override
    {
        asked = dialog;
        timerRunningWhenAsked = calc->timerRunning;
        return answer;
    }
    std::optional<std::string> chooseFileToSave(const FileDialogSpec&) override { return std::nullopt; }
};

constexpr int kSimulationTimeoutMs = 60000;

QString joined(const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    return text.join(QLatin1Char('\n'));
}

} // namespace

class NetlistWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        host_ = std::make_unique<RecordingHost>();
        calc_ = std::make_unique<Calculator>(*host_);
        // The calculator as the user meets it: BEGIN, then passes until every stage has seen
        // the results of the one before (the primary tunes to the secondary of the same pass).
        BeginButtonClick(*calc_);
        Main_Loop1(*calc_);
        Main_Loop1(*calc_);
        chooser_.calc = calc_.get();
        chooser_.answer.reset();
        chooser_.asked.reset();
        padChanges_ = 0;
        dialog_ = std::make_unique<TPSpiceDlg>(*calc_, chooser_, [this] { ++padChanges_; });
        host_->timerStates.clear();
    }

    void cleanup()
    {
        dialog_.reset();
        calc_.reset();
        host_.reset();
    }

    void firstShowingShowsTheStartLinesAndTheFirstDiagram()
    {
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("PSpice Output"));
        QVERIFY(!dialog_->isModal());
        QVERIFY(button("OKBtn")->isDefault());
        QCOMPARE(button("Button1")->toolTip(), QStringLiteral("Clear ScratchPad and Copy PSpice Model"));
        dialog_->show();
        QCOMPARE(memo()->toPlainText(), QStringLiteral("*PSpice Output From Quorvane*\n*Select Model*"));
        QCOMPARE(visibleDiagrams(), QStringList{QStringLiteral("Image1")});
        for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3"})
            QVERIFY(!radio(name)->isChecked());
        QVERIFY(!diagram("Image1")->pixmap().isNull());

        // With no model chosen a showing leaves whatever the user wrote.
        memo()->setPlainText(QStringLiteral("my own notes"));
        QTest::mouseClick(button("OKBtn"), Qt::LeftButton);
        QVERIFY(dialog_->isHidden());
        dialog_->show();
        QCOMPARE(memo()->toPlainText(), QStringLiteral("my own notes"));
    }

    void eachModelButtonShowsItsDiagramAndNetlist_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QString>("imageName");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("modelLine");
        QTest::newRow("standard RLC") << "RadioButton1" << "Image1" << 44 << "*Simple Model*";
        QTest::newRow("distributed ladder") << "RadioButton2" << "Image2" << 82 << "*Distributed Ladder Model*";
        QTest::newRow("complex") << "RadioButton3" << "Image3" << 99 << "*Complex Model*";
    }

    void eachModelButtonShowsItsDiagramAndNetlist()
    {
        QFETCH(QString, buttonName);
        QFETCH(QString, imageName);
        QFETCH(int, lineCount);
        QFETCH(QString, modelLine);
        dialog_->show();
        // Start from another model so the picture has to change.
        QTest::mouseClick(radio(buttonName == QStringLiteral("RadioButton3") ? "RadioButton1" : "RadioButton3"),
                          Qt::LeftButton);
        QTest::mouseClick(radio(buttonName), Qt::LeftButton);
        QCOMPARE(visibleDiagrams(), QStringList{imageName});
        QVERIFY(!diagram(imageName)->pixmap().isNull());
        QCOMPARE(memo()->blockCount(), lineCount);
        QCOMPARE(memo()->document()->firstBlock().text(), QStringLiteral("*PSpice Output From Quorvane*"));
        QCOMPARE(memo()->document()->findBlockByNumber(1).text(), modelLine);
        QCOMPARE(memo()->document()->lastBlock().text(), QStringLiteral(".END"));
        const int checkedCount = static_cast<int>(radio("RadioButton1")->isChecked()) +
                                 radio("RadioButton2")->isChecked() + radio("RadioButton3")->isChecked();
        QCOMPARE(checkedCount, 1);
        saveShot(QStringLiteral("netlist_%1.png").arg(imageName));
    }

    void showingAgainRegeneratesTheChosenModelFromTheLastPass()
    {
        dialog_->show();
        QTest::mouseClick(radio("RadioButton2"), Qt::LeftButton);
        const QString before = memo()->toPlainText();
        QTest::mouseClick(button("OKBtn"), Qt::LeftButton);

        // A shorter secondary: fewer turns (t = 37.4753 per inch), so less inductance and
        // resistance in every ladder section.
        calc_->design.secondaryLengthInches = 30;
        Main_Loop1(*calc_);
        Main_Loop1(*calc_);
        const QString turns = QString::number(calc_->secondary.turns, 'f', 4);
        QVERIFY2(!before.contains(turns), qPrintable(turns));

        dialog_->show();
        QCOMPARE(visibleDiagrams(), QStringList{QStringLiteral("Image2")});
        const QString after = memo()->toPlainText();
        QVERIFY(after != before);
        QCOMPARE(after, joined(netlistLines(NetlistModel::DistributedLadder, netlistInputs(*calc_))));

        // While the window stays open the netlist is a snapshot: the next change waits for a showing.
        calc_->design.secondaryLengthInches = 60;
        Main_Loop1(*calc_);
        QCOMPARE(memo()->toPlainText(), after);
    }

    void copyReplacesTheScratchPadLineForLine()
    {
        replaceScratchPad(*calc_, "old notes\nmore notes");
        const auto revision = calc_->scratchPadRevision;
        dialog_->show();
        // Before any model the start lines go.
        QTest::mouseClick(button("Button1"), Qt::LeftButton);
        QCOMPARE(calc_->scratchPad, std::string("*PSpice Output From Quorvane*\n*Select Model*\n"));
        QVERIFY(calc_->scratchPadRevision > revision);
        QCOMPARE(padChanges_, 1);

        QTest::mouseClick(radio("RadioButton1"), Qt::LeftButton);
        memo()->appendPlainText(QStringLiteral("* typed by the user"));
        QTest::mouseClick(button("Button1"), Qt::LeftButton);
        std::string expected;
        for (const std::string& line : netlistLines(NetlistModel::StandardRlc, netlistInputs(*calc_)))
            expected += line + '\n';
        expected += "* typed by the user\n";
        QCOMPARE(calc_->scratchPad, expected);
        QCOMPARE(padChanges_, 2);
        QVERIFY(host_->timerStates.empty());
        QVERIFY(calc_->timerRunning);
    }

    void memoTextBecomesPadLines_data()
    {
        QTest::addColumn<QString>("memoText");
        QTest::addColumn<QString>("padText");
        QTest::newRow("last line unterminated") << "a\nb" << "a\nb\n";
        QTest::newRow("last line terminated") << "a\nb\n" << "a\nb\n";
        QTest::newRow("empty lines kept") << "a\n\n\nb" << "a\n\n\nb\n";
        QTest::newRow("empty memo") << "" << "";
        QTest::newRow("one empty line") << "\n" << "\n";
    }

    void memoTextBecomesPadLines()
    {
        QFETCH(QString, memoText);
        QFETCH(QString, padText);
        QCOMPARE(QString::fromStdString(scratchPadLines(memoText)), padText);
    }

    void cancellingSimulateFileChangesNothingAndRestartsTheTimer()
    {
        dialog_->Button2Click();
        QVERIFY(chooser_.asked);
        QCOMPARE(chooser_.asked->title, std::string("Simulate File"));
        QCOMPARE(chooser_.asked->filter, std::string("PSpice Circuit Files (*.cir)|*.cir"));
        QCOMPARE(chooser_.asked->defaultExtension, std::string("cir"));
        QCOMPARE(chooser_.asked->initialName, std::string("scratch.txt"));
        QVERIFY(!chooser_.timerRunningWhenAsked);
        QCOMPARE(dialog_->simulationFileName(), std::string("scratch.txt"));
        QVERIFY(dialog_->simulator() == nullptr);
        QCOMPARE(host_->timerStates, (std::vector<bool>{false, true}));
        QVERIFY(host_->messages.empty());
    }

    void launchRunsTheSavedNetlist_data()
    {
        QTest::addColumn<int>("model");
        QTest::newRow("standard RLC") << 1;
        QTest::newRow("distributed ladder") << 2;
        QTest::newRow("complex") << 3;
    }

    void launchRunsTheSavedNetlist()
    {
        QFETCH(int, model);
        const std::string path = savedNetlist(static_cast<NetlistModel>(model));
        calc_->scratchFileName = path;
        chooser_.answer = path;
        dialog_->show();
        dialog_->Button2Click();
        QCOMPARE(chooser_.asked->initialName, path);
        QVERIFY(!chooser_.timerRunningWhenAsked);
        QCOMPARE(dialog_->simulationFileName(), path);
        QVERIFY(dialog_->simulator() != nullptr);
        // The run is in its own process: the calculator recalculates meanwhile.
        QVERIFY(calc_->timerRunning);
        QVERIFY(dialog_->simulator()->isRunning());
        QVERIFY(dialog_->resultsWindow().isVisible());
        QVERIFY(dialog_->resultsWindow().isWindow());
        QVERIFY(cancelButton()->isVisible());

        QSignalSpy finished(dialog_->simulator(), &NgspiceSimulator::finished);
        QVERIFY(finished.wait(kSimulationTimeoutMs));
        QVERIFY2(host_->messages.empty(), host_->messages.empty() ? "" : host_->messages.front().c_str());
        QVERIFY(dialog_->resultsWindow().peakText().contains(QStringLiteral("\u00a0kV")));
        QVERIFY(calc_->timerRunning);
        saveShot(QStringLiteral("results_model%1.png").arg(model), &dialog_->resultsWindow());
    }

    void failedLaunchIsReportedOnceAndTheTimerRuns_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ngspice not installed") << "no simulator" << "not installed";
        QTest::newRow("file gone") << "no file" << "cannot be opened";
        // ngspice's own words come with the plain ones.
        QTest::newRow("netlist ngspice rejects") << "bad value" << "could not simulate the netlist. ngspice said: \"Error";
    }

    void failedLaunchIsReportedOnceAndTheTimerRuns()
    {
        QFETCH(QString, fault);
        QFETCH(QString, expected);
        std::string path = savedNetlist(NetlistModel::StandardRlc);
        if (fault == QStringLiteral("no simulator"))
            dialog_->setSimulatorProgram(QStringLiteral("quorvane-no-such-simulator"));
        if (fault == QStringLiteral("no file"))
            path = dir_.filePath(QStringLiteral("absent.cir")).toStdString();
        if (fault == QStringLiteral("bad value")) {
            memo()->setPlainText(memo()->toPlainText().replace(QStringLiteral("0.1796uf"), QStringLiteral("banana")));
            dialog_->Button1Click();
            path = writePad("banana.cir");
        }
        chooser_.answer = path;
        dialog_->Button2Click();
        // ngspice rejects a netlist from its own process, after the launch has returned.
        if (host_->messages.empty())
            QVERIFY(QSignalSpy(dialog_->simulator(), &NgspiceSimulator::failed).wait(kSimulationTimeoutMs));
        QCOMPARE(host_->messages.size(), std::size_t{1});
        const QString message = QString::fromStdString(host_->messages[0]);
        QVERIFY2(message.contains(expected), qPrintable(message));
        QVERIFY(calc_->timerRunning);
        QCOMPARE(dialog_->simulationFileName(), path);

        // Cancelling the next launch keeps the simulator of this one.
        const NgspiceSimulator* last = dialog_->simulator();
        chooser_.answer.reset();
        dialog_->Button2Click();
        QCOMPARE(dialog_->simulator(), last);
        QVERIFY(calc_->timerRunning);
    }

    void cancelInTheResultsWindowStopsTheRunQuietly()
    {
        chooser_.answer = savedNetlist(NetlistModel::DistributedLadder);
        dialog_->Button2Click();
        QSignalSpy cancelled(dialog_->simulator(), &NgspiceSimulator::cancelled);
        QTest::mouseClick(cancelButton(), Qt::LeftButton);
        QVERIFY(cancelled.wait(kSimulationTimeoutMs));
        QVERIFY(host_->messages.empty());
        QVERIFY(!cancelButton()->isVisible());
        QVERIFY(calc_->timerRunning);
    }

    void launchDuringARunReplacesIt()
    {
        const std::string ladder = savedNetlist(NetlistModel::DistributedLadder);
        const std::string standard = savedNetlist(NetlistModel::StandardRlc);
        chooser_.answer = ladder;
        dialog_->Button2Click();
        QPointer<NgspiceSimulator> first = dialog_->simulator();
        QVERIFY(first->isRunning());
        chooser_.answer = standard;
        dialog_->Button2Click();
        QVERIFY(first.isNull());
        QSignalSpy finished(dialog_->simulator(), &NgspiceSimulator::finished);
        QVERIFY(finished.wait(kSimulationTimeoutMs));
        QVERIFY(host_->messages.empty());
        QVERIFY(dialog_->resultsWindow().peakText().contains(QStringLiteral("node N04")));
    }

    void asItStandsRunsTheFieldsFiguresAndLeavesTheNetlistAsItReads_data() { launchRunsTheSavedNetlist_data(); }

    void asItStandsRunsTheFieldsFiguresAndLeavesTheNetlistAsItReads()
    {
        QFETCH(int, model);
        QCOMPARE(asItStandsBox()->text(), QStringLiteral("Simulate the coil as it stands"));
        QVERIFY(!asItStandsBox()->isChecked());
        const std::string path = savedNetlist(static_cast<NetlistModel>(model));
        const QString shown = memo()->toPlainText();
        const QByteArray saved = fileBytes(path);
        chooser_.answer = path;
        const QString sheetsPeak = finishedRun();
        QVERIFY(!dialog_->resultsWindow().sourceText().contains(QStringLiteral("as it stands")));

        // The design's own field solution, with the toroid on the coil as the sheets place it.
        asItStandsBox()->setChecked(true);
        const QString fieldPeak = finishedRun();
        const QString source = dialog_->resultsWindow().sourceText();
        QVERIFY2(source.contains(QRegularExpression(QStringLiteral(
                     R"(\nCoil as it stands: k 0\.\d{3}, Lp [\d.]+ uH, Ls [\d.]+ mH, Cself [\d.]+ pF, Ctop [\d.]+ pF$)"))),
                 qPrintable(source));
        // Other figures ring to another peak; what the user sees and saved stays as it was.
        QVERIFY2(fieldPeak != sheetsPeak, qPrintable(fieldPeak));
        QCOMPARE(memo()->toPlainText(), shown);
        QCOMPARE(fileBytes(path), saved);
        saveShot(QStringLiteral("results_as_it_stands_model%1.png").arg(model), &dialog_->resultsWindow());
    }

    void asItStandsWithoutAFieldSolutionSaysSoAndDoesNotRun()
    {
        const std::string path = savedNetlist(NetlistModel::StandardRlc);
        chooser_.answer = path;
        const std::string why = "The coil as it stands cannot be simulated: the field solution has no coupling k.";
        dialog_->setCoilAsItStandsSource([why] { return AsItStandsFigures{std::nullopt, why}; });
        asItStandsBox()->setChecked(true);
        dialog_->Button2Click();
        QCOMPARE(host_->messages, std::vector<std::string>{why});
        QVERIFY(dialog_->simulator() == nullptr);
        QVERIFY(calc_->timerRunning);

        // Unchecked, the netlist runs with the sheets' figures.
        host_->messages.clear();
        asItStandsBox()->setChecked(false);
        finishedRun();
        QVERIFY(!dialog_->resultsWindow().sourceText().contains(QStringLiteral("as it stands")));
    }

private:
    QCheckBox* asItStandsBox() const { return dialog_->findChild<QCheckBox*>(QStringLiteral("AsItStandsCheck")); }

    // Launches the chosen file and waits for its results: the peak line, no message.
    QString finishedRun()
    {
        dialog_->Button2Click();
        if (dialog_->simulator() == nullptr) return {};
        QSignalSpy finished(dialog_->simulator(), &NgspiceSimulator::finished);
        [&] { QVERIFY(finished.wait(kSimulationTimeoutMs)); }();
        [&] { QVERIFY2(host_->messages.empty(), host_->messages.empty() ? "" : host_->messages.front().c_str()); }();
        return dialog_->resultsWindow().peakText();
    }

    static QByteArray fileBytes(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QPlainTextEdit* memo() const { return dialog_->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")); }
    QPushButton* button(const char* name) const { return dialog_->findChild<QPushButton*>(QLatin1String(name)); }
    QRadioButton* radio(const QString& name) const { return dialog_->findChild<QRadioButton*>(name); }
    QRadioButton* radio(const char* name) const { return radio(QLatin1String(name)); }
    // The results window's only button.
    QPushButton* cancelButton() const { return dialog_->resultsWindow().findChild<QPushButton*>(); }
    QLabel* diagram(const QString& name) const { return dialog_->findChild<QLabel*>(name); }

    QStringList visibleDiagrams() const
    {
        QStringList visible;
        for (const QString& name : {QStringLiteral("Image1"), QStringLiteral("Image2"), QStringLiteral("Image3")})
            if (diagram(name)->isVisible()) visible << name;
        return visible;
    }

    // The user's way to a netlist file: choose the model, copy it, save the pad as a .cir.
    std::string savedNetlist(NetlistModel model)
    {
        dialog_->RadioButtonClick(model);
        dialog_->Button1Click();
        return writePad("coil" + std::to_string(static_cast<int>(model)) + ".cir");
    }

    std::string writePad(const std::string& name)
    {
        const QString path = dir_.filePath(QString::fromStdString(name));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write the netlist file");
        const std::string text = scratchFileText(calc_->scratchPad); // CR LF after every line
        file.write(text.data(), static_cast<qint64>(text.size()));
        return path.toStdString();
    }

    // Pictures for a person to look at, when QUORVANE_NETLIST_SHOTS names a folder.
    void saveShot(const QString& name, QWidget* widget = nullptr) const
    {
        const QString folder = qEnvironmentVariable("QUORVANE_NETLIST_SHOTS");
        if (folder.isEmpty()) return;
        QCoreApplication::processEvents(); // the layouts settle as they would on screen
        (widget ? widget : dialog_.get())->grab().save(folder + QLatin1Char('/') + name);
    }

    QTemporaryDir dir_;
    std::unique_ptr<RecordingHost> host_;
    std::unique_ptr<Calculator> calc_;
    AnsweringChooser chooser_;
    int padChanges_ = 0;
    std::unique_ptr<TPSpiceDlg> dialog_;
};

} // namespace qv

QTEST_MAIN(qv::NetlistWindowTest)
#include "netlist_window_test.moc"
