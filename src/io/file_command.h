#pragma once
// The steps every file command shares. The commands stop the recalculation timer for their dialog
// and work and start it again at the end, however the work ends, so a failed command never leaves
// the calculator frozen.

#include "core/calculator.h"
#include "core/file_chooser.h"
#include "io/design_file.h"

#include <string>

namespace qv {

class TimerPause {
public:
    explicit TimerPause(Calculator& calc) : calc_(calc) { stopTimer(calc_); }
    ~TimerPause() { startTimer(calc_); }
    TimerPause(const TimerPause&) = delete;
    TimerPause& operator=(const TimerPause&) = delete;

private:
    Calculator& calc_;
};

enum class FileCommand { Open, Save };

// What a command does with the chosen path: true when it succeeded, false after its own message.
using FileWork = bool (*)(Calculator& calc, const std::string& path);

// The status bar names the command, the timer pauses, the dialog asks for a path and the work runs
// on it. The dialog is preset by the caller before the timer stops. A cancelled dialog is no failure.
inline bool runFileCommand(Calculator& calc, FileChooser& chooser, FileCommand command,
                           const FileDialogSpec& dialog, FileWork work)
{
    const bool opening = command == FileCommand::Open;
    calc.form.statusPanels[1] = opening ? kOpenFileStatus : kSaveFileStatus;
    const TimerPause pause(calc);
    const auto path = opening ? chooser.chooseFileToOpen(dialog) : chooser.chooseFileToSave(dialog);
    return !path || work(calc, *path);
}

} // namespace qv
