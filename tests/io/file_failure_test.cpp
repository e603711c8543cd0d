// Files that cannot be read or written: the message names the file and gives the platform's
// reason, the design, the list and any old file stay as they were, and the timer runs again.
#include "io/design_file.h"
#include "io/file_bytes.h"
#include "io/scratch_file.h"

#include "io_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace qv {
namespace {

using test::readBytes;
using test::ScriptedChooser;
using test::Session;
using test::TempDir;
using test::writeBytes;

constexpr const char* kOldBytes = "the old design, which must survive\r\n";

struct SaveCase {
    const char* name;
    std::string path;
    std::string expected;
};

// The tests run as root here, so a read-only directory would not stop them; a missing directory,
// a directory given as the file name and a file without any write permission fail for anyone.
std::vector<SaveCase> unwritablePaths(const TempDir& dir)
{
    const std::string missing = dir.file("no-such-dir") + "/coil.qvd";
    std::filesystem::create_directory(dir.file("folder.qvd"));
    const std::string protectedFile = dir.file("protected.qvd");
    writeBytes(protectedFile, kOldBytes);
    ::chmod(protectedFile.c_str(), 0444);
    return {
        {"write-protected file", protectedFile, "Cannot create file \"" + protectedFile + "\". Permission denied"},
        {"missing directory", missing, "Cannot create file \"" + missing + "\". No such file or directory"},
        {"directory", dir.file("folder.qvd"), "Cannot create file \"" + dir.file("folder.qvd") + "\". Is a directory"},
        {"full disk", "/dev/full", "Cannot write file \"/dev/full\". No space left on device"},
    };
}

TEST(FileFailure, DesignSaveThatFailsKeepsTheOldFileTheListAndTheName)
{
    TempDir dir;
    for (const SaveCase& c : unwritablePaths(dir)) {
        Session s;
        const std::string old = dir.file("old.qvd");
        ASSERT_TRUE(saveDesignFile(s.calc, old));
        const std::string oldBytes = readBytes(old);
        const auto listBefore = s.calc.referenceList;

        ScriptedChooser chooser(c.path, s.host);
        EXPECT_FALSE(SaveFileButtonClick(s.calc, chooser)) << c.name;
        EXPECT_EQ(s.host.messages, std::vector<std::string>{c.expected}) << c.name;
        EXPECT_EQ(readBytes(old), oldBytes) << c.name;
        EXPECT_EQ(s.calc.referenceList, listBefore) << c.name;
        EXPECT_EQ(s.calc.designFileName, old) << c.name;
        EXPECT_TRUE(s.host.timerRunning) << c.name;
    }
    struct stat info {};
    ASSERT_EQ(::stat("/dev/full", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode)); // written in place, never replaced by a file
}

TEST(FileFailure, ScratchSaveThatFailsKeepsThePadAndTheName)
{
    TempDir dir;
    for (const SaveCase& c : unwritablePaths(dir)) {
        Session s;
        replaceScratchPad(s.calc, "L1 0.017 mH\n");
        ScriptedChooser chooser(c.path, s.host);
        EXPECT_FALSE(SaveScratchSaveButtonClick(s.calc, chooser)) << c.name;
        EXPECT_EQ(s.host.messages, std::vector<std::string>{c.expected}) << c.name;
        EXPECT_EQ(s.calc.scratchPad, "L1 0.017 mH\n");
        EXPECT_EQ(s.calc.scratchFileName, "scratch.txt");
        EXPECT_TRUE(s.host.timerRunning);
    }
}

TEST(FileFailure, AWriteCutShortLeavesTheOldFileAndNoTemporary)
{
    TempDir dir;
    const std::string path = dir.file("coil.qvd");
    writeBytes(path, kOldBytes);
    ::chmod(path.c_str(), 0640);

    // A file-size limit makes the write fail halfway, as a disk filling up would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error = replaceFile(path, std::string(5000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error, "Cannot write file \"" + path + "\". File too large");
    EXPECT_EQ(readBytes(path), kOldBytes);
    EXPECT_EQ(dir.entryCount(), 1U);

    // A save that succeeds keeps the file's permissions.
    ASSERT_EQ(replaceFile(path, "new"), "");
    EXPECT_EQ(readBytes(path), "new");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640U);
    EXPECT_EQ(dir.entryCount(), 1U);
}

