#include "sheets.h"

#include "sheet_widgets.h"

#include <QGroupBox>

namespace qv {

namespace {
constexpr Column kLeft{4, 6, 126};
constexpr Column kRight{242, 6, 94};
// The shape panel spans the sheet below both columns, so the shapes keep their full captions.
constexpr QRect kShapePanel{4, 200, kSheetWidth - 8, 92};
} // namespace

PrimarySheet::PrimarySheet(QWidget* parent) : QWidget(parent)
{
    setObjectName("PrimarySheet");
    const int below = addRows(this, kLeft, {
        {"Inside Diameter", "PREdit1", "in", "PRSpinButton1"},
        {"Wire Diameter", "PREdit2", "in", "PRSpinButton2"},
        {"Spacing", "PREdit3", "in", "PRSpinButton3"},
        {"Total Turns", "PREdit4", nullptr, "PRSpinButton4"},
        {"Total Inductance", "PREdit5", "mH"},
        {"Secondary Frequency", "PREdit9", "KHz"},
        {"Required C", "PREdit13", "uf"},
    });
    addCheck(this, "TopLoadCheck", "W/Top Load C", QRect(kLeft.x, below + 2, 140, kRowHeight));

    addRows(this, kRight, {
        {"Average Radius", "PREdit6", "in"},
        {"Total Diameter", "PREdit7", "in"},
        {"Length of wire", "PREdit8", "ft"},
        {"LpCp", "PREdit10"},
        {"LsCs", "PREdit11"},
    });

    // The panel's own title would be drawn in the group box's style; the heading is the form's.
    QGroupBox* panel = addPanel(this, QString(), kShapePanel);
    addHeading(panel, "Coil Configuration ", QRect(8, 4, 140, 16));
    addRadio(panel, "FlatPrimary", "Flat Archimedes Spiral", QRect(10, 22, 190, 20));
    addRadio(panel, "VerticalPrimary", "Vertical Helix", QRect(10, 44, 190, 20));
    addRadio(panel, "ConicalPrimary", "Inverse Conical \"Saucer\"", QRect(10, 66, 190, 20));
    QLabel* angle = addLabel(panel, "Angle From Horizontal Plane", QRect(210, 22, 150, 30));
    angle->setWordWrap(true);
    addField(panel, "PREdit12", QRect(210, 56, kFieldWidth, kRowHeight));
    addLabel(panel, "degrees", QRect(210 + kFieldWidth + kGap, 56, 60, kRowHeight));
}

} // namespace qv
