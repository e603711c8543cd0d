#pragma once
// The Inches / Millimetres switch at the end of the tool bar: two buttons of which one is down.
// The choice belongs to the person at the calculator, not to the design, so it is kept in the
// settings and never in a design file.

#include "core/length_unit.h"

class QToolBar;
class QToolButton;

namespace qv {

// The settings key of the unit the calculator shows lengths in ("in" or "mm").
inline constexpr const char* kLengthUnitSetting = "view/lengthUnit";

struct UnitSwitch {
    QToolButton* inches = nullptr;
    QToolButton* millimetres = nullptr;
};

UnitSwitch addUnitSwitch(QToolBar* bar);
// Puts the unit's button down without a click.
void showUnitChoice(const UnitSwitch& buttons, LengthUnit unit);

// The unit the settings hold, inches when they hold none.
LengthUnit rememberedLengthUnit();
void rememberLengthUnit(LengthUnit unit);

} // namespace qv
