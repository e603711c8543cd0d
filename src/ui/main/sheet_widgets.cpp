#include "sheet_widgets.h"

#include "field_edit.h"
#include "core/input_fields.h"
#include "ui/model_text.h"
#include "ui/spin_control/spin_control.h"

#include <algorithm>

#include <QCheckBox>
#include <QVariant>
#include <QGroupBox>
#include <QRadioButton>

namespace qv {
namespace {

template <typename Id> QString objectName(Id id) { return toQt(name(id)); }

constexpr const char* kInchTextProperty = "quorvaneInchText";
constexpr const char* kMetricTextProperty = "quorvaneMetricText";

} // namespace

QLabel* addLabel(QWidget* parent, const QString& text, QRect where, const char* name)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(where);
    if (name) label->setObjectName(name);
    return label;
}

QLabel* addLabel(QWidget* parent, const QString& text, QRect where, ControlId id)
{
    QLabel* label = addLabel(parent, text, where);
    label->setObjectName(objectName(id));
    return label;
}

QLabel* addHeading(QWidget* parent, const QString& text, QRect where, int pixelSize)
{
    QLabel* label = addLabel(parent, text, where);
    QFont font = label->font();
    font.setBold(true);
    if (pixelSize > 0) font.setPixelSize(pixelSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kHeadingColour);
    label->setPalette(palette);
    return label;
}

FieldEdit* addField(QWidget* parent, FieldId id, QRect where)
{
    auto* edit = new FieldEdit(parent);
    edit->setObjectName(objectName(id));
    edit->setGeometry(where);
    edit->setDesignedWidth(where.width());
    return edit;
}

SpinControl* addSpin(QWidget* parent, ControlId id, QPoint at)
{
    auto* spin = new SpinControl(parent);
    spin->setObjectName(objectName(id));
    spin->setGeometry(QRect(at, QSize(SpinControl::kWidth, kRowHeight)));
    return spin;
}

QAbstractButton* addRadio(QWidget* parent, OptionId id, const QString& text, QRect where)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(objectName(id));
    button->setGeometry(where);
    return button;
}

QAbstractButton* addCheck(QWidget* parent, OptionId id, const QString& text, QRect where)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(objectName(id));
    box->setGeometry(where);
    return box;
}

QGroupBox* addPanel(QWidget* parent, const QString& title, QRect where)
{
    auto* panel = new QGroupBox(title, parent);
    panel->setGeometry(where);
    return panel;
}

void followLengthUnit(QLabel* label, const QString& inchText, const QString& metricText)
{
    label->setProperty(kInchTextProperty, inchText);
    label->setProperty(kMetricTextProperty, metricText);
}

void showLengthUnit(QWidget* root, LengthUnit unit)
{
    const char* property = unit == LengthUnit::Inches ? kInchTextProperty : kMetricTextProperty;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        const QVariant text = label->property(property);
        if (!text.isValid() || label->text() == text.toString()) continue;
        label->setText(text.toString());
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    }
}

void addRow(QWidget* sheet, Column column, int y, const Row& row)
{
    int x = column.x;
    const QRect captionRect(x, y, column.captionWidth - kCaptionGap, kRowHeight);
    if (row.captionLabel) addLabel(sheet, row.caption, captionRect, *row.captionLabel);
    else if (*row.caption) {
        QLabel* caption = addLabel(sheet, row.caption, captionRect);
        if (row.metricCaption) followLengthUnit(caption, row.caption, row.metricCaption);
    }
    x += column.captionWidth;
    addField(sheet, row.field, QRect(x, y, kFieldWidth, kRowHeight));
    x += kFieldWidth;
    if (const std::optional<ControlId> spin = spinButton(row.field)) {
        addSpin(sheet, *spin, QPoint(x, y));
        x += SpinControl::kWidth;
    }
    if (row.unit) {
        QLabel* unit = addLabel(sheet, row.unit, QRect(x + kGap, y, kUnitWidth, kRowHeight));
        unit->resize(unit->sizeHint().width(), kRowHeight);
        // A length's unit comes from the field table, so it names the unit the field shows.
        const LengthQuantity quantity = metricOf(row.field).quantity;
        if (quantity != LengthQuantity::None && toQt(unitCaption(quantity, LengthUnit::Inches)) == row.unit)
            followLengthUnit(unit, row.unit, toQt(unitCaption(quantity, LengthUnit::Millimetres)));
    }
}

int addRows(QWidget* sheet, Column column, std::initializer_list<Row> rows)
{
    int y = column.y;
    for (const Row& row : rows) {
        addRow(sheet, column, y, row);
        y += kRowPitch;
    }
    return y;
}

} // namespace qv
