#include "netlist/netlist_models.h"

#include "core/format.h"
#include "core/units.h"

#include <array>
#include <cmath>
#include <charconv>
#include <span>
#include <stdexcept>
#include <string_view>
#include <system_error>

namespace qv {
namespace {

// Copper resistivity in ohm times inch.
constexpr double kCopperResistivityOhmInch = 6.6927e-07;
// The resistance formulas use pi to four decimals.
constexpr double kPi = kPiTo4Places;
// Bore of the primary tubing as a fraction of its outside diameter.
constexpr double kTubeBoreFraction = 0.66;
// Air resistance from the top load to ground in the ladder model, ohms.
constexpr double kAirResistanceOhms = 100000.0;

// ---------------------------------------------------------------------------
// Placeholder formatting: every "%W.Pf" of a template is written by the field
// formatter, so a netlist value reads exactly as the same value on a sheet.
std::string fmt(double value, int width, int precision) {
    return qv::formatField(value, qv::Format(width, precision));
}

// ---------------------------------------------------------------------------
// Line templates. Each row is one netlist line as the simulator reads it
// (runs of blanks count) and the values that fill its placeholders, in order.

// What fills a placeholder.
enum class Quantity {
    None,
    Lp,                 // primary inductance, mH
    Creq,               // tank capacitance, uF
    Ls,                 // secondary inductance, mH
    Cs,                 // self-capacitance, pF
    Ctop,               // top-load capacitance, pF
    Model1SecondaryC,   // Cs + Ctop while the top-load flag is set, else Cs; pF
    Vout,               // supply output, V
    Vin,                // supply input, V
    Fline,              // mains frequency, Hz
    Rp,                 // primary tubing resistance, ohms
    Rs,                 // secondary wire resistance, ohms
    AirOhms,            // air resistance of the ladder model, ohms
};
using Q = Quantity;

// A placeholder's value: quantity / divisor, plus quantity / plusDivisor when
// given. The ladder splits Ls and Cs by halving, and its end parts take the
// smallest share once more so that the parts add up to the whole.
struct Fill {
    Quantity quantity = Quantity::None;
    int divisor = 1;
    int plusDivisor = 0;
};

struct TemplateLine {
    std::string_view text;
    Fill first{};
    Fill second{};
};

constexpr std::string_view kBlanks4 = "    ";
constexpr std::string_view kBlanks9 = "         ";
constexpr std::string_view kBlanks14 = "              ";
static_assert(kBlanks4.size() == 4 && kBlanks9.size() == 9 && kBlanks14.size() == 14);

// Lines 1 to 8 of every model; line 2 names the model.
constexpr std::string_view kTitleLine = "*PSpice Output From Quorvane*";
constexpr std::array<std::string_view, 3> kModelLines = {
    "*Simple Model*", "*Distributed Ladder Model*", "*Complex Model*"};
constexpr std::array<std::string_view, 6> kHeaderTail = {
    "*Libraries:", ".lib \"nom.lib\"", "*Analysis directives:", ".TRAN  0.1ms 10ms", ".PROBE", kBlanks9};

// Model 1: primary tank coupled with k = 0.1 to a lumped secondary.
constexpr TemplateLine kStandardRlc[] = {
    {"*L1/L2 Coupling*"},
    {"K_TX1         L1_TX1 L2_TX1 .1"},
    {kBlanks9},
    {"*Primary Inductance*"},
    {"L1_TX1       N02 0 %7.4fmh", {Q::Lp}},
    {kBlanks9},
    {"*Secondary Inductance*"},
    {"L2_TX1       N03 0 %7.4fmh", {Q::Ls}},
    {kBlanks9},
    {"*Solid Copper Wire Secondary Resistance*"},
    {"R_R2           N03 N04  %7.4f", {Q::Rs}},
    {kBlanks9},
    {"*Copper Tubing Primary Resistance*"},
    {"R_R1           N01 N02 %7.4f", {Q::Rp}},
    {kBlanks9},
    {"*Secondary Circuit Total Capacitance*"},
    {"C_C2           0   N04  %7.4fpf", {Q::Model1SecondaryC}},
    {kBlanks9},
    {"*Primary Capacitance*"},
    {"C_C1           0   N01  %7.4fuf", {Q::Creq}},
    {kBlanks9},
    {"*Initial Conditions*"},
    {"*Primary Transformer Output Voltage*"},
    {".IC               V(N01 )=%7.0f", {Q::Vout}},
    {kBlanks4},
    {".ALIASES"},
    {"K_TX1            TX1()"},
    {"L1_TX1          TX1(1=N02 2=0 )"},
    {"L2_TX1          TX1(3=N03 4=0 )"},
    {"R_R2              R2(1=N03  2=N04 )"},
    {"R_R1              R1(1=N01  2=N02 )"},
    {"C_C2               C2(1=0    2=N04 )"},
    {"C_C1               C1(1=0    2=N01 )"},
    {".ENDALIASES"},
    {kBlanks14},
    {".END"},
};

// Model 2: the secondary as a ladder of 7 inductors, 6 resistors and 6
// capacitors, topped by the top load and the air resistance to ground.
constexpr TemplateLine kDistributedLadder[] = {
    {"*L1/L2 Coupling*"},
    {"K_TX1         L1_TX1 L2_TX1 .1"},
    {kBlanks9},
    {"*Copper Tubing Primary Resistance*"},
    {"R_R1           N01 N02 %7.4f", {Q::Rp}},
    {kBlanks9},
    {"*Primary Inductance*"},
    {"L1_TX1       N02 0 %7.4fmh", {Q::Lp}},
    {kBlanks9},
    {"*Primary Capacitance*"},
    {"C_C1           0   N01  %7.4fuf", {Q::Creq}},
    {kBlanks9},
    {"*Secondary Inductance*"},
    {"*Destributed as 7 Inductors Each at 1/(2^n)*"},
    {"L2_TX1       N03 0 %7.4fmh", {Q::Ls, 2, 128}},
    {"L3           N04 N05 %7.4fmh", {Q::Ls, 4}},
    {"L4           N06 N07 %7.4fmh", {Q::Ls, 8}},
    {"L5           N08 N09 %7.4fmh", {Q::Ls, 16}},
    {"L6           N010 N011 %7.4fmh", {Q::Ls, 32}},
    {"L7           N012 N013 %7.4fmh", {Q::Ls, 64}},
    {"L8           N014 N015 %7.4fmh", {Q::Ls, 128}},
    {kBlanks9},
    {"*Solid Copper Wire Secondary Resistance*"},
    {"*Destributed as 6 Resistors Each at 1/6*"},
    {"R_R2           N03 N04  %7.4f", {Q::Rs, 6}},
    {"R_R3           N05 N06  %7.4f", {Q::Rs, 6}},
    {"R_R4           N07 N08  %7.4f", {Q::Rs, 6}},
    {"R_R5           N09 N010  %7.4f", {Q::Rs, 6}},
    {"R_R6           N011 N012  %7.4f", {Q::Rs, 6}},
    {"R_R7           N013 N014  %7.4f", {Q::Rs, 6}},
    {kBlanks9},
    {"*Resistance of Air From TopLoad to Gnd"},
    {"R_R8           N016 0  %7.0f", {Q::AirOhms}},
    {kBlanks9},
    {"*Secondary Circuit Capacitance*"},
    {"*Destributed as 6 Capacitors Each at 1/(2^n)*"},
    {kBlanks9},
    {"C_C2           0   N04  %7.4fpf", {Q::Cs, 64}},
    {"C_C3           0   N06  %7.4fpf", {Q::Cs, 32}},
    {"C_C4           0   N08  %7.4fpf", {Q::Cs, 16}},
    {"C_C5           0   N010  %7.4fpf", {Q::Cs, 8}},
    {"C_C6           0   N012  %7.4fpf", {Q::Cs, 4}},
    {"C_C7           0   N014  %7.4fpf", {Q::Cs, 2, 64}},
    {kBlanks9},
    {"*Secondary Circuit TopLoad Capacitance*"},
    {"C_C8           N016   N015  %7.4fpf", {Q::Ctop}},
    {kBlanks9},
    {"*Initial Conditions*"},
    {"*Primary Transformer Output Voltage*"},
    {".IC               V(N01 )=%7.0f", {Q::Vout}},
    {kBlanks4},
    {".ALIASES"},
    {"K_TX1            TX1()"},
    {"L1_TX1          TX1(1=N02 2=0 )"},
    {"L2_TX1          TX1(3=N03 4=0 )"},
    {"R_R1              R1(1=N01  2=N02 )"},
    {"R_R2              R2(1=N03  2=N04 )"},
    {"R_R3              R3(1=N05  2=N06 )"},
    {"R_R4              R4(1=N07  2=N08 )"},
    {"R_R5              R5(1=N09  2=N010 )"},
    {"R_R6              R6(1=N011  2=N012 )"},
    {"R_R7              R7(1=N013  2=N014 )"},
    {"R_R8              R8(1=N016  2=0 )"},
    {"C_C1               C1(1=0    2=N01 )"},
    {"C_C2               C2(1=0    2=N04 )"},
    {"C_C3               C3(1=0    2=N06 )"},
    {"C_C4               C4(1=0    2=N08 )"},
    {"C_C5               C5(1=0    2=N010 )"},
    {"C_C6               C6(1=0    2=N012 )"},
    {"C_C7               C7(1=0    2=N014 )"},
    {"C_C8               C8(1=N016    2=N015 )"},
    {".ENDALIASES"},
    {kBlanks14},
    {".END"},
};

// Model 3: supply transformer, switched spark gap, the coil, arc and losses.
constexpr TemplateLine kComplex[] = {
    {"*Primary Transformer Input Voltage*"},
    {"V_V1         N01  0  AC %7.0f", {Q::Vin}},
    {"+SIN 0  %7.0f  %7.0f  0 0 0", {Q::Vin}, {Q::Fline}},
    {kBlanks9},
    {"*Primary Transformer Coupling*"},
    {"K_TX1         L1_TX1  L2_TX1 0.9955"},
    {kBlanks9},
    {"*Primary Transformer Inductance*"},
    {"L1_TX1         N03  0  3.183h"},
    {"L2_TX1        N04  0  11458.8h"},
    {kBlanks9},
    {"*Primary Transformer L1 Self Capacitance*"},
    {"C_C1         0  N02  20uf"},
    {kBlanks9},
    {"*Primary Transformer VAC Input Resistance*"},
    {"R_R1         N01  N02  0.5"},
    {kBlanks9},
    {"*Primary Transformer L1 Resistance*"},
    {"R_R2         N02  N03  0.12"},
    {kBlanks9},
    {"*Primary Transformer L2 Resistance*"},
    {"R_R3         N04  N05  154"},
    {kBlanks9},
    {"*Primary Transformer L2 Self Capacitance*"},
    {"C_C2         0  N05  0.396nf"},
    {kBlanks9},
    {"*Spark Gap Model*"},
    {"S_S1         0  N05 N06 0 Sbreak"},
    {"RS_S1        N06  0 1G"},
    {"V_V2         N06  0"},
    {"+PULSE 0 1 8.3333ms 0.1ms 0.1ms 4.1667ms 8.3333ms"},
    {kBlanks4},
    {"*Primary Capacitance*"},
    {"C_C3         N05 N07  %7.4fuf", {Q::Creq}},
    {kBlanks9},
    {"*Copper Tubing Primary Resistance*"},
    {"R_R4         N07  N08  %7.4f", {Q::Rp}},
    {kBlanks9},
    {"*Tesla Coil Coupling*"},
    {"K_TX2         L1_TX2  L2_TX2  0.1"},
    {kBlanks9},
    {"*Tesla Coil Primary Inductance*"},
    {"L1_TX2         N08  0  %7.4fmh", {Q::Lp}},
    {kBlanks9},
    {"*Tesla Coil Secondary Inductance*"},
    {"L2_TX2        N09  0  %7.4fmh", {Q::Ls}},
    {kBlanks9},
    {"*Solid Copper Wire Secondary Resistance*"},
    {"R_R5         N09  N010   %7.4f", {Q::Rs}},
    {kBlanks9},
    {"*Secondary Circuit Capacitance*"},
    {"C_C4           0   N010  %7.4fpf", {Q::Cs}},
    {kBlanks9},
    {"*TopLoad Capacitance*"},
    {"C_C5           0   N010  %7.4fpf", {Q::Ctop}},
    {kBlanks9},
    {"*Capacitance of Arc"},
    {"C_C6         0  N011  5pf"},
    {kBlanks9},
    {"*Resistance of Arc From TopLoad to Gnd"},
    {"R_R7         N010  N011  220000"},
    {kBlanks4},
    {"*Secondary Losses"},
    {"R_R6         0  N010  14Meg"},
    {kBlanks4},
    {".ALIASES"},
    {"K_TX2           TX2()"},
    {"L1_TX2           TX2(1=N08 2=0 )"},
    {"L2_TX2          TX2(3=N09 4=0 )"},
    {"K_TX1           TX1()"},
    {"L1_TX1           TX1(1=N03 2=0 )"},
    {"L2_TX1          TX1(3=N04 4=0 )"},
    {"C_C1            C1(1=0 2=N02 )"},
    {"R_R2            R2(1=N02 2=N03 )"},
    {"R_R1            R1(1=N01 2=N02 )"},
    {"R_R3            R3(1=N04 2=N05 )"},
    {"C_C2            C2(1=0 2=N05 )"},
    {"S_S1            S1(3=0 4=N05 1=N06 2=0 )"},
    {"RS_S1           S1(1=N06 2=0 )"},
    {"V_V2            V2(+=N06 -=0 )"},
    {"R_R7            R7(1=N010 2=N011 )"},
    {"R_R6            R6(1=0 2=N010 )"},
    {"R_R5            R5(1=N09 2=N010 )"},
    {"R_R4            R4(1=N07 2=N08 )"},
    {"C_C3            C3(1=N05 2=N07 )"},
    {"C_C6            C6(1=0 2=N011 )"},
    {"C_C5            C5(1=0 2=N010 )"},
    {"C_C4            C4(1=0 2=N010 )"},
    {"V_V1            V1(+=N01 -=0 )"},
    {".ENDALIASES"},
    {".END"},
};

static_assert(std::size(kStandardRlc) == 44 - 8);
static_assert(std::size(kDistributedLadder) == 82 - 8);
static_assert(std::size(kComplex) == 99 - 8);

// ---------------------------------------------------------------------------
// Filling the templates.

double quantityValue(Quantity quantity, const NetlistInputs& in, const ConductorResistances& r) {
    switch (quantity) {
    case Q::None: break;
    case Q::Lp: return in.primaryInductanceMh;
    case Q::Creq: return in.requiredCapacitanceUf;
    case Q::Ls: return in.secondaryInductanceMh;
    case Q::Cs: return in.selfCapacitancePf;
    case Q::Ctop: return in.topLoadPf;
    case Q::Model1SecondaryC: return in.topLoadFlag ? in.totalCapacitancePf : in.selfCapacitancePf;
    case Q::Vout: return in.outputVolts;
    case Q::Vin: return in.inputVolts;
    case Q::Fline: return in.lineFrequencyHz;
    case Q::Rp: return r.primaryOhms;
    case Q::Rs: return r.secondaryOhms;
    case Q::AirOhms: return kAirResistanceOhms;
    }
    return 0.0;
}

double fillValue(const Fill& fill, const NetlistInputs& in, const ConductorResistances& r) {
    const double whole = quantityValue(fill.quantity, in, r);
    double part = whole / fill.divisor;
    if (fill.plusDivisor != 0) part += whole / fill.plusDivisor;
    return part;
}

// Reads the digits at text[pos...] as a number and moves pos past them.
int readCount(std::string_view text, std::size_t& pos) {
    int count = 0;
    const auto parsed = std::from_chars(text.data() + pos, text.data() + text.size(), count);
    pos = static_cast<std::size_t>(parsed.ptr - text.data());
    return count;
}

// Replaces each "%W.Pf" of the template by the next fill's value; the text
// after a placeholder (a unit such as "mh") follows it directly.
std::string expand(const TemplateLine& line, const NetlistInputs& in, const ConductorResistances& r) {
    const std::array<const Fill*, 2> fills = {&line.first, &line.second};
    std::size_t nextFill = 0;
    std::string out;
    std::size_t pos = 0;
    while (pos < line.text.size()) {
        const std::size_t percent = line.text.find('%', pos);
        out += line.text.substr(pos, percent - pos);
        if (percent == std::string_view::npos) break;
        pos = percent + 1;
        const int width = readCount(line.text, pos);
        int precision = 2;  // "%Wf" shows two decimals
        if (line.text[pos] == '.') {
            ++pos;
            precision = readCount(line.text, pos);
        }
        ++pos;  // the 'f'
        out += fmt(fillValue(*fills.at(nextFill++), in, r), width, precision);
    }
    return out;
}

// A cross-section's area from its radius, with the four-decimal pi of the resistance formulas.
double circleAreaSqIn(double radiusInches) { return radiusInches * radiusInches * kPi; }

std::span<const TemplateLine> modelTemplates(NetlistModel model) {
    switch (model) {
    case NetlistModel::StandardRlc: return kStandardRlc;
    case NetlistModel::DistributedLadder: return kDistributedLadder;
    case NetlistModel::Complex: return kComplex;
    }
    throw std::invalid_argument("netlist model must be 1, 2 or 3");
}

}  // namespace

ConductorResistances conductorResistances(const NetlistInputs& in) {
    const double tubeRadiusInches = in.primaryTubeDiameterInches * 0.5;
    const double outerAreaSqIn = circleAreaSqIn(tubeRadiusInches);
    const double boreRadiusInches = in.primaryTubeDiameterInches * 0.5 * kTubeBoreFraction;
    const double innerAreaSqIn = circleAreaSqIn(boreRadiusInches);
    const double primaryOhms =
        (kCopperResistivityOhmInch * in.primaryWireLengthInches) / (outerAreaSqIn - innerAreaSqIn);

    // The wire is taken as thick as the winding pitch; N x circ is its length.
    const double wireRadiusInches = (1.0 / in.turnsPerInch) * 0.5;
    const double wireAreaSqIn = circleAreaSqIn(wireRadiusInches);
    const double secondaryOhms =
        (kCopperResistivityOhmInch * in.secondaryTurns * in.secondaryCircumferenceInches) / wireAreaSqIn;
    return {primaryOhms, secondaryOhms};
}

std::vector<std::string> netlistLines(NetlistModel model, const NetlistInputs& inputs) {
    const std::span<const TemplateLine> templates = modelTemplates(model);
    const ConductorResistances resistances = conductorResistances(inputs);

    std::vector<std::string> lines;
    lines.reserve(2 + kHeaderTail.size() + templates.size());
    lines.emplace_back(kTitleLine);
    lines.emplace_back(kModelLines.at(static_cast<std::size_t>(model) - 1));
    for (const std::string_view text : kHeaderTail) lines.emplace_back(text);
    for (const TemplateLine& line : templates) lines.push_back(expand(line, inputs, resistances));
    return lines;
}

std::vector<std::string> netlistLines(int model, const NetlistInputs& inputs) {
    if (model < 1 || model > 3) throw std::invalid_argument("netlist model must be 1, 2 or 3");
    return netlistLines(static_cast<NetlistModel>(model), inputs);
}

}  // namespace qv
