#pragma once
// The main window: start picture and BEGIN, the seven sheets, the tool bar, the scratch pad
// and the status bar, over the calculator's model. The window is the model's host: it shows
// the warnings and drives the recalculation timer.

#include "calc/stages.h"
#include "core/calculator.h"
#include "core/host.h"
#include "form_binding.h"
#include "qt_file_chooser.h"
#include "tool_bar.h"
#include "unit_switch.h"
#include "unsaved_work.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace qv {

// The windows other parts of the program open from the tool bar. An empty hook does nothing.
struct ToolHooks {
    std::function<void()> about;
    std::function<void()> credits;
    std::function<void()> help;
    std::function<void()> netlist;
    std::function<void()> analysis;
    std::function<void()> tank;
    std::function<void()> howItChanges;
    std::function<void()> converter;
    std::function<void(Calculator&)> print;
};

inline constexpr const char* kWindowCaption = "Quorvane - Tesla Coil Design ";
// The sheets' area, the scratch pad beside it and the margins between them.
inline constexpr int kClientWidth = 739;
inline constexpr int kPassIntervalMs = 50;

class TMainPage : public QMainWindow, private Host {
    Q_OBJECT
public:
    explicit TMainPage(QWidget* parent = nullptr);
    ~TMainPage() override;

    Calculator& calculator() { return calc_; }
    // The sheets' area, which the auxiliary windows never cover.
    QWidget* sheets() const;
    // Brings the widgets up to date with the model; call it after changing the model.
    void refreshView();
    void setToolHooks(ToolHooks hooks) { hooks_ = std::move(hooks); }
    // The dialogs of the file commands; tests answer them with a chooser of their own.
    void setFileChooser(FileChooser& chooser) { chooser_ = &chooser; }
    // The question closing asks when work is unsaved; tests answer it themselves.
    void setUnsavedWorkQuestion(UnsavedWorkQuestion& question) { question_ = &question; }

    // The Inches / Millimetres switch: every length shows in the unit; no design variable changes.
    void setLengthUnit(LengthUnit unit);

    // The timer's handler: one recalculation pass, then the view.
    void Main_Loop1();

    // A design named on the command line: opened as the open command would, then running; a
    // file that cannot be read is reported and the start picture stays.
    void openDesignAtStart(const std::string& path);

    void BeginButtonClick();
    void SplashButtonClick();
    void OpenFileButtonClick();
    void SaveFileButtonClick();
    void PrintButtonClick();
    void AboutButtonClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void SpeedButton1Click();
    void CoilAnalysisButtonClick();
    void TankCircuitButtonClick();
    void HowItChangesButtonClick();
    void SpeedButton2Click();
    void ScratchOpenButtonClick();
    void SaveScratchSaveButtonClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void warning(std::string_view text) override;
    void warningWithDetail(std::string_view text, std::string_view detail) override;
    void timerChanged(bool running) override;

    void buildStartPicture(QWidget* area);
    void buildSheets(QWidget* area);
    void buildScratchPad(QWidget* area);
    void buildStatusBar();
    void connectToolBar();
    // Before a command of the tool bar or closing: an open edit ends as leaving the field would,
    // and a pass takes what was typed, so the command sees the value the window shows.
    void finishEditing();
    // Whether closing may go on: nothing unsaved, or the user saved or discarded it.
    bool mayClose();
    // A file command, its dialog preceded by the status text; afterwards what it opened or
    // saved becomes the saved state. Returns whether a file was opened or written.
    bool runFileCommand(bool (*command)(Calculator&, FileChooser&), bool design);
    void showRunning(bool running);
    void spinClicked(ControlId button, bool up);
    // Runs a model action that the window shows afterwards.
    void act(const std::function<void()>& action);
    // A command that opens a window or prints: the timer is off and the status bar names the
    // command while it runs.
    void actWithTimerOff(const char* status, const std::function<void()>& command);
    void syncStatus();
    void syncSheet();
    void syncScratchPad();
    void syncReferenceList();

    // The timer comes first: the calculator stops it while it is being built.
    QTimer* mainLoopTimer_;
    Calculator calc_;
    QtFileChooser dialogs_;
    FileChooser* chooser_ = &dialogs_;
    ToolHooks hooks_;
    FormBinding binding_;
    QToolBar* toolBar_ = nullptr;
    ToolBarButtons buttons_{};
    UnitSwitch unitSwitch_{};
    QTabWidget* pages_ = nullptr;
    QWidget* tabRows_ = nullptr;
    QWidget* logoPanel_ = nullptr;
    QPushButton* beginButton_ = nullptr;
    QPlainTextEdit* scratchPad_ = nullptr;
    QListWidget* parameters_ = nullptr;
    QLabel* statusPanels_[2] = {nullptr, nullptr};
    // Nothing shown yet: the first sync shows the start text whatever its revision.
    static constexpr std::uint64_t kNothingShown = ~std::uint64_t{0};
    std::uint64_t shownScratchRevision_ = kNothingShown;
    std::vector<std::string> shownReference_;
    MessageBoxQuestion closeQuestion_{this};
    UnsavedWorkQuestion* question_ = &closeQuestion_;
    SavedState saved_;
    // The first pass completes the start design (the top load's capacitance, the break rate);
    // what it leaves is the design as started.
    bool startDesignPending_ = true;
    bool syncing_ = false;
    bool resyncWanted_ = false;
};

} // namespace qv
