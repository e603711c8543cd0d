#include "sheets.h"

#include "sheet_widgets.h"

namespace qv {

namespace {
constexpr Column kLeft{4, 10, 124};
constexpr int kTwoLinePitch = 36;
constexpr Column kRight{250, 10, 0};
} // namespace

TransCapSheet::TransCapSheet(QWidget* parent) : QWidget(parent)
{
    setObjectName("TransCapSheet");
    // Each caption reads "Primary Transformer" over the quantity; the field sits level with
    // the caption's middle.
    struct TwoLineRow {
        const char* quantity;
        Row row;
    };
    const TwoLineRow rows[] = {
        {"Output Voltage", {"", FieldId::TCEdit1, "VAC"}},
        {"Rated Current", {"", FieldId::TCEdit2, "A"}},
        {"Input Frequency", {"", FieldId::TCEdit3, "Hz"}},
        {"Input Voltage", {"", FieldId::TCEdit6, "VAC"}},
    };
    int y = kLeft.y;
    for (const auto& [quantity, row] : rows) {
        addLabel(this, QString("Primary Transformer\n") + quantity, QRect(kLeft.x, y, kLeft.captionWidth, 32));
        addRow(this, kLeft, y + 5, row);
        y += kTwoLinePitch;
    }

    addLabel(this, "Capacitor Match", QRect(kRight.x, kRight.y, 120, 16));
    addField(this, FieldId::TCEdit4, QRect(kRight.x, kRight.y + 18, kFieldWidth, kRowHeight));
    addLabel(this, "uF", QRect(kRight.x + kFieldWidth + kGap, kRight.y + 18, kUnitWidth, kRowHeight));

    const int bottom = y + 12;
    addLabel(this, "Recommended Power Factor Correction Capacitor", QRect(kLeft.x, bottom, 300, 16));
    constexpr int kPfcFieldWidth = kFieldWidth;
    addField(this, FieldId::TCEdit5, QRect(kLeft.x, bottom + 18, kPfcFieldWidth, kRowHeight));
    addLabel(this, "uF", QRect(kLeft.x + kPfcFieldWidth + kGap, bottom + 18, kUnitWidth, kRowHeight));
    addRow(this, Column{kLeft.x + kPfcFieldWidth + 2 * kGap + kUnitWidth + 6, bottom + 18, 120}, bottom + 18,
           {"For A PFC Rating Of", FieldId::TCEdit7, "%"});
}

} // namespace qv
