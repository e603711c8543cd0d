#pragma once
// Printing the design report: the platform's print dialog, then the report's lines painted in the
// platform's fixed-pitch font, so the blank-padded columns line up on paper.

#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace qv {

struct Calculator;

// Shows the print dialog and prints the current design's report on the printer chosen there.
// Cancelling prints nothing; a printer failure ends the report and is reported through warn.
// The caller stops and restarts the recalculation timer around it.
void printDesignReport(Calculator& calc, QWidget* parent);

// Prints lines on a printer that is already set up (a dialog's choice, or a PDF file in tests).
// Returns an empty text on success, else what went wrong, for the user.
std::string printReport(const std::vector<std::string>& lines, QPrinter& printer);

} // namespace qv
