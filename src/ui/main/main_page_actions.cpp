// The tool bar's commands and the window's part as the calculator's host: message boxes, the
// timer, and the dialogs of the file commands.

#include "main_page.h"

#include "io/design_file.h"
#include "io/scratch_file.h"

#include <QMessageBox>

namespace qv {

namespace {

constexpr const char* kMessageTitle = "Quorvane";
constexpr const char* kAboutStatus = "About Quorvane";
constexpr const char* kCreditsStatus = "Credits";
constexpr const char* kPrintingStatus = "Printing";

// Shows the command's status text before its dialog opens, so the user sees what is asked.
class ShowingChooser : public FileChooser {
public:
    ShowingChooser(FileChooser& inner, TMainPage& page) : inner_(inner), page_(page) {}
    std::optional<std::string> chooseFileToOpen(const FileDialogSpec& dialog) override
    {
        page_.refreshView();
        return inner_.chooseFileToOpen(dialog);
    }
    std::optional<std::string> chooseFileToSave(const FileDialogSpec& dialog) override
    {
        page_.refreshView();
        return inner_.chooseFileToSave(dialog);
    }

private:
    FileChooser& inner_;
    TMainPage& page_;
};

} // namespace

void TMainPage::warning(std::string_view text)
{
    // The field a rejected entry restored shows its good value while the box is open.
    refreshView();
    QMessageBox box(QMessageBox::Warning, kMessageTitle, toQt(text), QMessageBox::Ok, this);
    box.setObjectName("WarningBox");
    box.exec();
}

void TMainPage::timerChanged(bool running)
{
    if (running) mainLoopTimer_->start(kPassIntervalMs);
    else mainLoopTimer_->stop();
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
void TMainPage::SpeedButton2Click() { act([this] { if (hooks_.converter) hooks_.converter(); }); }

void TMainPage::PrintButtonClick()
{
    actWithTimerOff(kPrintingStatus, [this] { if (hooks_.print) hooks_.print(calc_); });
}

void TMainPage::OpenFileButtonClick()
{
    ShowingChooser chooser(*chooser_, *this);
    act([&] { qv::OpenFileButtonClick(calc_, chooser); });
}

void TMainPage::openDesignAtStart(const std::string& path)
{
    act([&] { qv::openDesignAtStart(calc_, path, [this] { BeginButtonClick(); }); });
}

void TMainPage::SaveFileButtonClick()
{
    ShowingChooser chooser(*chooser_, *this);
    act([&] { qv::SaveFileButtonClick(calc_, chooser); });
}

void TMainPage::ScratchOpenButtonClick()
{
    ShowingChooser chooser(*chooser_, *this);
    act([&] { qv::ScratchOpenButtonClick(calc_, chooser); });
}

void TMainPage::SaveScratchSaveButtonClick()
{
    ShowingChooser chooser(*chooser_, *this);
    act([&] { qv::SaveScratchSaveButtonClick(calc_, chooser); });
}

} // namespace qv
