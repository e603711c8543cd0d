// The Tank Circuit's inputs: what each takes, and what a refused text is told.
#include "core/tank_inputs.h"

#include <gtest/gtest.h>

#include <set>

namespace qv {
namespace {

TEST(TankInputs, EachTakesOnlyWhatItsRuleAdmits)
{
    struct Case {
        const char* name;
        const char* text;
        bool good;
    };
    const Case cases[] = {
        {"cap_uf", "0", true},          {"cap_uf", "0.05", true},       {"cap_uf", "-0.05", false},
        {"lead_in", "0", true},         {"lead_in", "-1", false},       {"lead_dia_in", "0", false},
        {"ltr", "0.2", true},           {"ltr", "5", true},             {"ltr", "0.19", false},
        {"ltr", "5.01", false},         {"part_vdc", "abc", false},     {"part_ipk_a", "0", true},
        {"margin", "0.99", false},      {"margin", "10", true},         {"quench_notch", "2.5", false},
        {"quench_notch", "10", true},   {"quench_notch", "11", false},  {"quench_notch", "0", false},
        {"safety", "1", true},          {"safety", "5.5", false},       {"bleeder_mohm", "1e2", true},
    };
    for (const Case& c : cases) {
        TankInputs tank;
        const InputEntry entry = enterTank(tank, *tankInputByName(c.name), c.text, LengthUnit::Inches);
        EXPECT_EQ(entry.taken, c.good) << c.name << "=" << c.text;
        if (!c.good) {
            EXPECT_EQ(tank, TankInputs{}) << "a refused text changes nothing";
        }
    }
}

TEST(TankInputs, ARefusalNamesTheInputWhatItTakesAndTheValueKept)
{
    struct Case {
        const char* name;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"lead_in", "-3", "Invalid Data Entered: Both primary leads together takes 0 in or more; 36.0 in kept"},
        {"lead_dia_in", "0", "Invalid Data Entered: Lead wire diameter takes a value above 0 in; 0.250 in kept"},
        {"ltr", "7", "Invalid Data Entered: Tank size over resonant size (LTR) takes 0.2 to 5; 1.00 kept"},
        {"quench_notch", "1.5",
         "Invalid Data Entered: Gap quenches at notch takes a whole number from 1 to 10; 1 kept"},
        {"part_vdc", "2 kV", "Invalid Data Entered: Its DC voltage rating needs a number: a value above 0 V; 2000 V kept"},
    };
    for (const Case& c : cases) {
        TankInputs tank;
        EXPECT_EQ(enterTank(tank, *tankInputByName(c.name), c.text, LengthUnit::Inches).message, c.message);
    }
}

TEST(TankInputs, LengthsAreTypedShownAndRefusedInMillimetres)
{
    TankInputs tank;
    const TankInput& lead = *tankInputByName("lead_in");
    EXPECT_TRUE(enterTank(tank, lead, "254", LengthUnit::Millimetres).taken);
    EXPECT_DOUBLE_EQ(tank.leadLengthInches, 10);
    EXPECT_EQ(tankText(tank, lead, LengthUnit::Millimetres), "254.0");
    EXPECT_EQ(enterTank(tank, lead, "-3", LengthUnit::Millimetres).message,
              "Invalid Data Entered: Both primary leads together takes 0 mm or more; 254.0 mm kept");
    EXPECT_EQ(tankUnit(*tankInputByName("cap_uf"), LengthUnit::Millimetres), "uF") << "only lengths change";
}

TEST(TankInputs, NamesAndFileLabelsAreUniqueAndFitTheList)
{
    std::set<std::string_view> labels;
    for (const TankInput& input : kTankInputs) {
        EXPECT_EQ(tankInputByName(input.name), &input);
        EXPECT_TRUE(labels.insert(input.fileLabel).second) << input.fileLabel;
        EXPECT_LE(input.fileLabel.size(), 55U) << input.fileLabel;
    }
    EXPECT_EQ(tankInputByName("cap"), nullptr);
}

} // namespace
} // namespace qv
