// The Tank Circuit on the program's start design: the tap solved exactly, the figures moving the
// way the physics says, the reasons where no tap reaches, and the ratings verdict.
#include "tank/tank_circuit.h"

#include "calc/primary_steps.h"
#include "calc/stages.h"
#include "core/calculator.h"
#include "field/primary_coupling.h"
#include "tank/tank_formulas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qv::tank {
namespace {

class SilentHost final : public Host {
public:
    void warning(std::string_view) override {}
};

// The start design after BEGIN and a pass; the field solution of its toroid as it stands, made once.
class StartDesign : public ::testing::Test {
protected:
    StartDesign() : calc(host)
    {
        BeginButtonClick(calc);
        Main_Loop1(calc);
    }
    static const FieldAsItStands& field()
    {
        static const FieldAsItStands solved = solveField(model());
        return solved;
    }
    static field::CoilModel model()
    {
        SilentHost host;
        Calculator start(host);
        BeginButtonClick(start);
        Main_Loop1(start);
        return field::coilModel(start.design, field::TopLoadShape::Toroid);
    }
    TankFigures figures() const { return tankFigures(calc, field()); }

    SilentHost host;
    Calculator calc;
};

double valueOf(const Figure& figure)
{
    EXPECT_TRUE(figure.value.has_value()) << figure.reason;
    return figure.value.value_or(0);
}

TEST_F(StartDesign, EveryFigureHasAValue)
{
    const TankFigures out = figures();
    for (const TankFigureRow& row : kTankFigureRows) {
        if (row.figure) {
            EXPECT_TRUE(std::isfinite(valueOf(out.*row.figure))) << row.name;
        }
    }
    EXPECT_EQ(out.status, "ok");
}

TEST_F(StartDesign, TheTapLandsWhereTheLoopTunesWithTheTank)
{
    const TankFigures out = figures();
    const double tankF = valueOf(out.tankUf) * 1e-6;
    const double leadH = valueOf(out.leadUh) * 1e-6;

    // As it stands: on the straight line between two whole turns, to a millionth.
    const double asIs = valueOf(out.tapTurnsAsIs);
    EXPECT_NE(asIs, std::floor(asIs)) << "a tap between whole turns";
    const double loadedHz = valueOf(field().analysis.loadedFrequencyKhz) * 1e3;
    EXPECT_NEAR((curvePrimaryH(field().turns, asIs) + leadH) / tuningInductanceH(loadedHz, tankF), 1, 1e-6);

    // By the Primary sheet's formula with that many turns, at the frequency the sheet tunes to.
    Design tapped = calc.design;
    tapped.primaryTurns = valueOf(out.tapTurnsClassic);
    const double sheetHz = calc.secondary.loadedFrequencyKhz * 1e3;
    EXPECT_NEAR((primaryCoil(tapped).inductanceMh * 1e-3 + leadH) / tuningInductanceH(sheetHz, tankF), 1, 1e-6);

    // The curve built turn by turn ends on the whole primary as the field solution sums it.
    const std::vector<field::Ring> rings = field::primaryRings(model());
    EXPECT_NEAR(field().turns.primaryH.back() / field::primaryInductanceH(rings, model().primaryWireDiameterM), 1, 1e-12);
    EXPECT_NEAR(field().turns.mutualH.back() / field::primarySecondaryMutualH(rings, model()), 1, 1e-12);
    EXPECT_DOUBLE_EQ(field().turns.turns.back(), calc.design.primaryTurns);
}

TEST_F(StartDesign, FiguresMoveTheWayThePhysicsSays)
{
    struct Trend {
        const char* what;
        double TankInputs::*input;
        double lower;
        double higher;
        Figure TankFigures::*figure;
        bool rises;
    };
    const Trend trends[] = {
        {"a larger capacitor taps fewer turns by the sheet's formula", &TankInputs::capacitorUf, 0.5, 0.8,
         &TankFigures::tapTurnsClassic, false},
        {"a larger capacitor taps fewer turns as it stands", &TankInputs::capacitorUf, 0.5, 0.8,
         &TankFigures::tapTurnsAsIs, false},
        {"longer leads tap fewer turns", &TankInputs::leadLengthInches, 12, 60, &TankFigures::tapTurnsAsIs, false},
        {"more margin adds capacitors in series", &TankInputs::ratingMargin, 2, 4, &TankFigures::bankSeries, true},
        {"a larger tank carries more peak current", &TankInputs::capacitorUf, 0.5, 0.8, &TankFigures::peakAmps, true},
    };
    for (const Trend& t : trends) {
        calc.design.tank.*t.input = t.lower;
        const double low = valueOf(figures().*t.figure);
        calc.design.tank.*t.input = t.higher;
        const double high = valueOf(figures().*t.figure);
        calc.design.tank = TankInputs{};
        EXPECT_EQ(high > low, t.rises) << t.what << ": " << low << " then " << high;
        EXPECT_NE(high, low) << t.what;
    }
}

TEST_F(StartDesign, NoTapSaysWhatWouldReachOne)
{
    struct Case {
        double capacitorUf;
        double leadInches;
        const char* reason;
    };
    const Case cases[] = {
        // 100 uF at about 100 kHz tunes with a few hundredths of a microhenry; 1 nF needs some mH.
        {100, 36, "the leads alone are more than the 0.0"},
        {0.001, 36, "uH, the whole primary gives "},
        {0.5, 0, ""},
    };
    for (const Case& c : cases) {
        calc.design.tank.capacitorUf = c.capacitorUf;
        calc.design.tank.leadLengthInches = c.leadInches;
        const TankFigures out = figures();
        for (const Figure& tap : {out.tapTurnsClassic, out.tapTurnsAsIs, out.tapTurnsStreamer}) {
            EXPECT_EQ(tap.value.has_value(), *c.reason == '\0') << c.capacitorUf << " uF";
            EXPECT_NE(tap.reason.find(c.reason), std::string::npos) << tap.reason;
            EXPECT_EQ(tap.reason.find(" 0.0 uH"), std::string::npos) << "a small need still reads: " << tap.reason;
        }
        EXPECT_EQ(out.peakAmps.value.has_value(), *c.reason == '\0') << "the stresses need a tap";
    }
}

TEST_F(StartDesign, NoCouplingAtTheTapWhereThePrimaryCrossesTheWinding)
{
    // A flat primary from 4 in across, 10 in up the 6.89 in winding: its inner turns pass through it.
    calc.design.primaryInsideDiameterInches = 4;
    calc.design.surroundings.primaryHeightInches = 10;
    const FieldAsItStands crossing = solveField(field::coilModel(calc.design, field::TopLoadShape::Toroid));
    const TankFigures out = tankFigures(calc, crossing);
    for (const Figure& f : {out.tapCoupling, out.notchUs, out.rmsAmps, out.partRmsAmps}) {
        EXPECT_FALSE(f.value.has_value());
        EXPECT_EQ(f.reason, "A primary turn crosses the secondary winding");
    }
}

TEST_F(StartDesign, RatingsNameEveryOneExceeded)
{
    struct Case {
        double capacitorUf;
        double peakAmps;
        double rmsAmps;
        double voltsPerUs;
        const char* verdict;
    };
    const Case cases[] = {
        {0, 0, 0, 0, "no ratings given, none checked"},
        {0, 1e6, 1e6, 1e6, "within ratings"},
        {0, 1, 1e6, 1, "peak current "},
        {0, 1e6, 1e6, 1, "dv/dt "},
        {0.5, 1, 1, 1, "not checked: the tank is the capacitor you have"},
    };
    for (const Case& c : cases) {
        calc.design.tank = {.capacitorUf = c.capacitorUf, .partPeakAmps = c.peakAmps, .partRmsAmps = c.rmsAmps,
                            .partVoltsPerUs = c.voltsPerUs};
        const std::string verdict = figures().ratings;
        EXPECT_EQ(verdict.rfind(c.verdict, 0), 0U) << verdict;
        EXPECT_EQ(verdict.find("RMS"), std::string::npos) << "the RMS rating is met: " << verdict;
    }
    calc.design.tank = {.partPeakAmps = 1, .partVoltsPerUs = 1};
    EXPECT_NE(figures().ratings.find("; dv/dt "), std::string::npos) << "both named";
}

TEST_F(StartDesign, ASixteenKilovoltSupplysResonantTankAndBang)
{
    // 16 kV 200 mA 50 Hz: Z = 80 kohm, C = 1 / (2 pi 50 x 80000) = 39.79 nF; charged to 22.63 kV,
    // 10.19 J.
    calc.design.outputVolts = 16000;
    calc.design.ratedAmps = 0.2;
    calc.design.lineFrequencyHz = 50;
    calc.design.tank.capacitorUf = 0.03979;
    const TankFigures out = figures();
    EXPECT_NEAR(valueOf(out.resonantUf), 0.03979, 5e-6);
    EXPECT_NEAR(valueOf(out.bangJoules), 10.19, 5e-3);
    EXPECT_EQ(valueOf(out.tankUf), 0.03979) << "the capacitor you have is the tank";
    EXPECT_FALSE(out.partPeakAmps.value.has_value()) << "no bank, no per-capacitor stress";
}

} // namespace
} // namespace qv::tank
