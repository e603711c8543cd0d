// Any text as a saved netlist: the translation either refuses it with words for the user or gives
// a deck that ngspice can be handed, closed by exactly one .end and with a positive stop time.
#include "sim/ngspice_deck.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qv::DeckTranslation translation = qv::translateDeck(text);
    if (translation.deck.has_value() == !translation.errorMessage.empty()) std::abort();
    if (!translation.deck)
        return 0;
    const qv::NgspiceDeck& deck = *translation.deck;
    const std::string_view end = ".end\n";
    if (!deck.text.ends_with(end) || deck.text.find(end) != deck.text.size() - end.size()) std::abort();
    if (!(deck.stopSeconds > 0.0) || deck.topNode.empty() || deck.tankNodes.positiveNode.empty()) std::abort();
    return 0;
}
