#pragma once
// Building blocks of the sheets. The sheets are laid out at fixed logical pixels, as the
// calculator's form always was; every widget a model element drives carries that element's
// name as its object name, which is all the binder needs.

#include <QLabel>
#include <QRect>
#include <QString>

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

// One row of a column: a caption, a field, its unit and, where it has one, a spin button.
// Names are object names; a null unit or spin leaves that part out.
struct Row {
    const char* caption;
    const char* field;
    const char* unit = nullptr;
    const char* spin = nullptr;
    // Named caption labels are ones the program retitles or hides.
    const char* captionName = nullptr;
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
// A maroon, bold heading.
QLabel* addHeading(QWidget* parent, const QString& text, QRect where, int pixelSize = 0);
FieldEdit* addField(QWidget* parent, const char* name, QRect where);
SpinControl* addSpin(QWidget* parent, const char* name, QPoint at);
QAbstractButton* addRadio(QWidget* parent, const char* name, const QString& text, QRect where);
QAbstractButton* addCheck(QWidget* parent, const char* name, const QString& text, QRect where);
QGroupBox* addPanel(QWidget* parent, const QString& title, QRect where);

inline const QColor kHeadingColour{128, 0, 0};

} // namespace qv
