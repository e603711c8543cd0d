// The geometry inputs' rules: what a typed text must be, and that the ceiling clears the coil.
#include "core/surroundings_inputs.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const SurroundingsInput& input(std::string_view name) { return *surroundingsInputByName(name); }

TEST(SurroundingsInputs, TextAndOwnRulesAreCheckedBeforeAnythingIsStored)
{
    struct Case {
        const char* name;
        const char* text;
        bool good;
    };
    const Case cases[] = {
        {"base", "12.5", true},   {"base", "0", true},         {"base", "-1", false},
        {"base", "abc", false},   {"base", "12 ", false},      {"clearance", "-0.01", false},
        {"primary", "-2", true},  {"primary", "-10.5", false}, {"streamer", "1e1", true},   {"ceiling", "0", true},
        {"ceiling", "-5", false}, {"targetk", "0.2", true},    {"targetk", "0", false},
        {"targetk", "1", false},  {"targetk", "-0.1", false},
    };
    for (const Case& c : cases) {
        Design d;
        const SurroundingsEntry entry = enterSurroundings(d, TopLoadPlacement::Toroid, input(c.name), c.text, LengthUnit::Inches);
        EXPECT_EQ(entry.taken, c.good) << c.name << "=" << c.text;
        EXPECT_EQ(entry.message.empty(), c.good) << c.name << "=" << c.text;
        if (!c.good) {
            EXPECT_EQ(d.surroundings, Surroundings{}) << "a rejected text changes nothing";
            EXPECT_EQ(entry.message.rfind("Invalid Data Entered", 0), 0U) << entry.message;
        }
    }
}

TEST(SurroundingsInputs, TheCeilingMustClearTheTopLoadsTop)
{
    // Start design: winding from 10 to 60 in; the toroid's tube (3 in) reaches 63 in, a sphere of
    // radius 3 in reaches 66 in.
    Design d;
    EXPECT_DOUBLE_EQ(coilTopInches(d, TopLoadPlacement::None), 60);
    EXPECT_DOUBLE_EQ(coilTopInches(d, TopLoadPlacement::Toroid), 63);
    EXPECT_DOUBLE_EQ(coilTopInches(d, TopLoadPlacement::Sphere), 66);

    EXPECT_FALSE(enterSurroundings(d, TopLoadPlacement::Toroid, input("ceiling"), "63", LengthUnit::Inches).taken);
    EXPECT_TRUE(enterSurroundings(d, TopLoadPlacement::None, input("ceiling"), "63", LengthUnit::Inches).taken);
    d.surroundings.ceilingHeightInches = 0;
    EXPECT_FALSE(enterSurroundings(d, TopLoadPlacement::Sphere, input("ceiling"), "65", LengthUnit::Inches).taken);
    const SurroundingsEntry high = enterSurroundings(d, TopLoadPlacement::Sphere, input("ceiling"), "66.5", LengthUnit::Inches);
    EXPECT_TRUE(high.taken);
    EXPECT_EQ(d.surroundings.ceilingHeightInches, 66.5);

    // Raising the coil or its top load into the ceiling is refused as well; the message gives
    // the height the sphere would reach.
    const SurroundingsEntry raised = enterSurroundings(d, TopLoadPlacement::Sphere, input("base"), "11", LengthUnit::Inches);
    EXPECT_FALSE(raised.taken);
    EXPECT_NE(raised.message.find("67.00"), std::string::npos) << raised.message;
    EXPECT_FALSE(enterSurroundings(d, TopLoadPlacement::Sphere, input("clearance"), "1", LengthUnit::Inches).taken);
    EXPECT_EQ(d.surroundings.baseHeightInches, 10);
}

TEST(SurroundingsInputs, MillimetresAreTakenIntoTheInchVariableAndReportedInMillimetres)
{
    Design d;
    EXPECT_TRUE(enterSurroundings(d, TopLoadPlacement::Sphere, input("ceiling"), "1689.1", LengthUnit::Millimetres).taken);
    EXPECT_DOUBLE_EQ(d.surroundings.ceilingHeightInches, 66.5);
    EXPECT_EQ(surroundingsText(d.surroundings, input("ceiling"), LengthUnit::Millimetres), "1689.10");
    // 11 in is 279.4 mm; the sphere would then reach 67 in, 1701.8 mm.
    const SurroundingsEntry raised = enterSurroundings(d, TopLoadPlacement::Sphere, input("base"), "279.4", LengthUnit::Millimetres);
    EXPECT_FALSE(raised.taken);
    EXPECT_NE(raised.message.find("(1701.80 mm above the floor)"), std::string::npos) << raised.message;
    // The coupling is a plain number in either unit.
    EXPECT_TRUE(enterSurroundings(d, TopLoadPlacement::Sphere, input("targetk"), "0.2", LengthUnit::Millimetres).taken);
    EXPECT_EQ(d.surroundings.targetK, 0.2);
}

TEST(SurroundingsInputs, ARaisedSecondaryKeepsThePrimaryOnOrAboveTheFloor)
{
    // The winding's bottom 10 in up: the primary may sit down to 10 in below it, on the floor; the
    // message says how low. Lowering the coil under a primary set below it is refused the same way.
    Design d;
    EXPECT_TRUE(enterSurroundings(d, TopLoadPlacement::Toroid, input("primary"), "-10", LengthUnit::Inches).taken);
    const SurroundingsEntry below = enterSurroundings(d, TopLoadPlacement::Toroid, input("primary"), "-10.01", LengthUnit::Inches);
    EXPECT_FALSE(below.taken);
    EXPECT_NE(below.message.find("at or above the floor"), std::string::npos) << below.message;
    EXPECT_NE(below.message.find("-10.00 in"), std::string::npos) << below.message;
    EXPECT_FALSE(enterSurroundings(d, TopLoadPlacement::Toroid, input("base"), "9", LengthUnit::Inches).taken);
    EXPECT_EQ(d.surroundings.primaryHeightInches, -10);
}

TEST(SurroundingsInputs, EveryInputHasAUniqueNameAndAFileLabelThatFitsTheList)
{
    for (const SurroundingsInput& a : kSurroundingsInputs) {
        EXPECT_EQ(surroundingsInputByName(a.name), &a);
        EXPECT_LE(a.fileLabel.size(), 55U) << a.fileLabel;
    }
    EXPECT_EQ(surroundingsInputByName("height"), nullptr);
}

} // namespace
} // namespace qv