TEST(FileFailure, AWriteProtectedFileIsNeverReplaced)
{
    TempDir dir;
    const std::string path = dir.file("coil.qvd");
    writeBytes(path, kOldBytes);
    ::chmod(path.c_str(), 0444);
    std::filesystem::create_symlink(path, dir.file("link.qvd"));
    for (const std::string& name : {path, dir.file("link.qvd")})
        EXPECT_EQ(replaceFile(name, "new"), "Cannot create file \"" + name + "\". Permission denied");
    EXPECT_EQ(readBytes(path), kOldBytes);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444U);
    EXPECT_EQ(dir.entryCount(), 2U); // no temporary left beside them
}

TEST(FileFailure, ASaveThroughASymbolicLinkReplacesTheTargetAndKeepsTheLink)
{
    TempDir dir;
    writeBytes(dir.file("real.qvd"), kOldBytes);
    std::filesystem::create_symlink(dir.file("real.qvd"), dir.file("link.qvd"));
    ASSERT_EQ(replaceFile(dir.file("link.qvd"), "new"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.qvd")));
    EXPECT_EQ(readBytes(dir.file("real.qvd")), "new");
}

TEST(FileFailure, AnUnreadableDesignChangesNothingAndTheTimerRunsAgain)
{
    TempDir dir;
    const std::string missing = dir.file("missing.qvd");
    const std::string huge = dir.file("huge.qvd");
    writeBytes(huge, std::string(kMaxDesignFileBytes + 1, '1'));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {missing, "Cannot open file \"" + missing + "\". No such file or directory"},
        {huge, "Cannot open file \"" + huge + "\". The file is larger than 1 MiB"},
        {dir.file(""), "Cannot read file \"" + dir.file("") + "\". Is a directory"},
    };
    for (const auto& [path, expected] : cases) {
        Session s;
        s.calc.design.primaryTurns = 8;
        const auto listBefore = s.calc.referenceList;
        ScriptedChooser chooser(path, s.host);
        EXPECT_FALSE(OpenFileButtonClick(s.calc, chooser));
        EXPECT_EQ(s.host.messages, std::vector<std::string>{expected});
        EXPECT_EQ(s.calc.referenceList, listBefore);
        EXPECT_EQ(s.calc.designFileName, "untitled.qvd");
        EXPECT_EQ(s.calc.design.primaryTurns, 8);
        EXPECT_TRUE(s.host.timerRunning);
    }
}

TEST(FileFailure, AnUnreadableScratchFileKeepsThePad)
{
    TempDir dir;
    const std::string huge = dir.file("huge.txt");
    writeBytes(huge, std::string(kMaxScratchFileBytes + 1, 'a'));
    Session s;
    replaceScratchPad(s.calc, "notes");
    ScriptedChooser chooser(huge, s.host);
    EXPECT_FALSE(ScratchOpenButtonClick(s.calc, chooser));
    EXPECT_EQ(s.host.messages, std::vector<std::string>{"Cannot open file \"" + huge + "\". The file is larger than 16 MiB"});
    EXPECT_EQ(s.calc.scratchPad, "notes");
    EXPECT_EQ(s.calc.scratchFileName, "scratch.txt");
    EXPECT_TRUE(s.host.timerRunning);
}

TEST(FileFailure, AValueThatIsNotANumberIsNeverSaved)
{
    Session s;
    TempDir dir;
    clickOption(s.calc, OptionId::NoCap);
    s.calc.design.topLoadPf = std::numeric_limits<double>::infinity();
    Main_Loop1(s.calc);
    ASSERT_EQ(s.calc.referenceList[valueLine(15)], "   ----");
    s.host.messages.clear();
    const std::string path = dir.file("inf.qvd");
    EXPECT_FALSE(saveDesignFile(s.calc, path));
    EXPECT_EQ(s.host.messages, std::vector<std::string>{"Cannot save file \"" + path +
                                                        "\". Top Load Capacitance (PF) is not a number"});
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(s.calc.designFileName, "untitled.qvd");
}

} // namespace
} // namespace qv
