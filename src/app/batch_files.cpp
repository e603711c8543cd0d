#include "app/batch_files.h"

#include "core/calculator.h"
#include "io/design_file.h"
#include "io/file_names.h"
#include "netlist/netlist_inputs.h"

#include <ostream>

namespace qv {
namespace {

// Answers every dialog with one path, as if the user had typed it.
class FixedPathChooser final : public FileChooser {
public:
    explicit FixedPathChooser(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> chooseFileToOpen(const FileDialogSpec&) override { return path_; }
    std::optional<std::string> chooseFileToSave(const FileDialogSpec&) override { return path_; }

private:
    std::string path_;
};

void printLines(const std::vector<std::string>& lines, std::ostream& out)
{
    for (const std::string& line : lines) out << line << '\n';
}

} // namespace

std::string checkFilePath(const std::string& path)
{
    if (path.empty()) return "expected a file name";
    if (!modelFileName(path)) return "the file name has characters outside Western European (Latin-1) text";
    return {};
}

// The argument is the file system's name; the design holds it as the window would.
bool runOpenDesign(Calculator& calc, const std::string& path, std::ostream&)
{
    FixedPathChooser chooser(*modelFileName(path));
    return OpenFileButtonClick(calc, chooser);
}

bool runSaveDesign(Calculator& calc, const std::string& path, std::ostream&)
{
    FixedPathChooser chooser(*modelFileName(path));
    return SaveFileButtonClick(calc, chooser);
}

bool printReferenceList(Calculator& calc, const std::string&, std::ostream& out)
{
    printLines(calc.referenceList, out);
    return true;
}

std::string checkNetlistModel(const std::string& model)
{
    return model == "1" || model == "2" || model == "3" ? std::string() : "expected a netlist model 1, 2 or 3";
}

bool printNetlist(Calculator& calc, const std::string& model, std::ostream& out)
{
    printLines(netlistLines(std::stoi(model), netlistInputs(calc)), out);
    return true;
}

} // namespace qv
