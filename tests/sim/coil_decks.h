#pragma once

#include <string>
#include <vector>

namespace qv::test {

// The Standard RLC netlist of the default 8x6 design, line for line as the
// calculator writes it (Ls 73.834 mH, Cs + Ctop 41.3258 pF, cone primary
// Lp 0.016987 mH shown as 0.0170, Creq 0.1796 uF, Vout 4000 V).
inline std::vector<std::string> defaultModel1Lines()
{
    return {
        "*PSpice Output From Quorvane*", "*Simple Model*", "*Libraries:", ".lib \"nom.lib\"",
        "*Analysis directives:", ".TRAN  0.1ms 10ms", ".PROBE", "         ",
        "*L1/L2 Coupling*", "K_TX1         L1_TX1 L2_TX1 .1", "         ",
        "*Primary Inductance*", "L1_TX1       N02 0  0.0170mh", "         ",
        "*Secondary Inductance*", "L2_TX1       N03 0 73.8340mh", "         ",
        "*Solid Copper Wire Secondary Resistance*", "R_R2           N03 N04  47.0839", "         ",
        "*Copper Tubing Primary Resistance*", "R_R1           N01 N02  0.0062", "         ",
        "*Secondary Circuit Total Capacitance*", "C_C2           0   N04  41.3258pf", "         ",
        "*Primary Capacitance*", "C_C1           0   N01   0.1796uf", "         ",
        "*Initial Conditions*", "*Primary Transformer Output Voltage*", ".IC               V(N01 )=   4000",
        "    ", ".ALIASES", "K_TX1            TX1()", "L1_TX1          TX1(1=N02 2=0 )",
        "L2_TX1          TX1(3=N03 4=0 )", "R_R2              R2(1=N03  2=N04 )",
        "R_R1              R1(1=N01  2=N02 )", "C_C2               C2(1=0    2=N04 )",
        "C_C1               C1(1=0    2=N01 )", ".ENDALIASES", "              ", ".END",
    };
}

// As saved from the scratch pad: every line, the last included, ends in CR LF.
inline std::string asSavedFile(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

inline std::string defaultModel1File()
{
    return asSavedFile(defaultModel1Lines());
}

// The same netlist as PSpice users write it: the charge on the tank capacitor itself (IC=) with
// SKIPBP on the .TRAN line, and no .IC line.
inline std::vector<std::string> skipbpModel1Lines()
{
    auto lines = defaultModel1Lines();
    lines[5] = ".TRAN  0.1ms 10ms SKIPBP";
    lines[27] = "C_C1           0   N01   0.1796uf IC=4000";
    lines[31] = "*";
    return lines;
}

// The default design's model 1 values as ngspice reads them.
inline constexpr double kTankVolts = 4000.0;
inline constexpr double kPrimaryHenries = 0.0170e-3;
inline constexpr double kTankFarads = 0.1796e-6;
inline constexpr double kSecondaryHenries = 73.834e-3;
inline constexpr double kSecondaryFarads = 41.3258e-12;
inline constexpr double kCoupling = 0.1;

} // namespace qv::test
