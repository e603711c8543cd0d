#include "io/scratch_file.h"

#include "core/calculator.h"
#include "io/design_file.h"
#include "io/file_bytes.h"
#include "io/file_names.h"
#include "io/file_command.h"

namespace qv {
namespace {

constexpr const char* kScratchExtension = "txt";
constexpr const char* kSaveFilter =
    "Quorvane Scratch Pad (*.txt)|*.txt|PSpice Circuit Netlist (*.cir)|*.cir|All Files (*.*)|*.*";
constexpr const char* kOpenFilter =
    "Quorvane Scratch Pad (*.txt)|*.txt|Quorvane Files (*.qvd)|*.qvd|All Files (*.*)|*.*";

} // namespace

std::string scratchFileText(std::string_view pad)
{
    std::string text;
    text.reserve(pad.size() + pad.size() / 16);
    for (const char c : pad) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

std::string scratchPadText(std::string_view fileText)
{
    std::string pad;
    pad.reserve(fileText.size());
    for (std::size_t i = 0; i < fileText.size(); ++i) {
        const char c = fileText[i];
        if (c != '\r') {
            pad += c;
            continue;
        }
        pad += '\n';
        if (i + 1 < fileText.size() && fileText[i + 1] == '\n') ++i;
    }
    return pad;
}

bool saveScratchFile(Calculator& calc, const std::string& path)
{
    const std::string error = replaceModelFile(path, scratchFileText(calc.scratchPad));
    if (!error.empty()) {
        warn(calc, error);
        return false;
    }
    calc.scratchFileName = path;
    return true;
}

bool openScratchFile(Calculator& calc, const std::string& path)
{
    const FileRead read = readModelFile(path, kMaxScratchFileBytes);
    if (!read.ok) {
        warn(calc, read.error);
        return false;
    }
    calc.scratchFileName = path;
    replaceScratchPad(calc, scratchPadText(read.bytes));
    return true;
}

FileDialogSpec scratchSaveDialog(const Calculator& calc)
{
    return {"Quorvane Scratch Pad File Save", kSaveFilter, kScratchExtension, calc.scratchFileName};
}

FileDialogSpec scratchOpenDialog(const Calculator& calc)
{
    return {"Quorvane Scratch Pad File Open", kOpenFilter, kScratchExtension, calc.scratchFileName};
}

bool SaveScratchSaveButtonClick(Calculator& calc, FileChooser& chooser)
{
    return runFileCommand(calc, chooser, FileCommand::Save, scratchSaveDialog(calc), saveScratchFile);
}

bool ScratchOpenButtonClick(Calculator& calc, FileChooser& chooser)
{
    return runFileCommand(calc, chooser, FileCommand::Open, scratchOpenDialog(calc), openScratchFile);
}

} // namespace qv
