#include "sim/coil_as_it_stands.h"

#include "core/calculator.h"
#include "sim/deck_lines.h"
#include "sim/ngspice_deck.h"

#include <cstdio>
#include <initializer_list>
#include <vector>

namespace qv {

namespace {

constexpr double kHenriesPerMicrohenry = 1e-6;
constexpr double kHenriesPerMillihenry = 1e-3;
constexpr double kFaradsPerPicofarad = 1e-12;
constexpr const char* kUncheckHint =
    " Uncheck \"Simulate the coil as it stands\" to simulate the netlist with the sheets' figures.";

// What a group of the coil's parts stands for, and how its value is written.
enum class CoilQuantity { coupling, primaryInductance, secondaryInductance, selfCapacitance, topLoad, secondaryCapacitance };

struct PartGroup {
    CoilQuantity quantity;
    std::vector<std::string_view> names; // a ladder's sections, or one part
};

// The parts of each model that the field solution sets. Model 3's TX1 is the supply transformer;
// its Tesla coil is TX2.
std::vector<PartGroup> coilParts(CoilModel model)
{
    using Q = CoilQuantity;
    switch (model) {
    case CoilModel::standardRlc:
        return {{Q::coupling, {"K_TX1"}}, {Q::primaryInductance, {"L1_TX1"}}, {Q::secondaryInductance, {"L2_TX1"}},
                {Q::secondaryCapacitance, {"C_C2"}}};
    case CoilModel::distributedLadder:
        return {{Q::coupling, {"K_TX1"}},
                {Q::primaryInductance, {"L1_TX1"}},
                {Q::secondaryInductance, {"L2_TX1", "L3", "L4", "L5", "L6", "L7", "L8"}},
                {Q::selfCapacitance, {"C_C2", "C_C3", "C_C4", "C_C5", "C_C6", "C_C7"}},
                {Q::topLoad, {"C_C8"}}};
    case CoilModel::complex:
        return {{Q::coupling, {"K_TX2"}}, {Q::primaryInductance, {"L1_TX2"}}, {Q::secondaryInductance, {"L2_TX2"}},
                {Q::selfCapacitance, {"C_C4"}}, {Q::topLoad, {"C_C5"}}};
    }
    return {};
}

// The quantity in SI units (henries, farads; k as it is).
double siValue(CoilQuantity quantity, const CoilAsItStands& coil)
{
    switch (quantity) {
    case CoilQuantity::coupling: return coil.coupling;
    case CoilQuantity::primaryInductance: return coil.primaryInductanceUh * kHenriesPerMicrohenry;
    case CoilQuantity::secondaryInductance: return coil.secondaryInductanceMh * kHenriesPerMillihenry;
    case CoilQuantity::selfCapacitance: return coil.selfCapacitancePf * kFaradsPerPicofarad;
    case CoilQuantity::topLoad: return coil.topLoadPf * kFaradsPerPicofarad;
    case CoilQuantity::secondaryCapacitance: return (coil.selfCapacitancePf + coil.topLoadPf) * kFaradsPerPicofarad;
    }
    return 0.0;
}

// A value word as the netlist writes it: microhenries, picofarads, or k bare.
std::string valueWord(CoilQuantity quantity, double si)
{
    char buffer[40];
    if (quantity == CoilQuantity::coupling)
        std::snprintf(buffer, sizeof buffer, "%.9g", si);
    else if (quantity == CoilQuantity::primaryInductance || quantity == CoilQuantity::secondaryInductance)
        std::snprintf(buffer, sizeof buffer, "%.9guh", si / kHenriesPerMicrohenry);
    else
        std::snprintf(buffer, sizeof buffer, "%.9gpf", si / kFaradsPerPicofarad);
    return buffer;
}

struct PartLine {
    std::size_t index;            // in the netlist's lines
    std::vector<std::string> words;
};

// The part's statement; the .ALIASES block names the parts again, as the schematic's pins.
std::optional<PartLine> findPart(const std::vector<std::string>& lines, std::string_view name)
{
    bool inAliases = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::vector<std::string> words = deck::tokens(lines[i]);
        const std::string first = words.empty() ? std::string() : deck::toLower(words[0]);
        if (first == ".aliases" || first == ".endaliases")
            inAliases = first == ".aliases";
        else if (!inAliases && first == deck::toLower(name))
            return PartLine{i, std::move(words)};
    }
    return std::nullopt;
}

std::string joinedWords(const std::vector<std::string>& words)
{
    std::string line;
    for (const std::string& word : words)
        line += (line.empty() ? "" : " ") + word;
    return line;
}

// Sets one group's parts in lines; an error message, empty when it went well.
std::string setGroup(std::vector<std::string>& lines, const PartGroup& group, double siTotal)
{
    // Name, nodes (or the two inductors of a coupling), then the value.
    constexpr std::size_t kValueWord = 3;
    std::vector<PartLine> parts;
    double oldTotal = 0.0;
    for (const std::string_view name : group.names) {
        std::optional<PartLine> part = findPart(lines, name);
        if (!part || part->words.size() <= kValueWord)
            return "The netlist has no complete " + std::string(name) + " line to take the coil as it stands.";
        oldTotal += deck::parseValue(part->words[kValueWord]).value_or(0.0);
        parts.push_back(std::move(*part));
    }
    const bool split = parts.size() > 1;
    if (split && !(oldTotal > 0.0))
        return "The netlist's " + std::string(group.names.front()) + " sections have no values to share out.";
    for (PartLine& part : parts) {
        const double share = split ? deck::parseValue(part.words[kValueWord]).value_or(0.0) / oldTotal : 1.0;
        part.words[kValueWord] = valueWord(group.quantity, siTotal * share);
        lines[part.index] = joinedWords(part.words);
    }
    return {};
}

AsItStandsFigures noFigures(const std::string& why)
{
    return {std::nullopt, "The coil as it stands cannot be simulated: " + why + "." + kUncheckHint};
}

} // namespace

