#include "calc/stages.h"
#include "core/calculator.h"
#include "core/reference_list.h"
#include "recording_host.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::RecordingHost;

class CalculatorTest : public ::testing::Test {
protected:
    RecordingHost host;
    Calculator calc{host};

    const std::string& text(FieldId id) const { return calc.form.field(id).text; }

    // The user clicks the field, types, and leaves it.
    void typeInto(FieldId id, std::string_view typed)
    {
        beginEdit(calc, id);
        calc.form.type(id, typed);
        endEdit(calc, id);
    }
};

TEST_F(CalculatorTest, CreationShowsTheStartDesign)
{
    EXPECT_EQ(text(FieldId::TCEdit1), "   4000");
    EXPECT_EQ(text(FieldId::TCEdit2), "  1.000");
    EXPECT_EQ(text(FieldId::TCEdit6), "    250");
    EXPECT_EQ(text(FieldId::SEEdit1), "6.89");
    EXPECT_EQ(text(FieldId::SEEdit2), "50.00");
    EXPECT_EQ(text(FieldId::TOCEdit1), "3.00");
    EXPECT_EQ(text(FieldId::TOCEdit2), "22.00");
    EXPECT_EQ(text(FieldId::SEEdit3), "  22");
    EXPECT_EQ(text(FieldId::SEEdit4), "37.48");
    EXPECT_EQ(text(FieldId::PREdit12), "30");
    EXPECT_EQ(text(FieldId::SGEdit6), "0.4762");
    EXPECT_EQ(text(FieldId::SGEdit8), "4000");
    EXPECT_EQ(text(FieldId::SGEdit1), "120.0");
    EXPECT_EQ(text(FieldId::SGEdit3), "0.25");
    EXPECT_TRUE(calc.form.checked(OptionId::ConicalPrimary));
    EXPECT_FALSE(calc.form.checked(OptionId::FlatPrimary));
    EXPECT_FALSE(calc.form.control(ControlId::SGSpinButton6).visible);
    EXPECT_FALSE(calc.timerRunning);
    EXPECT_FALSE(calc.topLoadFlag);
    EXPECT_EQ(calc.designFileName, "untitled.qvd");
    EXPECT_EQ(calc.scratchFileName, "scratch.txt");
    for (std::size_t i = 0; i < kFieldCount; ++i) EXPECT_FALSE(calc.form.field(static_cast<FieldId>(i)).modified);
}

TEST_F(CalculatorTest, CreationBuildsTheReferenceList)
{
    ASSERT_EQ(calc.referenceList.size(), 37u);
    EXPECT_EQ(calc.referenceList[0], "untitled.qvd");
    EXPECT_EQ(calc.referenceList[1], "Primary Transformer Output Voltage (VAC)");
    EXPECT_EQ(calc.referenceList[2], "4000.0000");
    EXPECT_EQ(calc.referenceList[4], " 1.0000");
    EXPECT_EQ(calc.referenceList[valueLine(10)], " 0.0254");
    EXPECT_EQ(calc.referenceList[valueLine(14)], "37.4753");
    EXPECT_EQ(calc.referenceList[36], "75.0000");
}

TEST_F(CalculatorTest, ModifiedMarkSetByTypingClearedByWritingNotByReading)
{
    calc.form.type(FieldId::PREdit1, "12");
    EXPECT_TRUE(calc.form.field(FieldId::PREdit1).modified);
    EXPECT_TRUE(acceptInput(calc, FieldId::PREdit1));
    EXPECT_TRUE(calc.form.field(FieldId::PREdit1).modified) << "reading keeps the mark";
    EXPECT_EQ(text(FieldId::PREdit1), "12") << "an accepted text stays as typed";
    EXPECT_DOUBLE_EQ(calc.design.primaryInsideDiameterInches, 12);
    calc.form.write(FieldId::PREdit1, "12.0");
    EXPECT_FALSE(calc.form.field(FieldId::PREdit1).modified);
    EXPECT_FALSE(acceptInput(calc, FieldId::PREdit1)) << "an unmarked field is not read";
}

