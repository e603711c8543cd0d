// Any text through the number parser: no crash, no undefined behaviour, and a value it accepts is
// finite and reads back the same after the field formatter has written it with every digit.
#include "core/format.h"
#include "core/number_parser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qv::ParseResult parsed = qv::parseNumber(text);
    if (!parsed.ok) {
        if (parsed.badPosition < 1 || parsed.badPosition > size + 1) std::abort();
        return 0;
    }
    if (!std::isfinite(parsed.value) || parsed.badPosition != 0) std::abort();
    // The formatter's text for the value must parse again (the Reference list relies on it).
    if (!qv::parseNumber(qv::formatField(parsed.value, qv::Format(7, 4))).ok) std::abort();
    return 0;
}
