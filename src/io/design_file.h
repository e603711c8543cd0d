#pragma once
// The design parameter file (*.qvd): the Reference list's lines as 8-bit text, CR LF after every
// line. Opening puts the file's lines into the list, takes the values back into the design, and
// recalculates once; saving writes the list as it stands.

#include "core/file_chooser.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct Calculator;

inline constexpr std::size_t kMaxDesignFileBytes = std::size_t{1024} * 1024; // a real file is under 2 KiB
// A file of the previous version stops after record 17.
inline constexpr std::size_t kPreviousVersionLines = 35;
inline constexpr double kPreviousVersionPfcPercent = 50;

inline constexpr const char* kPreviousVersionNotice =
    "Updating Reference Data From Previous Version - New Parameter PFC_Rating = 50%";
inline constexpr const char* kFileDataInvalidMessage = "File Data Invalid";
inline constexpr const char* kOutOfRangeSuffix = "..Value Out Of Range..Not Used";
inline constexpr const char* kOpenFileStatus = "Open File";
inline constexpr const char* kSaveFileStatus = "Save File";

// The file's lines: CR, LF or CR LF end a line, a last line without an ending still counts,
// and a NUL byte ends the text. Bytes above 127 pass through untouched.
std::vector<std::string> designFileLines(std::string_view text);
// The text a save writes: every line followed by CR LF.
std::string designFileText(const std::vector<std::string>& lines);

// Rounds to the nearest integer, a value exactly halfway to the even one (22.5 -> 22, 23.5 -> 24).
double roundHalfToEven(double value);

// Checks the value line of each of the 18 records in order, warning once per bad record, and
// copies the good values into the design; a bad record leaves its variable as it was. An angle
// above 0 selects the conical primary. Returns false (and changes nothing) for a list that is
// too short to hold every record.
bool Parms_To_Vars(Calculator& calc);

// The open command after the dialog: the text becomes the list (a previous-version text is
// completed), the values become the design, the input fields are rewritten and the stages run
// once. A text too short to be a design file is refused with a message and changes nothing.
// Returns whether the text was taken.
bool loadDesignText(Calculator& calc, const std::string& path, std::string_view text);

// Reads the file and loads it; a file that cannot be read is reported and changes nothing.
bool openDesignFile(Calculator& calc, const std::string& path);

// A design named on the command line (a file-system name), opened as the open command opens it (its messages
// included) once `begin` has started the calculator as BEGIN does; the window passes its own
// BEGIN so the sheets show before any message. A file that cannot be read is reported, `begin`
// is not called and the start picture stays with the program's own design. Returns whether the
// calculator was started.
bool openDesignAtStart(Calculator& calc, const std::string& path, const std::function<void()>& begin);

// The save command after the dialog: the path becomes line 0 and the design file name, and the
// list is written. On failure the message names the file, and the old file, the list and the
// name are as they were.
bool saveDesignFile(Calculator& calc, const std::string& path);

FileDialogSpec designOpenDialog(const Calculator& calc);
FileDialogSpec designSaveDialog(const Calculator& calc);

// The tool-bar commands: the timer is off for the dialog and the work and on again afterwards,
// whatever happened. Return false when a file could not be read, taken or written.
bool OpenFileButtonClick(Calculator& calc, FileChooser& chooser);
bool SaveFileButtonClick(Calculator& calc, FileChooser& chooser);

} // namespace qv
