#include "io/design_file.h"

#include "calc/stages.h"
#include "core/calculator.h"
#include "core/number_parser.h"
#include "io/file_bytes.h"
#include "io/file_names.h"
#include "io/file_command.h"
#include "io/further_records.h"

#include <cmath>
#include <string>

namespace qv {
namespace {

constexpr const char* kDesignFilter = "Quorvane Files (*.qvd)|*.qvd";
constexpr const char* kDesignExtension = "qvd";

constexpr std::size_t kAngleRecord = 9;
constexpr std::size_t kPfcRecord = 18;

// The gauge selects a row of the wire table, so a value that rounds off the table is refused.
bool recordAdmits(std::size_t record, double value)
{
    if (!kReferenceRecords[record - 1].rule.admits(value)) return false;
    if (record != kGaugeRecord) return true;
    const double gauge = roundHalfToEven(value);
    return gauge >= kSmallestGauge && gauge <= kLargestGauge;
}

std::string outOfRangeMessage(const std::string& label, double value)
{
    return label + referenceValueText(value) + kOutOfRangeSuffix;
}

// Where a refused value stands: the record, its label and the line of the file, counted from 1.
std::string recordDetail(const Calculator& calc, std::size_t record)
{
    return "Record " + std::to_string(record) + " (" + calc.referenceList[labelLine(record)] + "), line " +
           std::to_string(valueLine(record) + 1) + " of " + calc.designFileName;
}

std::string incompleteMessage(const std::string& path)
{
    return path + " is not a complete Quorvane design parameter file";
}

// A value line the refresh wrote for a value that is not a number ("----"): saving it would put
// a line in the file that no reader takes back.
bool showsNotANumber(const std::string& valueLine)
{
    const auto first = valueLine.find_first_not_of(' ');
    return first != std::string::npos && valueLine.compare(first, std::string::npos, kNotANumberText) == 0;
}

// The label of the first record whose value line shows no number, or nothing.
const std::string* recordWithoutNumber(const std::vector<std::string>& list)
{
    for (std::size_t k = 1; k <= kReferenceRecordCount && valueLine(k) < list.size(); ++k)
        if (showsNotANumber(list[valueLine(k)])) return &list[labelLine(k)];
    return nullptr;
}

FileDialogSpec designDialog(const Calculator& calc, const char* title)
{
    return {title, kDesignFilter, kDesignExtension, calc.designFileName};
}

} // namespace

std::vector<std::string> designFileLines(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

std::string designFileText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

double roundHalfToEven(double value)
{
    const double nearest = std::round(value); // halves away from zero
    if (std::abs(value - std::trunc(value)) == 0.5 && std::fmod(nearest, 2.0) != 0.0)
        return nearest - std::copysign(1.0, value);
    return nearest;
}

bool Parms_To_Vars(Calculator& calc)
{
    if (calc.referenceList.size() < kReferenceListLines) return false;
    // A record the file cannot supply keeps the design's own value.
    ReferenceRecords records = referenceRecords(calc.design);
    for (std::size_t k = 1; k <= kReferenceRecordCount; ++k) {
        const ParseResult parsed = parseNumber(calc.referenceList[valueLine(k)]);
        if (!parsed.ok) {
            warn(calc, kFileDataInvalidMessage, recordDetail(calc, k) + ": not a number");
            continue;
        }
        if (!recordAdmits(k, parsed.value)) {
            warn(calc, outOfRangeMessage(calc.referenceList[labelLine(k)], parsed.value), recordDetail(calc, k));
            continue;
        }
        if (k == kAngleRecord && parsed.value > 0) calc.form.setChecked(OptionId::ConicalPrimary, true);
        records[k - 1] = parsed.value;
    }

    for (std::size_t k = 1; k <= kReferenceRecordCount; ++k)
        if (const auto value = kReferenceRecords[k - 1].value) calc.design.*value = records[k - 1];
    calc.design.secondaryGauge = static_cast<std::int32_t>(roundHalfToEven(records[kGaugeRecord - 1]));
    calc.referenceRecords = records;
    return true;
}

bool loadDesignText(Calculator& calc, const std::string& path, std::string_view text)
{
    std::vector<std::string> lines = designFileLines(text);
    // A previous-version file stops after record 17 and is completed with record 18. A file that
    // stops after the label of record 18 is completed the same way, and the reader then reports
    // the record that has no value. A shorter one has records without values to take.
    if (lines.size() < kPreviousVersionLines) {
        warn(calc, incompleteMessage(path));
        return false;
    }
    calc.designFileName = path;
    calc.referenceList = std::move(lines);
    if (calc.referenceList.size() < kReferenceListLines) {
        warn(calc, kPreviousVersionNotice);
        calc.referenceList.emplace_back(kReferenceRecords[kPfcRecord - 1].label);
        calc.referenceList.push_back(referenceValueText(kPreviousVersionPfcPercent));
    }
    Parms_To_Vars(calc);
    readFurtherRecords(calc);
    calc.form.statusPanels[0] = calc.designFileName;
    for (const FieldId id : kDesignInputFields) showVariable(calc, id);
    Update_T_C(calc);
    Update_Sec(calc);
    Update_Pri(calc);
    return true;
}

bool openDesignFile(Calculator& calc, const std::string& path)
{
    const FileRead read = readModelFile(path, kMaxDesignFileBytes);
    if (!read.ok) {
        warn(calc, read.error);
        return false;
    }
    return loadDesignText(calc, path, read.bytes);
}

bool openDesignAtStart(Calculator& calc, const std::string& path, const std::function<void()>& begin)
{
    // The command line names the file as the file system does; the design keeps its name as model text.
    const std::optional<std::string> name = modelFileName(path);
    if (!name) {
        warn(calc, "Cannot open file \"" + path + "\". The file name has characters outside Western European (Latin-1) text");
        return false;
    }
    const FileRead read = readModelFile(*name, kMaxDesignFileBytes);
    if (!read.ok) {
        warn(calc, read.error);
        return false;
    }
    begin();
    calc.form.statusPanels[1] = kOpenFileStatus;
    const TimerPause pause(calc);
    loadDesignText(calc, *name, read.bytes);
    return true;
}

bool saveDesignFile(Calculator& calc, const std::string& path)
{
    if (const std::string* label = recordWithoutNumber(calc.referenceList)) {
        warn(calc, "Cannot save file \"" + path + "\". " + *label + " is not a number");
        return false;
    }
    const std::string previousName = calc.designFileName;
    const std::string previousFirstLine = calc.referenceList.front();
    calc.designFileName = path;
    calc.referenceList.front() = path;
    const std::string text = designFileText(withFurtherRecords(calc.referenceList, calc));
    const std::string error = replaceModelFile(path, text);
    if (error.empty()) return true;
    // The design is not in that file, so the list and the name keep pointing where it is.
    calc.designFileName = previousName;
    calc.referenceList.front() = previousFirstLine;
    warn(calc, error);
    return false;
}

FileDialogSpec designOpenDialog(const Calculator& calc) { return designDialog(calc, "Quorvane File Open"); }
FileDialogSpec designSaveDialog(const Calculator& calc) { return designDialog(calc, "Quorvane File Save"); }

bool OpenFileButtonClick(Calculator& calc, FileChooser& chooser)
{
    return runFileCommand(calc, chooser, FileCommand::Open, designOpenDialog(calc), openDesignFile);
}

bool SaveFileButtonClick(Calculator& calc, FileChooser& chooser)
{
    return runFileCommand(calc, chooser, FileCommand::Save, designSaveDialog(calc), saveDesignFile);
}

} // namespace qv
