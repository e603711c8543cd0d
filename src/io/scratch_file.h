#pragma once
// Scratch-pad files: the pad's text as 8-bit text with CR LF line breaks. A netlist copied into
// the pad and saved under *.cir is the file the simulator runs.

#include "core/file_chooser.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

struct Calculator;

// Far beyond any notes or netlist, small enough that loading one never stalls the window.
inline constexpr std::size_t kMaxScratchFileBytes = std::size_t{16} * 1024 * 1024;

// The pad's '\n' breaks become CR LF; nothing else changes, so a last line the user did not end
// is written without an ending.
std::string scratchFileText(std::string_view pad);
// CR LF, a lone CR and a lone LF each become one '\n'; every other byte is kept.
std::string scratchPadText(std::string_view fileText);

// The commands after their dialog. The scratch-pad file name changes only when the file was
// written or read; a failure is reported naming the file and leaves the pad as it was.
bool saveScratchFile(Calculator& calc, const std::string& path);
bool openScratchFile(Calculator& calc, const std::string& path);

FileDialogSpec scratchSaveDialog(const Calculator& calc); // SaveDialog2
FileDialogSpec scratchOpenDialog(const Calculator& calc); // OpenDialog2

// The tool-bar commands, the timer off while they run. Return false when a file failed.
bool SaveScratchSaveButtonClick(Calculator& calc, FileChooser& chooser);
bool ScratchOpenButtonClick(Calculator& calc, FileChooser& chooser);

} // namespace qv
