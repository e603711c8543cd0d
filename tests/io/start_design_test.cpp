// A design named on the command line: the open command's behaviour, its messages included, on a
// calculator that starts running; a file that cannot be read leaves the start picture.
#include "core/calculator.h"
#include "io/design_file.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::RecordingHost;
using test::TempDir;
using test::writeBytes;

struct StartingProgram {
    RecordingHost host;
    Calculator calc{host};
    int begins = 0;
    bool open(const std::string& path)
    {
        return openDesignAtStart(calc, path, [this] {
            ++begins;
            BeginButtonClick(calc);
        });
    }
};

// The start design's file with the primary turns changed to 6.5, in `lineCount` lines.
std::string designText(const std::string& savedPath, std::size_t lineCount)
{
    RecordingHost host;
    Calculator source(host);
    source.design.primaryTurns = 6.5;
    Main_Loop1(source);
    std::vector<std::string> lines = source.referenceList;
    lines.front() = savedPath;
    lines.resize(lineCount);
    return designFileText(lines);
}

TEST(StartDesign, OpensTheFileAndRuns)
{
    TempDir dir;
    StartingProgram program;
    const std::string path = dir.file("coil.qvd");
    writeBytes(path, designText(path, kReferenceListLines));
    ASSERT_TRUE(program.open(path));
    EXPECT_EQ(program.begins, 1);
    EXPECT_TRUE(program.host.messages.empty());
    EXPECT_TRUE(program.host.timerRunning);
    EXPECT_EQ(program.calc.design.primaryTurns, 6.5);
    EXPECT_EQ(program.calc.designFileName, path);
    EXPECT_EQ(program.calc.form.statusPanels[0], path);
    EXPECT_TRUE(program.calc.scratchPad.empty()) << "BEGIN empties the start notes";
}

TEST(StartDesign, AnOldOrDamagedFileShowsItsMessageAndStillRuns)
{
    TempDir dir;
    const std::string path = dir.file("old.qvd");

    StartingProgram old;
    writeBytes(path, designText(path, kPreviousVersionLines));
    ASSERT_TRUE(old.open(path));
    EXPECT_EQ(old.host.messages, std::vector<std::string>{kPreviousVersionNotice});
    EXPECT_EQ(old.calc.design.primaryTurns, 6.5);
    EXPECT_EQ(old.calc.design.pfcRatingPercent, kPreviousVersionPfcPercent);
    EXPECT_TRUE(old.host.timerRunning);

    StartingProgram damaged;
    const double defaultTurns = damaged.calc.design.primaryTurns;
    writeBytes(path, designText(path, 12));
    ASSERT_TRUE(damaged.open(path));
    ASSERT_EQ(damaged.host.messages.size(), 1U);
    EXPECT_NE(damaged.host.messages[0].find("is not a complete Quorvane design parameter file"), std::string::npos);
    EXPECT_EQ(damaged.calc.design.primaryTurns, defaultTurns) << "the defaults stay";
    EXPECT_EQ(damaged.calc.designFileName, kUntitledDesignName);
    EXPECT_TRUE(damaged.host.timerRunning);
}

TEST(StartDesign, AFileThatCannotBeReadIsReportedAndTheStartPictureStays)
{
    TempDir dir;
    for (const std::string& path : {dir.file("missing.qvd"), dir.file("")}) {
        StartingProgram program;
        EXPECT_FALSE(program.open(path));
        EXPECT_EQ(program.begins, 0);
        ASSERT_EQ(program.host.messages.size(), 1U) << path;
        EXPECT_NE(program.host.messages[0].find(path), std::string::npos) << "the message names the file";
        EXPECT_FALSE(program.host.timerRunning);
        EXPECT_EQ(program.calc.form.statusPanels[1], kStartNotice);
        EXPECT_EQ(program.calc.designFileName, kUntitledDesignName);
    }
}

} // namespace
} // namespace qv
