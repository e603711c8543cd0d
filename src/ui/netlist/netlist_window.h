#pragma once
// The netlist window: one of the three netlist models of the coil beside its circuit diagram,
// copied into the scratch pad from there, and a saved netlist file handed to the simulator.

#include "netlist/netlist_models.h"
#include "sim/coil_as_it_stands.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;

namespace qv {

struct Calculator;
class FileChooser;
struct FileDialogSpec;
class NgspiceSimulator;
class SimulationResultsWindow;
class WindowPlacement;

inline constexpr const char* kNetlistStartLines[] = {"*PSpice Output From Quorvane*", "*Select Model*"};

// OpenDialog1, preset with the scratch-pad file name: the file just saved is the one to run.
FileDialogSpec simulateFileDialog(const Calculator& calc);

// The netlist text as the scratch pad takes it: a line break after every line, the last
// included. A text that ends in a line break has no empty line after it, as a memo counts lines.
std::string scratchPadLines(const QString& memoText);

class TPSpiceDlg : public QDialog {
    Q_OBJECT

public:
    // scratchPadChanged tells the main window to show the pad after "Copy To ScratchPad".
    TPSpiceDlg(Calculator& calc, FileChooser& chooser, std::function<void()> scratchPadChanged,
               QWidget* parent = nullptr);
    ~TPSpiceDlg() override;

    // The handlers; each model button runs RadioButtonClick with its model.
    void FormShow();
    void RadioButtonClick(NetlistModel model);
    void OKBtnClick();
    void Button1Click();
    void Button2Click();

    // The launch reads this program from the PATH; "ngspice" unless told otherwise.
    void setSimulatorProgram(const QString& programName);
    // Where "Simulate the coil as it stands" takes its figures; the design's field solution unless
    // a test says otherwise.
    void setCoilAsItStandsSource(std::function<AsItStandsFigures()> source);
    QCheckBox* asItStandsBox() const { return asItStandsBox_; }

    const std::string& simulationFileName() const { return simulationFileName_; }
    // The simulator of the last launch; null before the first.
    NgspiceSimulator* simulator() const { return simulator_.get(); }
    SimulationResultsWindow& resultsWindow() const { return *resultsWindow_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    QWidget* makeModelButtons();
    QWidget* makeDiagramPanel();
    QWidget* makeNetlistBox();
    QWidget* makeCommandButtons();
    void showDiagram(NetlistModel model);
    void launchSimulator(const std::string& path);
    void reportLaunchFailure(const QString& message);

    Calculator& calc_;
    FileChooser& chooser_;
    std::function<void()> scratchPadChanged_;
    std::array<QRadioButton*, 3> modelButtons_{};
    std::array<QLabel*, 3> diagrams_{};
    QButtonGroup* modelGroup_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QCheckBox* asItStandsBox_ = nullptr;
    std::function<AsItStandsFigures()> asItStandsSource_;
    std::string simulationFileName_;
    QString simulatorProgram_;
    bool launchFailed_ = false;
    // A window of its own, owned by this one: it goes with the program, never keeping it open.
    SimulationResultsWindow* resultsWindow_;
    // Opens the results beside this window, or where the user last had them.
    WindowPlacement* resultsPlacement_ = nullptr;
    // Goes before the results window (a child, deleted after the members), so a run never
    // reports to a window that is gone.
    std::unique_ptr<NgspiceSimulator> simulator_;
};

} // namespace qv
