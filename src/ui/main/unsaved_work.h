#pragma once
// Closing the window with work that was never saved: what counts as unsaved, and the question
// the user answers (Save, Discard or Cancel). The question is an interface so that tests answer
// it without a message box.

#include "core/calculator.h"

#include <string>
#include <vector>

class QWidget;

namespace qv {

enum class UnsavedAnswer { Save, Discard, Cancel };

class UnsavedWorkQuestion {
public:
    virtual ~UnsavedWorkQuestion() = default;
    // what names the unsaved work: "the design", "the scratch pad" or both.
    virtual UnsavedAnswer askBeforeClosing(const std::string& what) = 0;

protected:
    UnsavedWorkQuestion() = default;
    UnsavedWorkQuestion(const UnsavedWorkQuestion&) = default;
    UnsavedWorkQuestion& operator=(const UnsavedWorkQuestion&) = default;
};

// The desktop's usual box: Save, Discard and Cancel buttons, Save the default.
class MessageBoxQuestion : public UnsavedWorkQuestion {
public:
    explicit MessageBoxQuestion(QWidget* parent) : parent_(parent) {}
    UnsavedAnswer askBeforeClosing(const std::string& what) override;

private:
    QWidget* parent_;
};

inline constexpr const char* kUnsavedWorkTitle = "Quorvane";

// The design and the scratch pad as they were last opened or saved (or as the program started
// them). The design is compared by the lines a save would write, so recalculation alone never
// makes it unsaved, and a change in any window that reaches the file does.
class SavedState {
public:
    void takeDesign(const Calculator& calc);
    void takeScratchPad(const Calculator& calc);
    bool designChanged(const Calculator& calc) const;
    bool scratchPadChanged(const Calculator& calc) const;
    // "the design", "the scratch pad", "the design and the scratch pad", or empty.
    std::string unsavedWork(const Calculator& calc) const;

private:
    std::vector<std::string> designValues_;
    std::string scratchPad_;
};

} // namespace qv
