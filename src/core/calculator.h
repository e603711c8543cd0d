#pragma once
// The state the main window owns for the life of the program - design variables, form, Reference
// list, scratch pad, file names - and the operations on it that are not one stage's own: creation,
// the acceptance step, edit mode and the timer. The pass that runs the stages is calc's
// (calc/stages.h).

#include "core/design.h"
#include "core/form.h"
#include "core/host.h"
#include "core/input_fields.h"
#include "core/length_unit.h"
#include "core/reference_list.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr const char* kInvalidDataMessage = "Invalid Data Entered";
inline constexpr const char* kUntitledDesignName = "untitled.qvd";
inline constexpr const char* kDefaultScratchName = "scratch.txt";

struct Calculator {
    // Runs the creation steps: every default, every field, the Reference list.
    explicit Calculator(Host& host);

    Host* host;
    Design design;
    Form form;
    TopLoadResults topLoad;
    SecondaryResults secondary;
    PrimaryResults primary;
    // The unrounded value behind each result field's text as the last pass wrote it (NaN where the
    // field shows "----"), so a plot or a table need not read back a rounded text.
    std::array<double, kFieldCount> shownResults{};
    // The format each result was last written in, so a switch of unit shows it again at once.
    std::array<std::optional<Format>, kFieldCount> shownResultFormats{};
    // Line 0 the design file name, then a label line and a value line for each reference record.
    std::vector<std::string> referenceList;
    ReferenceRecords referenceRecords{}; // the values of the last Reference refresh
    std::string scratchPad; // lines separated by '\n'; change it with replaceScratchPad
    std::uint64_t scratchPadRevision = 0; // bumped by every change the program makes
    std::string designFileName = kUntitledDesignName;
    std::string scratchFileName = kDefaultScratchName;
    bool topLoadFlag = false; // TopLoadCheck as the last pass left it; the netlists read it
    // The scratch pad shows the start notice until the first BEGIN empties it; after that it holds
    // the user's notes, which a return to the start picture and BEGIN again must keep.
    bool startNoticeShown = true;
    // The unit the fields show lengths in: the session's choice, never saved with the design.
    LengthUnit lengthUnit = LengthUnit::Inches;
    bool timerRunning = false;
    bool passInProgress = false;
};

// The program replaces the scratch pad's text (BEGIN, loading a file, the netlist copy); the
// window's view follows the revision. The user's own typing goes straight into scratchPad.
void replaceScratchPad(Calculator& calc, std::string text);

// Shows a warning box. While it is open no recalculation pass starts (see Main_Loop1 in calc).
void warn(Calculator& calc, std::string_view text);
// The same with a second, informative line under the message.
void warn(Calculator& calc, std::string_view text, std::string_view detail);

void startTimer(Calculator& calc);
void stopTimer(Calculator& calc);

// The acceptance step for one typed input: a field whose modified mark is set is parsed and
// checked; a good value is stored, a bad one restores the last good value and then warns.
// Returns whether a value was stored.
bool acceptInput(Calculator& calc, FieldId id);
// The acceptance step for every typed input of a sheet, in the order of the field table.
void acceptSheetInputs(Calculator& calc, Sheet sheet);

// Writes a field from its design variable in its display format.
void showVariable(Calculator& calc, FieldId id);
// Writes a result field; a value that is not a finite number shows "----".
void showResult(Calculator& calc, FieldId id, double value, Format format);

// Shows every length in the other unit. A text the user typed and no pass has taken yet is taken
// first, in the unit it was typed in; then the design's inputs are rewritten from their variables,
// which the switch leaves untouched (the results follow at the next pass).
void switchLengthUnit(Calculator& calc, LengthUnit unit);

// Edit mode of an input field: the click (double click for PREdit3) opens it, leaving it closes it.
// Returns false when the field has no edit mode or is disabled.
bool beginEdit(Calculator& calc, FieldId id);
void endEdit(Calculator& calc, FieldId id);

// BEGIN and the splash button of the tool bar.
void BeginButtonClick(Calculator& calc);
void SplashButtonClick(Calculator& calc);

inline constexpr const char* kStartNotice = "Press BEGIN to start the calculator";

} // namespace qv
