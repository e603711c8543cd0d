// The sheets' option states and spark-gap quantities in the design file: a file without them
// leaves the sheets as they were; a bad value is reported and not used.
#include "calc/stages.h"
#include "core/reference_list.h"
#include "io/design_file.h"
#include "io/further_records.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv {
namespace {

using test::Session;
using test::TempDir;
using test::writeBytes;

// A flat spiral, a sphere, no copy to the secondary, rotary gaps with three series gaps held.
void setUnusualSheets(Calculator& calc)
{
    for (const OptionId id : {OptionId::FlatPrimary, OptionId::SphereSelect, OptionId::NoCap, OptionId::RadioButton2})
        clickOption(calc, id);
    calc.design.gapCount = 3;
}

TEST(SheetRecords, AFileWithoutThemLeavesTheSheetsAsTheyWere)
{
    TempDir dir;
    Session writer;
    const std::string path = dir.file("old.qvd");
    writeBytes(path, designFileText(writer.calc.referenceList));

    Session s;
    setUnusualSheets(s.calc);
    ASSERT_TRUE(openDesignFile(s.calc, path));
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_TRUE(s.calc.form.checked(OptionId::ConicalPrimary)) << "the file's angle of 30 degrees selects the cone";
    EXPECT_TRUE(s.calc.form.checked(OptionId::SphereSelect));
    EXPECT_FALSE(s.calc.form.checked(OptionId::NoCap));
    EXPECT_TRUE(s.calc.form.checked(OptionId::RadioButton2));
    EXPECT_EQ(s.calc.design.gapCount, 3);
}

TEST(SheetRecords, BadValuesAreReportedAndNotUsed)
{
    struct Case {
        const char* label;
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {"Spark Gap 1 = Series Gaps 2 = Rotary Gap", " 3.0000",
         "Spark Gap 1 = Series Gaps 2 = Rotary Gap 3.0000..Value Out Of Range..Not Used"},
        {"Top Load On Secondary (W/Top Load C) 1 = Yes 0 = No", "0.5",
         "Top Load On Secondary (W/Top Load C) 1 = Yes 0 = No 0.5000..Value Out Of Range..Not Used"},
        {"Number of Series Gaps", "2.5", "Number of Series Gaps 2.5000..Value Out Of Range..Not Used"},
        {"Rotary Gap Presentations Per Revolution", "2", "Rotary Gap Presentations Per Revolution 2.0000..Value Out Of Range..Not Used"},
        {"Rotary Gap Motor RPM", "fast", kFileDataInvalidMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Session s;
        std::vector<std::string> lines = withFurtherRecords(s.calc.referenceList, s.calc);
        *(std::find(lines.begin(), lines.end(), c.label) + 1) = c.value;
        TempDir dir;
        const std::string path = dir.file("bad.qvd");
        writeBytes(path, designFileText(lines));
        const Design before = s.calc.design;
        ASSERT_TRUE(openDesignFile(s.calc, path));
        ASSERT_EQ(s.host.messages.size(), 1U);
        EXPECT_EQ(s.host.messages[0], c.message);
        EXPECT_TRUE(s.calc.form.checked(OptionId::RadioButton1));
        EXPECT_TRUE(s.calc.form.checked(OptionId::TopLoadCheck));
        EXPECT_EQ(s.calc.design.gapCount, before.gapCount);
        EXPECT_EQ(s.calc.design.presentations, before.presentations);
        EXPECT_EQ(s.calc.design.motorRpm, before.motorRpm);
    }
}

} // namespace
} // namespace qv
