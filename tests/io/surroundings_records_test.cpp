// The Coil Analysis' geometry records in the design file: saved after the 18 records, taken back
// out of the Reference list on opening, defaults for a file that has none.
#include "core/reference_list.h"
#include "io/design_file.h"
#include "io/further_records.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::readBytes;
using test::Session;
using test::TempDir;
using test::writeBytes;

Surroundings unusualSurroundings()
{
    return {.baseHeightInches = 24.5,
            .clearanceInches = 1.25,
            .primaryHeightInches = 3,
            .ceilingHeightInches = 120,
            .streamerLengthInches = 36,
            .targetK = 0.12};
}

TEST(SurroundingsRecords, SaveAndReopenKeepTheGeometryAndLeaveTheReferenceListAsItWas)
{
    TempDir dir;
    Session saving;
    saving.calc.design.surroundings = unusualSurroundings();
    saving.calc.referenceList.emplace_back("my own note");
    const std::string path = dir.file("coil.qvd");
    ASSERT_TRUE(saveDesignFile(saving.calc, path));
    EXPECT_EQ(saving.calc.referenceList.size(), kReferenceListLines + 1) << "saving does not touch the list";

    Session opening;
    ASSERT_TRUE(openDesignFile(opening.calc, path));
    EXPECT_TRUE(opening.host.messages.empty());
    EXPECT_EQ(opening.calc.design.surroundings, unusualSurroundings());
    ASSERT_EQ(opening.calc.referenceList.size(), kReferenceListLines + 1);
    EXPECT_EQ(opening.calc.referenceList.back(), "my own note");

    // Saving the opened design again writes each record once, in the same place.
    const std::string again = dir.file("again.qvd");
    ASSERT_TRUE(saveDesignFile(opening.calc, again));
    std::string first = readBytes(path);
    std::string second = readBytes(again);
    first.erase(0, first.find('\n'));
    second.erase(0, second.find('\n'));
    EXPECT_EQ(first, second);
}

TEST(SurroundingsRecords, AFileWithoutThemOpensWithTheDefaultsAndNoMessage)
{
    TempDir dir;
    Session writer;
    const std::string path = dir.file("old.qvd");
    // The file a program without the geometry records writes: the list as it stands.
    writeBytes(path, designFileText(writer.calc.referenceList));

    Session s;
    s.calc.design.surroundings = unusualSurroundings();
    ASSERT_TRUE(openDesignFile(s.calc, path));
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(s.calc.design.surroundings, Surroundings{});
}

TEST(SurroundingsRecords, BadValuesAreReportedLikeTheSheetsRecordsAndKeepTheDefault)
{
    Session s;
    s.calc.design.surroundings = unusualSurroundings();
    std::vector<std::string> lines = withFurtherRecords(s.calc.referenceList, s.calc);
    const std::size_t base = kReferenceListLines + 1;    // value line of the first geometry record
    const std::size_t targetK = kReferenceListLines + 11; // value line of the last
    lines[base] = "ten";
    lines[targetK] = " 1.5000";
    TempDir dir;
    const std::string path = dir.file("bad.qvd");
    writeBytes(path, designFileText(lines));

    ASSERT_TRUE(openDesignFile(s.calc, path));
    ASSERT_EQ(s.host.messages.size(), 2U);
    EXPECT_EQ(s.host.messages[0], kFileDataInvalidMessage);
    EXPECT_EQ(s.host.messages[1], "Target Coupling Coefficient k 1.5000..Value Out Of Range..Not Used");
    const Surroundings& read = s.calc.design.surroundings;
    EXPECT_EQ(read.baseHeightInches, Surroundings{}.baseHeightInches);
    EXPECT_EQ(read.targetK, Surroundings{}.targetK);
    EXPECT_EQ(read.ceilingHeightInches, 120) << "the good records are still taken";
    EXPECT_EQ(s.calc.referenceList.size(), kReferenceListLines);
}

} // namespace
} // namespace qv
