// Any text as a saved netlist: the translation either refuses it with words for the user or gives
// a deck that ngspice can be handed, with a positive stop time and closed by exactly one .end
// statement, its last line (a comment may still hold the letters ".end").
#include "sim/deck_lines.h"
#include "sim/ngspice_deck.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

std::size_t endStatements(std::string_view text)
{
    std::size_t count = 0;
    for (const auto& line : qv::deck::splitLines(text)) {
        const auto words = qv::deck::tokens(line);
        if (!words.empty() && qv::deck::toLower(words.front()) == ".end") ++count;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qv::DeckTranslation translation = qv::translateDeck(text);
    if (translation.deck.has_value() == !translation.errorMessage.empty()) std::abort();
    if (!translation.deck)
        return 0;
    const qv::NgspiceDeck& deck = *translation.deck;
    if (!deck.text.ends_with("\n.end\n") || endStatements(deck.text) != 1) std::abort();
    if (!(deck.stopSeconds > 0.0) || deck.topNode.empty() || deck.tankNodes.positiveNode.empty()) std::abort();
    return 0;
}
