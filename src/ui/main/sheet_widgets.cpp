#include "sheet_widgets.h"

#include "field_edit.h"
#include "ui/spin_control/spin_control.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace qv {

QLabel* addLabel(QWidget* parent, const QString& text, QRect where, const char* name)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(where);
    if (name) label->setObjectName(name);
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

FieldEdit* addField(QWidget* parent, const char* name, QRect where)
{
    auto* edit = new FieldEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(where);
    edit->setDesignedWidth(where.width());
    return edit;
}

SpinControl* addSpin(QWidget* parent, const char* name, QPoint at)
{
    auto* spin = new SpinControl(parent);
    spin->setObjectName(name);
    spin->setGeometry(QRect(at, QSize(SpinControl::kWidth, kRowHeight)));
    return spin;
}

QAbstractButton* addRadio(QWidget* parent, const char* name, const QString& text, QRect where)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(where);
    return button;
}

QAbstractButton* addCheck(QWidget* parent, const char* name, const QString& text, QRect where)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(where);
    return box;
}

QGroupBox* addPanel(QWidget* parent, const QString& title, QRect where)
{
    auto* panel = new QGroupBox(title, parent);
    panel->setGeometry(where);
    return panel;
}

void addRow(QWidget* sheet, Column column, int y, const Row& row)
{
    int x = column.x;
    if (*row.caption || row.captionName)
        addLabel(sheet, row.caption, QRect(x, y, column.captionWidth - kCaptionGap, kRowHeight), row.captionName);
    x += column.captionWidth;
    addField(sheet, row.field, QRect(x, y, kFieldWidth, kRowHeight));
    x += kFieldWidth;
    if (row.spin) {
        addSpin(sheet, row.spin, QPoint(x, y));
        x += SpinControl::kWidth;
    }
    if (row.unit) {
        QLabel* unit = addLabel(sheet, row.unit, QRect(x + kGap, y, kUnitWidth, kRowHeight));
        unit->resize(unit->sizeHint().width(), kRowHeight);
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
