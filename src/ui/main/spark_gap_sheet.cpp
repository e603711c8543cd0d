#include "sheets.h"

#include "sheet_widgets.h"

#include <QGroupBox>

namespace qv {

namespace {
constexpr QRect kPanel{4, 2, kSheetWidth - 8, 282};
constexpr Column kMotor{10, 36, 228};
constexpr QRect kGapGroup{6, 62, kSheetWidth - 20, 146};
constexpr Column kGapRows{6, 22, 228};
constexpr Column kBottom{10, 0, 120};
} // namespace

SparkGapSheet::SparkGapSheet(QWidget* parent) : QWidget(parent)
{
    setObjectName("SparkGapSheet");
    QGroupBox* panel = addPanel(this, QString(), kPanel);
    addRadio(panel, OptionId::RadioButton1, "Series Gaps", QRect(10, 10, 120, 20));
    addRadio(panel, OptionId::RadioButton2, "Rotary Gaps", QRect(150, 10, 120, 20));
    addRow(panel, kMotor, kMotor.y, {"Motor RPM", FieldId::SGEdit7, nullptr, ControlId::SGLabel7});

    QGroupBox* gaps = addPanel(panel, "Gap Properties", kGapGroup);
    addRows(gaps, kGapRows, {
        {"Number of Gaps", FieldId::SGEdit2, nullptr, ControlId::Label89},
        {"Each Gap Width (IN)", FieldId::SGEdit6, nullptr, ControlId::Label90},
        {"Thickness of Largest Electrode", FieldId::SGEdit3, nullptr, ControlId::SGLabel3},
        {"Radius of Rotating Electrode", FieldId::SGEdit4, nullptr, ControlId::SGLabel4},
        {"Number of Presentations Per Revolution", FieldId::SGEdit5, nullptr, ControlId::SGLabel5},
    });

    const int bottom = kGapGroup.bottom() + 6;
    addLabel(panel, "Single Gap", QRect(kBottom.x, bottom, 120, 16), ControlId::Label92);
    addRow(panel, kBottom, bottom + 16, {"Trigger Voltage", FieldId::SGEdit8});
    addRow(panel, kBottom, bottom + 16 + kRowPitch, {"Break Rate", FieldId::SGEdit1, "Hz"});
}

} // namespace qv
