// The Reference refresh at the end of every pass, as the design file sees it: the list is the
// file's image, so what the refresh rewrites is what a save writes.
#include "core/reference_list.h"

#include "io/design_file.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::Session;

TEST(ReferenceRefresh, ValueLinesFollowTheDesignExceptWhileTheSheetIsShown)
{
    Session s;
    s.calc.referenceList[0] = "C:\\coil.qvd";
    s.calc.referenceList[labelLine(5)] = "Inside diameter, from an older file";
    s.calc.form.activeSheet = Sheet::ReferenceSheet;
    s.calc.design.primaryInsideDiameterInches = 12;
    const auto shown = s.calc.referenceList;
    Main_Loop1(s.calc);
    EXPECT_EQ(s.calc.form.statusPanels[1], "Design Parameters");
    EXPECT_EQ(s.calc.referenceList, shown); // the list the user is reading does not move
    EXPECT_EQ(s.calc.referenceRecords[4], 12); // but the records already hold the new value

    s.calc.form.activeSheet = Sheet::SecondarySheet;
    Main_Loop1(s.calc);
    EXPECT_EQ(s.calc.form.statusPanels[1], "Secondary Coil");
    EXPECT_EQ(s.calc.referenceList[valueLine(5)], "12.0000");
    EXPECT_EQ(s.calc.referenceList[valueLine(10)], " 0.0254"); // the gauge's diameter
    EXPECT_EQ(s.calc.referenceList[valueLine(14)], "37.4753");
    EXPECT_EQ(s.calc.referenceList[0], "C:\\coil.qvd");
    EXPECT_EQ(s.calc.referenceList[labelLine(5)], "Inside diameter, from an older file");
}

TEST(ReferenceRefresh, ExtraLinesOfALongFileAreNeverRewritten)
{
    Session s;
    s.calc.referenceList.insert(s.calc.referenceList.end(), {"1.0000", "extra"});
    s.calc.design.primaryTurns = 6;
    Main_Loop1(s.calc);
    ASSERT_EQ(s.calc.referenceList.size(), 39U);
    EXPECT_EQ(s.calc.referenceList[valueLine(8)], " 6.0000");
    EXPECT_EQ(s.calc.referenceList[37], "1.0000");
    EXPECT_EQ(s.calc.referenceList[38], "extra");
}

} // namespace
} // namespace qv
