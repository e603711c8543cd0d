// The tool bar's commands and the window's part as the calculator's host: message boxes, the
// timer, and the dialogs of the file commands.

#include "main_page.h"

#include "io/design_file.h"
#include "io/scratch_file.h"
#include "sheet_widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMessageBox>

namespace qv {

namespace {

constexpr const char* kMessageTitle = "Quorvane";
constexpr const char* kAboutStatus = "About Quorvane";
constexpr const char* kCreditsStatus = "Credits";
constexpr const char* kPrintingStatus = "Printing";

// Shows the command's status text before its dialog opens, so the user sees what is asked;
// remembers whether the user chose a file. Saving onto an existing file other than the one the
// work came from asks first; No goes back to the dialog.
class ShowingChooser : public FileChooser {
public:
    ShowingChooser(FileChooser& inner, TMainPage& page, std::string currentFile)
        : inner_(inner), page_(page), currentFile_(std::move(currentFile)) {}
    std::optional<std::string> chooseFileToOpen(const FileDialogSpec& dialog) override
    {
        page_.refreshView();
        return noteChoice(inner_.chooseFileToOpen(dialog));
    }
    std::optional<std::string> chooseFileToSave(const FileDialogSpec& dialog) override
    {
        page_.refreshView();
        std::optional<std::string> path = inner_.chooseFileToSave(dialog);
        while (path && replacesAnotherFile(*path) && !inner_.confirmReplace(*path)) path = inner_.chooseFileToSave(dialog);
        return noteChoice(path);
    }
    bool chosen() const { return chosen_; }

private:
    std::optional<std::string> noteChoice(std::optional<std::string> path)
    {
        chosen_ = path.has_value();
        return path;
    }
    bool replacesAnotherFile(const std::string& path) const
    {
        const QFileInfo chosen(toQt(path));
        return chosen.exists() && chosen != QFileInfo(toQt(currentFile_));
    }
    FileChooser& inner_;
    TMainPage& page_;
    std::string currentFile_;
    bool chosen_ = false;
};

} // namespace

void TMainPage::warning(std::string_view text) { warningWithDetail(text, {}); }

void TMainPage::warningWithDetail(std::string_view text, std::string_view detail)
{
    // The field a rejected entry restored shows its good value while the box is open.
    refreshView();
    // The box stands centred over the window the user is working in (a rejected Coil Analysis
    // value over Coil Analysis), which stays in front; the main window is not brought forward.
    QWidget* active = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Warning, kMessageTitle, toQt(text), QMessageBox::Ok, active ? active : this);
    box.setObjectName("WarningBox");
    if (!detail.empty()) box.setInformativeText(toQt(detail));
    box.exec();
}

void TMainPage::timerChanged(bool running)
{
    if (running) mainLoopTimer_->start(kPassIntervalMs);
    else mainLoopTimer_->stop();
}

void TMainPage::setLengthUnit(LengthUnit unit)
{
    act([this, unit] { switchLengthUnit(calc_, unit); });
    showLengthUnit(this, unit);
    showUnitChoice(unitSwitch_, unit);
}

void TMainPage::act(const std::function<void()>& action)
{
    action();
    refreshView();
}

void TMainPage::actWithTimerOff(const char* status, const std::function<void()>& command)
{
    act([&] {
        qv::stopTimer(calc_);
        calc_.form.statusPanels[1] = status;
        refreshView();
        command();
        qv::startTimer(calc_);
    });
}

// Shows a window beside the main window; the timer is off only while it opens.
void TMainPage::AboutButtonClick()
{
    actWithTimerOff(kAboutStatus, [this] { if (hooks_.about) hooks_.about(); });
}

void TMainPage::BitBtn1Click()
{
    actWithTimerOff(kCreditsStatus, [this] { if (hooks_.credits) hooks_.credits(); });
}

void TMainPage::BitBtn2Click() { act([this] { if (hooks_.help) hooks_.help(); }); }
void TMainPage::SpeedButton1Click() { act([this] { if (hooks_.netlist) hooks_.netlist(); }); }
void TMainPage::CoilAnalysisButtonClick() { act([this] { if (hooks_.analysis) hooks_.analysis(); }); }
void TMainPage::TankCircuitButtonClick() { act([this] { if (hooks_.tank) hooks_.tank(); }); }
void TMainPage::HowItChangesButtonClick() { act([this] { if (hooks_.howItChanges) hooks_.howItChanges(); }); }
void TMainPage::SpeedButton2Click() { act([this] { if (hooks_.converter) hooks_.converter(); }); }

void TMainPage::PrintButtonClick()
{
    actWithTimerOff(kPrintingStatus, [this] { if (hooks_.print) hooks_.print(calc_); });
}

bool TMainPage::runFileCommand(bool (*command)(Calculator&, FileChooser&), bool design)
{
    ShowingChooser chooser(*chooser_, *this, design ? calc_.designFileName : calc_.scratchFileName);
    bool done = false;
    act([&] { done = command(calc_, chooser) && chooser.chosen(); });
    if (done && design) {
        saved_.takeDesign(calc_);
        startDesignPending_ = false;
    }
    if (done && !design) saved_.takeScratchPad(calc_);
    return done;
}

void TMainPage::openDesignAtStart(const std::string& path)
{
    bool opened = false;
    act([&] { opened = qv::openDesignAtStart(calc_, path, [this] { BeginButtonClick(); }); });
    if (opened) {
        saved_.takeDesign(calc_);
        startDesignPending_ = false;
    }
}

void TMainPage::OpenFileButtonClick() { runFileCommand(qv::OpenFileButtonClick, true); }
void TMainPage::SaveFileButtonClick() { runFileCommand(qv::SaveFileButtonClick, true); }
void TMainPage::ScratchOpenButtonClick() { runFileCommand(qv::ScratchOpenButtonClick, false); }
void TMainPage::SaveScratchSaveButtonClick() { runFileCommand(qv::SaveScratchSaveButtonClick, false); }

void TMainPage::closeEvent(QCloseEvent* event)
{
    finishEditing();
    if (mayClose()) event->accept();
    else event->ignore();
}

bool TMainPage::mayClose()
{
    const std::string what = saved_.unsavedWork(calc_);
    if (what.empty()) return true;
    switch (question_->askBeforeClosing(what)) {
    case UnsavedAnswer::Discard: return true;
    case UnsavedAnswer::Cancel: return false;
    case UnsavedAnswer::Save: break;
    }
    // Each save has its own dialog; a cancelled or failed one keeps the window open.
    if (saved_.designChanged(calc_) && !runFileCommand(qv::SaveFileButtonClick, true)) return false;
    if (saved_.scratchPadChanged(calc_) && !runFileCommand(qv::SaveScratchSaveButtonClick, false)) return false;
    return true;
}

} // namespace qv
