// The recalculation pass that runs the stages in their order, and the option clicks whose
// handlers are stages' own.

#include "calc/stages.h"
#include "core/calculator.h"
#include "core/reference_list.h"

namespace qv {
namespace {

// Clears the pass guard however the pass ends.
class PassGuard {
public:
    explicit PassGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~PassGuard() { flag_ = false; }
    PassGuard(const PassGuard&) = delete;
    PassGuard& operator=(const PassGuard&) = delete;

private:
    bool& flag_;
};

} // namespace

void Main_Loop1(Calculator& calc)
{
    if (calc.passInProgress) return;
    const PassGuard guard(calc.passInProgress);
    calc.form.statusPanels[0] = calc.designFileName;
    Update_T_C(calc);
    Update_Sec(calc);
    Update_Pri(calc);
    Update_Parms(calc);
    calc.topLoadFlag = calc.form.checked(OptionId::TopLoadCheck);
}

void clickOption(Calculator& calc, OptionId id)
{
    const bool isCheckBox = id == OptionId::TopLoadCheck || id == OptionId::NoCap;
    calc.form.setChecked(id, isCheckBox ? !calc.form.checked(id) : true);
    if (id == OptionId::RadioButton1) RadioButton1Click(calc);
    if (id == OptionId::RadioButton2) RadioButton2Click(calc);
}

} // namespace qv
