#include "unit_switch.h"

#include "ui/model_text.h"

#include <QButtonGroup>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

namespace qv {
namespace {

QToolButton* addUnitButton(QToolBar* bar, QButtonGroup* group, const char* name, const char* caption,
                           const char* hint)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    group->addButton(button);
    bar->addWidget(button);
    return button;
}

} // namespace

UnitSwitch addUnitSwitch(QToolBar* bar)
{
    bar->addSeparator();
    auto* group = new QButtonGroup(bar);
    UnitSwitch buttons;
    buttons.inches = addUnitButton(bar, group, "InchesButton", "in", "Inches / Millimetres: show every length in inches and feet");
    buttons.millimetres = addUnitButton(bar, group, "MillimetresButton", "mm",
                                        "Inches / Millimetres: show every length in millimetres and metres");
    buttons.inches->setChecked(true);
    return buttons;
}

void showUnitChoice(const UnitSwitch& buttons, LengthUnit unit)
{
    (unit == LengthUnit::Inches ? buttons.inches : buttons.millimetres)->setChecked(true);
}

LengthUnit rememberedLengthUnit()
{
    const std::string name = fromQt(QSettings().value(kLengthUnitSetting).toString());
    return lengthUnitByName(name).value_or(LengthUnit::Inches);
}

void rememberLengthUnit(LengthUnit unit) { QSettings().setValue(kLengthUnitSetting, toQt(unitName(unit))); }

} // namespace qv
