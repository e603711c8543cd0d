#include "sheets.h"

#include "sheet_widgets.h"

namespace qv {

namespace {
constexpr Column kLeft{4, 6, 78};
constexpr Column kRight{226, 6, 92};
} // namespace

SecondarySheet::SecondarySheet(QWidget* parent) : QWidget(parent)
{
    setObjectName("SecondarySheet");
    addRows(this, kLeft, {
        {"Diameter", "SEEdit1", "in", "SESpinButton1"},
        {"Length", "SEEdit2", "in", "SESpinButton2"},
        {"Gauge", "SEEdit3", nullptr, "SESpinButton3"},
        {"Turns/Inch", "SEEdit4", "@ 97 %", "SESpinButton4"},
        {"H/D Aspect", "SEEdit9"},
        {"Inductance", "SEEdit5", "mH"},
        {"Medhurst_K", "SEEdit10"},
        {"Self_C", "SEEdit11", "pf"},
    });

    const int below = addRows(this, kRight, {
        {"Radius", "SEEdit6", "in"},
        {"Circumference", "SEEdit7", "in"},
        {"Length of wire", "SEEdit8", "ft"},
        {"Total Turns", "SEEdit17"},
        {"Frequency", "SEEdit12", "KHz"},
        {"1/4 Wave", "SEEdit15", "ft"},
    });
    // The loaded coil: its frequency, the top-load capacitance it is loaded with, its 1/4 wave.
    addLabel(this, "W/Top Load C", QRect(kRight.x, below, 120, 16));
    addRows(this, Column{kRight.x, below + 18, kRight.captionWidth}, {
        {"Frequency", "SEEdit13", "KHz"},
        {"of =>", "SEEdit14", "pf"},
        {"1/4 Wave", "SEEdit16", "ft"},
    });
}

} // namespace qv
