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
        {"Diameter", FieldId::SEEdit1, "in"},
        {"Length", FieldId::SEEdit2, "in"},
        {"Gauge", FieldId::SEEdit3},
        {"Turns/Inch", FieldId::SEEdit4, "@ 97 %", {}, "Turns/cm"},
        {"H/D Aspect", FieldId::SEEdit9},
        {"Inductance", FieldId::SEEdit5, "mH"},
        {"Medhurst_K", FieldId::SEEdit10},
        {"Self_C", FieldId::SEEdit11, "pf"},
    });

    const int below = addRows(this, kRight, {
        {"Radius", FieldId::SEEdit6, "in"},
        {"Circumference", FieldId::SEEdit7, "in"},
        {"Length of wire", FieldId::SEEdit8, "ft"},
        {"Total Turns", FieldId::SEEdit17},
        {"Frequency", FieldId::SEEdit12, "KHz"},
        {"1/4 Wave", FieldId::SEEdit15, "ft"},
    });
    // The loaded coil: its frequency, the top-load capacitance it is loaded with, its 1/4 wave.
    addLabel(this, "W/Top Load C", QRect(kRight.x, below, 120, 16));
    addRows(this, Column{kRight.x, below + 18, kRight.captionWidth}, {
        {"Frequency", FieldId::SEEdit13, "KHz"},
        {"of =>", FieldId::SEEdit14, "pf"},
        {"1/4 Wave", FieldId::SEEdit16, "ft"},
    });
}

} // namespace qv