TEST_F(CalculatorTest, RejectedTextRestoresBeforeTheMessage)
{
    struct RestoreFirst final : Host {
        Calculator* calc = nullptr;
        std::string textAtMessage;
        bool markAtMessage = true;
        void warning(std::string_view) override
        {
            textAtMessage = calc->form.field(FieldId::TCEdit1).text;
            markAtMessage = calc->form.field(FieldId::TCEdit1).modified;
        }
    } checking;
    Calculator c(checking);
    checking.calc = &c;
    c.form.type(FieldId::TCEdit1, "abc");
    EXPECT_FALSE(acceptInput(c, FieldId::TCEdit1));
    EXPECT_EQ(checking.textAtMessage, "   4000");
    EXPECT_FALSE(checking.markAtMessage);
    EXPECT_DOUBLE_EQ(c.design.outputVolts, 4000);
}

struct RuleCase {
    FieldId field;
    const char* typed;
    bool accepted;
};

class AcceptanceRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(AcceptanceRules, LimitsOfEachRule)
{
    RecordingHost host;
    Calculator calc(host);
    const RuleCase& c = GetParam();
    calc.form.type(c.field, c.typed);
    EXPECT_EQ(acceptInput(calc, c.field), c.accepted) << name(c.field) << " " << c.typed;
    EXPECT_EQ(host.messages.size(), c.accepted ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, AcceptanceRules,
    ::testing::Values(RuleCase{FieldId::PREdit1, "0", false}, RuleCase{FieldId::PREdit1, "-1", false},
                      RuleCase{FieldId::PREdit1, " 12", true}, RuleCase{FieldId::PREdit1, "12 ", false},
                      RuleCase{FieldId::PREdit1, "1,5", false}, RuleCase{FieldId::PREdit1, ".5", true},
                      RuleCase{FieldId::PREdit12, "0", true}, RuleCase{FieldId::PREdit12, "90", true},
                      RuleCase{FieldId::PREdit12, "91", false}, RuleCase{FieldId::PREdit12, "-1", false},
                      RuleCase{FieldId::TCEdit7, "1", true}, RuleCase{FieldId::TCEdit7, "100", true},
                      RuleCase{FieldId::TCEdit7, "0.5", false}, RuleCase{FieldId::TCEdit7, "101", false},
                      RuleCase{FieldId::SGEdit1, "1", true}, RuleCase{FieldId::SGEdit1, "100000", true},
                      RuleCase{FieldId::SGEdit1, "0", false}, RuleCase{FieldId::SGEdit1, "100001", false},
                      RuleCase{FieldId::TOCEdit1, "1e999", false}, RuleCase{FieldId::SEEdit14, "", false}));

TEST_F(CalculatorTest, RestoreUsesTheFieldsRestoreFormat)
{
    calc.form.type(FieldId::TCEdit1, "x");
    acceptInput(calc, FieldId::TCEdit1);
    EXPECT_EQ(text(FieldId::TCEdit1), "   4000");
    calc.form.type(FieldId::SGEdit1, "0");
    acceptInput(calc, FieldId::SGEdit1);
    EXPECT_EQ(text(FieldId::SGEdit1), "  120.0");
    calc.form.type(FieldId::PREdit12, "91");
    acceptInput(calc, FieldId::PREdit12);
    EXPECT_EQ(text(FieldId::PREdit12), "30");
}

TEST_F(CalculatorTest, EditModeStopsTheTimerAndColoursTheField)
{
    BeginButtonClick(calc);
    ASSERT_TRUE(calc.timerRunning);
    ASSERT_TRUE(beginEdit(calc, FieldId::PREdit1));
    EXPECT_FALSE(calc.timerRunning);
    EXPECT_FALSE(calc.form.field(FieldId::PREdit1).readOnly);
    EXPECT_EQ(calc.form.field(FieldId::PREdit1).colour, Colour::Aqua);
    endEdit(calc, FieldId::PREdit1);
    EXPECT_TRUE(calc.timerRunning);
    EXPECT_TRUE(calc.form.field(FieldId::PREdit1).readOnly);
    EXPECT_EQ(calc.form.field(FieldId::PREdit1).colour, Colour::White);
    EXPECT_FALSE(beginEdit(calc, FieldId::SGEdit1)) << "the break rate has no edit mode";
    EXPECT_FALSE(beginEdit(calc, FieldId::PREdit5)) << "results are never edited";
    calc.form.setEnabled(FieldId::PREdit12, false);
    EXPECT_FALSE(beginEdit(calc, FieldId::PREdit12));
}

TEST_F(CalculatorTest, BeginAndSplashKeepTheDesign)
{
    BeginButtonClick(calc);
    EXPECT_TRUE(calc.scratchPad.empty());
    EXPECT_EQ(calc.form.statusPanels[1], "Running");
    typeInto(FieldId::TOCEdit1, "4");
    Main_Loop1(calc);
    calc.form.activeSheet = Sheet::SparkGapSheet;
    SplashButtonClick(calc);
    EXPECT_FALSE(calc.timerRunning);
    EXPECT_EQ(calc.form.activeSheet, Sheet::PrimarySheet);
    replaceScratchPad(calc, "notes");
    BeginButtonClick(calc);
    EXPECT_DOUBLE_EQ(calc.design.tubeDiameterInches, 4);
    EXPECT_EQ(calc.scratchPad, "notes") << "BEGIN again keeps the user's notes; only the start notice goes";
}

TEST_F(CalculatorTest, PassRefreshesStatusReferenceAndTopLoadFlag)
{
    BeginButtonClick(calc);
    Main_Loop1(calc);
    EXPECT_EQ(calc.form.statusPanels[0], "untitled.qvd");
    EXPECT_EQ(calc.form.statusPanels[1], "Primary Coil");
    EXPECT_TRUE(calc.topLoadFlag);
    EXPECT_EQ(calc.referenceList[valueLine(15)], "23.3465") << "the copied top-load capacitance";

    clickOption(calc, OptionId::TopLoadCheck);
    EXPECT_TRUE(calc.topLoadFlag) << "the flag follows only at the end of a pass";
    Main_Loop1(calc);
    EXPECT_FALSE(calc.topLoadFlag);
}

TEST_F(CalculatorTest, ReferenceSheetFreezesTheList)
{
    Main_Loop1(calc);
    calc.form.activeSheet = Sheet::ReferenceSheet;
    typeInto(FieldId::TOCEdit1, "4");
    Main_Loop1(calc);
    EXPECT_EQ(calc.form.statusPanels[1], "Design Parameters");
    EXPECT_EQ(calc.referenceList[valueLine(16)], " 3.0000");
    calc.form.activeSheet = Sheet::TopLoadCSheet;
    Main_Loop1(calc);
    EXPECT_EQ(calc.form.statusPanels[1], "Topload C");
    EXPECT_EQ(calc.referenceList[valueLine(16)], " 4.0000");
}

TEST_F(CalculatorTest, PassesNeverNestWhileABoxIsOpen)
{
    // A host whose message box runs a nested event loop that delivers timer ticks.
    struct NestingHost final : Host {
        Calculator* calc = nullptr;
        int boxes = 0;
        void warning(std::string_view) override
        {
            ++boxes;
            for (int tick = 0; tick < 5; ++tick) Main_Loop1(*calc);
        }
    } nesting;
    Calculator c(nesting);
    nesting.calc = &c;
    c.design.secondaryDiameterInches = 0; // only a design file or a bug could do this
    Main_Loop1(c);
    EXPECT_EQ(nesting.boxes, 1);
    EXPECT_FALSE(c.passInProgress);
}

} // namespace
} // namespace qv
