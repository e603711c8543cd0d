// The top-load and secondary stages against the worked coil examples.
#include "calc/stages.h"
#include "core/calculator.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace qv {
namespace {

using test::RecordingHost;

class StageTest : public ::testing::Test {
protected:
    RecordingHost host;
    Calculator calc{host};
    const std::string& text(FieldId id) const { return calc.form.field(id).text; }
};

// Dt 3 in, Dtc 22 in, S = 25:
// Bert Pool: sqrt(22 * 1.5 * 3.1415927 / 2) * (1.2781 - 0.12) * 2.8 = 7.19976 * 3.24268 = 23.3465 pF.
// Rzeszotarski: 3/22 + 3 = 3.136 >= 0.25, so 25 * 0.37 * 2.54 + 2.54 * 3 * 0.23 = 23.495 + 1.7526.
TEST_F(StageTest, ToroidByBothEquationsCopiedToTheSecondary)
{
    Update_T_C(calc);
    EXPECT_NEAR(calc.topLoad.bertPoolPf, 23.3465, 5e-5);
    EXPECT_NEAR(calc.topLoad.rzeszotarskiPf, 25.2476, 5e-5);
    EXPECT_EQ(text(FieldId::TOCEdit3), "23.35");
    EXPECT_EQ(text(FieldId::TOCEdit4), "25.25");
    EXPECT_DOUBLE_EQ(calc.design.topLoadPf, calc.topLoad.bertPoolPf) << "same pass";

    calc.form.setChecked(OptionId::PhysicsButton, true);
    Update_T_C(calc);
    EXPECT_DOUBLE_EQ(calc.design.topLoadPf, calc.topLoad.rzeszotarskiPf);

    calc.form.setChecked(OptionId::NoCap, false);
    calc.design.topLoadPf = 30;
    Update_T_C(calc);
    EXPECT_DOUBLE_EQ(calc.design.topLoadPf, 30) << "without the copy the typed value stays";
}

// Dt 0.1 in: 0.1/22 + 0.1 = 0.1045 < 0.25, so the log form:
// (22.1 * 2.54 * 1.8 - 0.254) / ln(22.1 * 20.32 - 1) = 100.7912 / 6.10523 = 16.509 pF.
TEST_F(StageTest, ThinTubeUsesTheLogarithmicForm)
{
    calc.design.tubeDiameterInches = 0.1;
    Update_T_C(calc);
    EXPECT_NEAR(calc.topLoad.rzeszotarskiPf, 16.509, 5e-4);
    EXPECT_EQ(text(FieldId::TOCEdit4), "16.51");
}

TEST_F(StageTest, ToroidTooSmallForTheLogFormShowsDashesAndKeepsTheCopy)
{
    calc.form.setChecked(OptionId::PhysicsButton, true);
    Update_T_C(calc);
    const double lastGood = calc.design.topLoadPf;
    // S = 0.09 in: 20.32 S - 1 = 0.83, its log is negative; S = 0.0984... makes it 0 (division by zero).
    calc.design.tubeDiameterInches = 0.01;
    calc.design.toroidDiameterInches = 0.08;
    Update_T_C(calc);
    EXPECT_EQ(text(FieldId::TOCEdit4), "----");
    EXPECT_DOUBLE_EQ(calc.design.topLoadPf, lastGood);
    calc.design.toroidDiameterInches = 1 / 20.32 * 2 - 0.01; // log of exactly 1
    Update_T_C(calc);
    EXPECT_TRUE(std::isfinite(calc.design.topLoadPf));
}

TEST_F(StageTest, SphereRearrangesTheSheet)
{
    calc.form.setChecked(OptionId::SphereSelect, true);
    calc.form.setChecked(OptionId::PhysicsButton, true);
    Update_T_C(calc);
    EXPECT_NEAR(calc.topLoad.bertPoolPf, 8.51745, 1e-9);
    EXPECT_EQ(text(FieldId::TOCEdit3), "8.52");
    EXPECT_DOUBLE_EQ(calc.design.topLoadPf, calc.topLoad.bertPoolPf) << "a sphere copies its own value";
    EXPECT_EQ(text(FieldId::TOCEdit2), "     ");
    EXPECT_FALSE(calc.form.field(FieldId::TOCEdit2).enabled);
    EXPECT_FALSE(calc.form.field(FieldId::TOCEdit2).visible);
    EXPECT_FALSE(calc.form.field(FieldId::TOCEdit4).visible);
    EXPECT_FALSE(calc.form.control(ControlId::TOCSpinButton2).visible);
    EXPECT_FALSE(calc.form.option(OptionId::BertPoolButton).visible);
    EXPECT_EQ(calc.form.control(ControlId::TOCLabel1).caption, "Radius");
    EXPECT_EQ(calc.form.control(ControlId::TOCLabel2).caption, "      ");

    calc.form.setChecked(OptionId::ToroidSelect, true);
    Update_T_C(calc);
    EXPECT_EQ(text(FieldId::TOCEdit2), "22.00") << "the Dtc held before comes back";
    EXPECT_TRUE(calc.form.field(FieldId::TOCEdit2).visible);
    EXPECT_EQ(calc.form.control(ControlId::TOCLabel1).caption, "Dt");
}

TEST_F(StageTest, TypedTopLoadInputTakesEffectInTheSamePass)
{
    calc.form.type(FieldId::TOCEdit1, "4");
    Update_T_C(calc);
    EXPECT_EQ(text(FieldId::TOCEdit1), "4.00");
    EXPECT_FALSE(calc.form.field(FieldId::TOCEdit1).modified);
    calc.form.type(FieldId::TOCEdit1, "-2");
    Update_T_C(calc);
    EXPECT_EQ(host.messages, std::vector<std::string>{"Invalid Data Entered"});
    EXPECT_EQ(text(FieldId::TOCEdit1), "4.00");
}

// D 6.89, H 50, T 0.95/0.02535, Ctop 23.35 (before the copy from the top load).
TEST_F(StageTest, DefaultSecondary)
{
    Update_Sec(calc);
    const SecondaryResults& r = calc.secondary;
    EXPECT_NEAR(r.turns, 1817.554, 5e-4);
    EXPECT_NEAR(r.inductanceMh, 73.834, 5e-4);
    EXPECT_NEAR(r.circumferenceInches, 21.6456, 5e-5);
    EXPECT_NEAR(r.medhurstK, 1.02715, 5e-6);
    EXPECT_NEAR(r.selfCapacitancePf, 17.9758, 5e-5);
    EXPECT_NEAR(r.totalCapacitancePf, 41.3258, 5e-5);
    EXPECT_NEAR(r.frequencyKhz, 138.149, 5e-4);
    EXPECT_NEAR(r.loadedFrequencyKhz, 91.113, 5e-4);
    EXPECT_NEAR(r.quarterWaveFeet, 1781.14, 5e-3);
    EXPECT_NEAR(r.loadedQuarterWaveFeet, 2700.62, 5e-2);
    const std::pair<FieldId, const char*> shown[] = {
        {FieldId::SEEdit17, "1817.55"}, {FieldId::SEEdit5, "  73.83"}, {FieldId::SEEdit7, "  21.65"},
        {FieldId::SEEdit8, "3278.50"},  {FieldId::SEEdit9, "   7.26"}, {FieldId::SEEdit10, "   1.03"},
        {FieldId::SEEdit11, "  17.98"}, {FieldId::SEEdit12, " 138.15"}, {FieldId::SEEdit13, "  91.11"},
        {FieldId::SEEdit15, "1781.14"}, {FieldId::SEEdit16, "2700.62"}, {FieldId::SEEdit14, "  23.35"}};
    for (const auto& [id, expected] : shown) EXPECT_EQ(text(id), expected) << name(id);
}

// D 4, H 2, T 10, Ctop 10: N = 19.4, r = 2, Ls = 4 * 376.36 / 38 / 1000 = 0.039617 mH, h = 0.5,
// K = 0.05225 - 0.000025 + 1.1875e-6 - 6.25e-9 + 0.257 + 0.2 - 0.0124 = 0.496826.
TEST_F(StageTest, ShortSecondary)
{
    calc.design.secondaryDiameterInches = 4;
    calc.design.secondaryLengthInches = 2;
    calc.design.turnsPerInch = 10;
    calc.design.topLoadPf = 10;
    Update_Sec(calc);
    EXPECT_NEAR(calc.secondary.inductanceMh, 0.039617, 5e-7);
    EXPECT_EQ(text(FieldId::SEEdit5), "   0.04");
    EXPECT_NEAR(calc.secondary.medhurstK, 0.496826, 5e-7);
    EXPECT_NEAR(calc.secondary.selfCapacitancePf, 5.04775, 5e-6);
    EXPECT_NEAR(calc.secondary.frequencyKhz, 11254.63, 5e-2);
    EXPECT_NEAR(calc.secondary.loadedFrequencyKhz, 6518.45, 5e-2);
}

TEST_F(StageTest, MedhurstFitFlooredForAFlatSecondary)
{
    calc.design.secondaryDiameterInches = 36;
    calc.design.secondaryLengthInches = 1;
    Update_Sec(calc);
    EXPECT_DOUBLE_EQ(calc.secondary.medhurstK, 0.0001);
    EXPECT_EQ(text(FieldId::SEEdit10), "   0.00");
}

TEST_F(StageTest, ZeroCheckKeepsTheLastFrequencies)
{
    Update_Sec(calc);
    const std::string shownFrequency = text(FieldId::SEEdit12);
    calc.design.turnsPerInch = 0;
    Update_Sec(calc);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Invalid Data Entered\\nInductance/Diameter/Cap = 0");
    EXPECT_EQ(text(FieldId::SEEdit12), shownFrequency);
    EXPECT_EQ(text(FieldId::SEEdit5), "   0.00");
}

// A diameter so small that the inductance underflows to 0 passes the acceptance rule; its message
// comes once when the condition starts, not at every pass, and again only after it cleared.
TEST_F(StageTest, ZeroCheckWarnsOncePerOccurrence)
{
    const std::string kZero = "Invalid Data Entered\\nInductance/Diameter/Cap = 0";
    calc.design.secondaryDiameterInches = 1e-200;
    for (int pass = 0; pass < 3; ++pass) Update_Sec(calc);
    EXPECT_EQ(calc.secondary.inductanceMh, 0.0);
    EXPECT_EQ(host.messages, std::vector<std::string>{kZero});
    calc.design.secondaryDiameterInches = 6.89;
    Update_Sec(calc);
    EXPECT_EQ(host.messages.size(), 1u) << "a sound design says nothing";
    calc.design.secondaryDiameterInches = 1e-200;
    Update_Sec(calc);
    Update_Sec(calc);
    EXPECT_EQ(host.messages, (std::vector<std::string>{kZero, kZero}));
}

TEST_F(StageTest, SecondaryAcceptsAfterComputing)
{
    calc.form.type(FieldId::SEEdit2, "40");
    calc.form.type(FieldId::SEEdit14, "30");
    Update_Sec(calc);
    EXPECT_EQ(text(FieldId::SEEdit17), "1817.55") << "the typed length shows at the next pass";
    EXPECT_DOUBLE_EQ(calc.design.secondaryLengthInches, 40);
    EXPECT_EQ(text(FieldId::SEEdit2), "40") << "accepted text stays as typed";
    EXPECT_EQ(text(FieldId::SEEdit14), "  30.00") << "rewritten in the same pass";
    EXPECT_TRUE(calc.form.field(FieldId::SEEdit14).readOnly);
    Update_Sec(calc);
    EXPECT_EQ(text(FieldId::SEEdit17), "1454.04");
}

TEST_F(StageTest, DefaultPassCopiesTheToroidIntoTheLoadedFrequency)
{
    Main_Loop1(calc);
    EXPECT_NEAR(calc.design.topLoadPf, 23.3465, 5e-5);
    EXPECT_EQ(text(FieldId::SEEdit13), "  91.12");
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
} // namespace qv