AsItStandsFigures coilAsItStands(const field::Analysis& analysis)
{
    if (!analysis.ok())
        return noFigures("the field solution has no value (" + analysis.status + ")");
    struct Needed {
        const field::Figure& figure;
        const char* name;
        double CoilAsItStands::*member;
        bool mayBeZero; // a coil without a top load has none in place
    };
    const Needed needed[] = {
        {analysis.coupling, "coupling k", &CoilAsItStands::coupling, false},
        {analysis.primaryInductanceUh, "primary inductance", &CoilAsItStands::primaryInductanceUh, false},
        {analysis.secondaryInductanceMh, "secondary inductance", &CoilAsItStands::secondaryInductanceMh, false},
        {analysis.selfCapacitancePf, "self-capacitance", &CoilAsItStands::selfCapacitancePf, false},
        {analysis.topLoadInPlacePf, "top-load capacitance", &CoilAsItStands::topLoadPf, true},
    };
    CoilAsItStands coil;
    for (const Needed& n : needed) {
        if (!n.figure.value)
            return noFigures(std::string("the field solution has no ") + n.name + " (" + n.figure.reason + ")");
        const double value = *n.figure.value;
        if (!(value > 0.0 || (n.mayBeZero && value == 0.0)))
            return noFigures(std::string("the field solution's ") + n.name + " is " + std::to_string(value));
        coil.*n.member = value;
    }
    // Two windings cannot share more than all of their flux.
    if (coil.coupling >= 1.0)
        return noFigures("the field solution's coupling k is " + std::to_string(coil.coupling) + ", not below 1");
    return {coil, {}};
}

AsItStandsFigures coilAsItStands(const Calculator& calc)
{
    const bool sphere = calc.form.checked(OptionId::SphereSelect);
    const field::TopLoadShape shape = !calc.topLoadFlag ? field::TopLoadShape::None
                                      : sphere          ? field::TopLoadShape::Sphere
                                                        : field::TopLoadShape::Toroid;
    return coilAsItStands(field::analyse(field::coilModel(calc.design, shape)));
}

std::string asItStandsSummary(const CoilAsItStands& coil)
{
    char line[160];
    std::snprintf(line, sizeof line, "Coil as it stands: k %.3f, Lp %.3g uH, Ls %.3g mH, Cself %.3g pF, Ctop %.3g pF",
                  coil.coupling, coil.primaryInductanceUh, coil.secondaryInductanceMh, coil.selfCapacitancePf,
                  coil.topLoadPf);
    return line;
}

AsItStandsNetlist withCoilAsItStands(std::string_view netlistText, const CoilAsItStands& coil)
{
    std::vector<std::string> lines = deck::splitLines(netlistText);
    const std::optional<CoilModel> model = modelOf(lines);
    if (!model)
        return {std::nullopt, "The netlist names none of the three coil models, so the coil as it stands cannot "
                              "be put into it." + std::string(kUncheckHint)};
    for (const PartGroup& group : coilParts(*model)) {
        const std::string error = setGroup(lines, group, siValue(group.quantity, coil));
        if (!error.empty())
            return {std::nullopt, error + kUncheckHint};
    }
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return {text, {}};
}

} // namespace qv
