#pragma once
// A headless model of the main window's controls. Every stage reads and writes the form through
// this model; the Qt window only mirrors it, so the calculator runs and is tested without a screen.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Edit fields, in the order the batch front end lists them: the input fields, then the results.
#define QV_INPUT_FIELDS(X)                                                                         \
    X(TCEdit1) X(TCEdit2) X(TCEdit3) X(TCEdit6) X(TCEdit7) X(TOCEdit1) X(TOCEdit2) X(PREdit1)      \
    X(PREdit2) X(PREdit3) X(PREdit4) X(PREdit12) X(SEEdit1) X(SEEdit2) X(SEEdit3) X(SEEdit4)       \
    X(SEEdit14) X(SGEdit1) X(SGEdit2) X(SGEdit3) X(SGEdit4) X(SGEdit5) X(SGEdit7)
#define QV_RESULT_FIELDS(X)                                                                        \
    X(PREdit5) X(PREdit6) X(PREdit7) X(PREdit8) X(PREdit9) X(PREdit10) X(PREdit11) X(PREdit13)     \
    X(TCEdit4) X(TCEdit5) X(SEEdit17) X(SEEdit5) X(SEEdit6) X(SEEdit7) X(SEEdit8) X(SEEdit9)       \
    X(SEEdit10) X(SEEdit11) X(SEEdit12) X(SEEdit13) X(SEEdit15) X(SEEdit16) X(TOCEdit3)            \
    X(TOCEdit4) X(SGEdit6) X(SGEdit8) X(OutputEdit1)

// Radio buttons and check boxes of the main window.
#define QV_OPTIONS(X)                                                                              \
    X(FlatPrimary) X(VerticalPrimary) X(ConicalPrimary) X(TopLoadCheck) X(ToroidSelect)            \
    X(SphereSelect) X(BertPoolButton) X(PhysicsButton) X(NoCap) X(RadioButton1) X(RadioButton2)

// Labels and spin buttons whose caption, visibility or enabled state the program changes.
#define QV_CONTROLS(X)                                                                             \
    X(PRSpinButton1) X(PRSpinButton2) X(PRSpinButton3) X(PRSpinButton4) X(SESpinButton1)           \
    X(SESpinButton2) X(SESpinButton3) X(SESpinButton4) X(TCSpinButton1) X(TCSpinButton2)           \
    X(TCSpinButton3) X(TCSpinButton4) X(TCSpinButton5) X(TOCSpinButton1) X(TOCSpinButton2)         \
    X(SGSpinButton1) X(SGSpinButton2) X(SGSpinButton3) X(SGSpinButton4) X(SGSpinButton5)           \
    X(SGSpinButton6) X(SGSpinButton7) X(Label89) X(Label90) X(Label92) X(SGLabel3) X(SGLabel4)     \
    X(SGLabel5) X(SGLabel7) X(TOCLabel1) X(TOCLabel2) X(TOCUnitLabel2) X(BertPoolLabel)            \
    X(PhysicsLabel) X(PhysicsNoteLabel) X(TOCCapacitanceLabel4) X(TOCUnitLabel4)

#define QV_ENUMERATOR(name) name,
enum class FieldId : std::uint8_t { QV_INPUT_FIELDS(QV_ENUMERATOR) QV_RESULT_FIELDS(QV_ENUMERATOR) };
enum class OptionId : std::uint8_t { QV_OPTIONS(QV_ENUMERATOR) };
enum class ControlId : std::uint8_t { QV_CONTROLS(QV_ENUMERATOR) };
#undef QV_ENUMERATOR

#define QV_COUNT(name) +1 // NOLINT(bugprone-macro-parentheses): a term of a sum
inline constexpr std::size_t kInputFieldCount = 0 QV_INPUT_FIELDS(QV_COUNT);
inline constexpr std::size_t kFieldCount = kInputFieldCount QV_RESULT_FIELDS(QV_COUNT);
inline constexpr std::size_t kOptionCount = 0 QV_OPTIONS(QV_COUNT);
inline constexpr std::size_t kControlCount = 0 QV_CONTROLS(QV_COUNT);
#undef QV_COUNT

// The sheets of the main window, in tab order.
enum class Sheet : std::uint8_t {
    PrimarySheet, SecondarySheet, TransCapSheet, TopLoadCSheet, ReferenceSheet, SparkGapSheet, TabSheet1
};
inline constexpr std::size_t kSheetCount = 7;

std::string_view name(FieldId id);
std::string_view name(OptionId id);
std::string_view name(ControlId id);
std::string_view caption(Sheet sheet);
std::optional<FieldId> fieldByName(std::string_view name);
std::optional<OptionId> optionByName(std::string_view name);
std::optional<ControlId> controlByName(std::string_view name);

enum class Colour : std::uint8_t { White, Aqua };

struct Field {
    std::string text;
    bool modified = false; // set by typing, cleared by every write of the program
    bool readOnly = true;
    bool enabled = true;
    bool visible = true;
    Colour colour = Colour::White;
};

struct Option {
    bool checked = false;
    bool visible = true;
    bool enabled = true;
};

struct Control {
    std::string caption;
    bool visible = true;
    bool enabled = true;
};

// Every change bumps the element's revision, so a view redraws only what changed.
class Form {
public:
    const Field& field(FieldId id) const { return fields_[index(id)]; }
    const Option& option(OptionId id) const { return options_[index(id)]; }
    const Control& control(ControlId id) const { return controls_[index(id)]; }
    std::uint64_t revision(FieldId id) const { return fieldRevisions_[index(id)]; }
    std::uint64_t revision(OptionId id) const { return optionRevisions_[index(id)]; }
    std::uint64_t revision(ControlId id) const { return controlRevisions_[index(id)]; }

    // The program writes a field: the text changes and the modified mark is cleared.
    void write(FieldId id, std::string_view text);
    // The user types into a field: the text changes and the modified mark is set.
    void type(FieldId id, std::string_view text);
    void setReadOnly(FieldId id, bool readOnly);
    void setEnabled(FieldId id, bool enabled);
    void setVisible(FieldId id, bool visible);
    void setColour(FieldId id, Colour colour);

    // Checks a radio button (clearing the others of its group) or sets a check box.
    void setChecked(OptionId id, bool checked);
    bool checked(OptionId id) const { return option(id).checked; }
    void setVisible(OptionId id, bool visible);

    void setCaption(ControlId id, std::string_view caption);
    void setVisible(ControlId id, bool visible);
    void setEnabled(ControlId id, bool enabled);

    std::array<std::string, 2> statusPanels;
    Sheet activeSheet = Sheet::PrimarySheet;
    // A field the window should move the keyboard focus to (the secondary spin buttons ask for it).
    std::optional<FieldId> focusRequest;

private:
    template <typename Id> static std::size_t index(Id id) { return static_cast<std::size_t>(id); }
    template <typename Id> void touch(Id id);

    std::array<Field, kFieldCount> fields_{};
    std::array<Option, kOptionCount> options_{};
    std::array<Control, kControlCount> controls_{};
    std::array<std::uint64_t, kFieldCount> fieldRevisions_{};
    std::array<std::uint64_t, kOptionCount> optionRevisions_{};
    std::array<std::uint64_t, kControlCount> controlRevisions_{};
    std::uint64_t nextRevision_ = 1;
};

} // namespace qv
