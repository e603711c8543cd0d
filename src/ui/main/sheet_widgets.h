#pragma once
// Building blocks of the sheets. The sheets are laid out at fixed logical pixels, as the
// calculator's form always was; every widget a model element drives is named by that element's
// id and carries its name as its object name, which is all the binder needs.

#include "core/form.h"
#include "core/length_unit.h"

#include <QLabel>
#include <QRect>
#include <QString>

#include <optional>

class QAbstractButton;
class QGroupBox;

namespace qv {

class FieldEdit;
class SpinControl;

inline constexpr int kRowHeight = 21;
inline constexpr int kRowPitch = 24;
// Nine characters, the most a field shows in practice: "%7.4f" of a frequency or an LC product
// in the thousands (1558.6742), "%8.4f" of a capacitance in the thousands.
inline constexpr int kFieldWidth = 72;
inline constexpr int kUnitWidth = 22;
inline constexpr int kGap = 3;
// Between a caption's text and its field, so the two never read as one.
inline constexpr int kCaptionGap = 6;

// One row of a column: a caption, a field, its unit and, where the field table gives the field
// one, a spin button. A null unit leaves it out.
struct Row {
    const char* caption;
    FieldId field;
    const char* unit = nullptr;
    // A caption label the program retitles or hides.
    std::optional<ControlId> captionLabel{};
    // The caption in a millimetre session, where it names the unit itself ("Turns/cm").
    const char* metricCaption = nullptr;
};

// captionWidth runs from x to the field and includes the caption's gap.
struct Column {
    int x;
    int y;
    int captionWidth;
};

// Adds the rows one under the other; returns the y below the last row.
int addRows(QWidget* sheet, Column column, std::initializer_list<Row> rows);
void addRow(QWidget* sheet, Column column, int y, const Row& row);

QLabel* addLabel(QWidget* parent, const QString& text, QRect where, const char* name = nullptr);
// A label the program retitles or hides.
QLabel* addLabel(QWidget* parent, const QString& text, QRect where, ControlId id);
// A maroon, bold heading.
QLabel* addHeading(QWidget* parent, const QString& text, QRect where, int pixelSize = 0);
FieldEdit* addField(QWidget* parent, FieldId id, QRect where);
SpinControl* addSpin(QWidget* parent, ControlId id, QPoint at);
QAbstractButton* addRadio(QWidget* parent, OptionId id, const QString& text, QRect where);
QAbstractButton* addCheck(QWidget* parent, OptionId id, const QString& text, QRect where);
QGroupBox* addPanel(QWidget* parent, const QString& title, QRect where);

// A label whose text names a unit of length shows inchText or metricText as the session's unit is.
void followLengthUnit(QLabel* label, const QString& inchText, const QString& metricText);
// Every such label under root shows its text for the unit, as wide as that text.
void showLengthUnit(QWidget* root, LengthUnit unit);

inline const QColor kHeadingColour{128, 0, 0};

} // namespace qv
