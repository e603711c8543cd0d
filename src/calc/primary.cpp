// Primary coil stage (filled in with the primary coil, transformer match and spark gap).

#include "calc/stages.h"
#include "core/calculator.h"

namespace qv {

void Update_Pri(Calculator& /*calc*/) {}

void RadioButton1Click(Calculator& /*calc*/) {}
void RadioButton2Click(Calculator& /*calc*/) {}

} // namespace qv
