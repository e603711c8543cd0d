#include "sheets.h"

#include "sheet_widgets.h"

#include <QGroupBox>

namespace qv {

namespace {
constexpr Column kLeft{4, 6, 126};
constexpr Column kRight{247, 6, 93};
// The shape panel spans the sheet below both columns, so the shapes keep their full captions.
constexpr QRect kShapePanel{4, 200, kSheetWidth - 8, 92};
} // namespace

PrimarySheet::PrimarySheet(QWidget* parent) : QWidget(parent)
{
    setObjectName("PrimarySheet");
    const int below = addRows(this, kLeft, {
        {"Inside Diameter", FieldId::PREdit1, "in"},
        {"Wire Diameter", FieldId::PREdit2, "in"},
        {"Spacing", FieldId::PREdit3, "in"},
        {"Total Turns", FieldId::PREdit4, nullptr},
        {"Total Inductance", FieldId::PREdit5, "mH"},
        {"Secondary Frequency", FieldId::PREdit9, "KHz"},
        {"Required C", FieldId::PREdit13, "uf"},
    });
    addCheck(this, OptionId::TopLoadCheck, "W/Top Load C", QRect(kLeft.x, below + 2, 140, kRowHeight));

    addRows(this, kRight, {
        {"Average Radius", FieldId::PREdit6, "in"},
        {"Total Diameter", FieldId::PREdit7, "in"},
        {"Length of wire", FieldId::PREdit8, "ft"},
        {"LpCp", FieldId::PREdit10},
        {"LsCs", FieldId::PREdit11},
    });

    // The panel's own title would be drawn in the group box's style; the heading is the form's.
    QGroupBox* panel = addPanel(this, QString(), kShapePanel);
    addHeading(panel, "Coil Configuration ", QRect(8, 4, 140, 16));
    addRadio(panel, OptionId::FlatPrimary, "Flat Archimedes Spiral", QRect(10, 22, 190, 20));
    addRadio(panel, OptionId::VerticalPrimary, "Vertical Helix", QRect(10, 44, 190, 20));
    addRadio(panel, OptionId::ConicalPrimary, "Inverse Conical \"Saucer\"", QRect(10, 66, 190, 20));
    QLabel* angle = addLabel(panel, "Angle From Horizontal Plane", QRect(210, 22, 150, 30));
    angle->setWordWrap(true);
    addField(panel, FieldId::PREdit12, QRect(210, 56, kFieldWidth, kRowHeight));
    addLabel(panel, "degrees", QRect(210 + kFieldWidth + kGap, 56, 60, kRowHeight));
}

} // namespace qv
