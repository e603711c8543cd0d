#include "unsaved_work.h"

#include "form_binding.h"
#include "io/further_records.h"

#include <QMessageBox>

namespace qv {

namespace {

// The lines a save would write, without the file name of line 0: whatever the design file holds
// (the sheets' records and every record after them) is the design, wherever it was changed.
std::vector<std::string> savedValues(const Calculator& calc)
{
    return withFurtherRecords(buildReferenceList({}, referenceRecords(calc.design)), calc);
}

} // namespace

UnsavedAnswer MessageBoxQuestion::askBeforeClosing(const std::string& what)
{
    QMessageBox box(QMessageBox::Warning, kUnsavedWorkTitle, toQt("Save changes to " + what + " before closing?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setObjectName("UnsavedWorkBox");
    box.setInformativeText("Closing without saving loses the changes made since the last open or save.");
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: return UnsavedAnswer::Save;
    case QMessageBox::Discard: return UnsavedAnswer::Discard;
    default: return UnsavedAnswer::Cancel;
    }
}

void SavedState::takeDesign(const Calculator& calc) { designValues_ = savedValues(calc); }

void SavedState::takeScratchPad(const Calculator& calc) { scratchPad_ = calc.scratchPad; }

bool SavedState::designChanged(const Calculator& calc) const { return savedValues(calc) != designValues_; }

bool SavedState::scratchPadChanged(const Calculator& calc) const { return calc.scratchPad != scratchPad_; }

std::string SavedState::unsavedWork(const Calculator& calc) const
{
    const bool design = designChanged(calc);
    const bool pad = scratchPadChanged(calc);
    if (design && pad) return "the design and the scratch pad";
    if (design) return "the design";
    if (pad) return "the scratch pad";
    return {};
}

} // namespace qv
