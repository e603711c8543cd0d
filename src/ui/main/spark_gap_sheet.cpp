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
    addRadio(panel, "RadioButton1", "Series Gaps", QRect(10, 10, 120, 20));
    addRadio(panel, "RadioButton2", "Rotary Gaps", QRect(150, 10, 120, 20));
    addRow(panel, kMotor, kMotor.y, {"Motor RPM", "SGEdit7", nullptr, "SGSpinButton7", "SGLabel7"});

    QGroupBox* gaps = addPanel(panel, "Gap Properties", kGapGroup);
    addRows(gaps, kGapRows, {
        {"Number of Gaps", "SGEdit2", nullptr, "SGSpinButton2", "Label89"},
        {"Each Gap Width (IN)", "SGEdit6", nullptr, "SGSpinButton6", "Label90"},
        {"Thickness of Largest Electrode", "SGEdit3", nullptr, "SGSpinButton3", "SGLabel3"},
        {"Radius of Rotating Electrode", "SGEdit4", nullptr, "SGSpinButton4", "SGLabel4"},
        {"Number of Presentations Per Revolution", "SGEdit5", nullptr, "SGSpinButton5", "SGLabel5"},
    });

    const int bottom = kGapGroup.bottom() + 6;
    addLabel(panel, "Single Gap", QRect(kBottom.x, bottom, 120, 16), "Label92");
    addRow(panel, kBottom, bottom + 16, {"Trigger Voltage", "SGEdit8"});
    addRow(panel, kBottom, bottom + 16 + kRowPitch, {"Break Rate", "SGEdit1", "Hz", "SGSpinButton1"});
}

} // namespace qv
