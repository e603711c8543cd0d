// The file actions of quorvane-calc, end to end.
#include "app/batch_front_end.h"

#include "io_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace qv {
namespace {

using test::readBytes;
using test::TempDir;

struct BatchRun {
    int status;
    std::string out;
    std::string err;
};

BatchRun run(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = runBatch(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::size_t lineCount(const std::string& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(BatchFiles, SaveOpenAndListTheReference)
{
    TempDir dir;
    const std::string path = dir.file("coil.qvd");
    const BatchRun saved = run({"--set", "PREdit1=12", "--save", path});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_NE(readBytes(path).find("\r\n12.0000\r\n"), std::string::npos);

    const BatchRun opened = run({"--open", path, "--reference"});
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(lineCount(opened.out), 37U);
    EXPECT_EQ(opened.out.substr(0, path.size() + 1), path + "\n");
    EXPECT_NE(opened.out.find("\n12.0000\n"), std::string::npos);
}

TEST(BatchFiles, NetlistsAndTheirArguments)
{
    EXPECT_EQ(lineCount(run({"--netlist", "1"}).out), 44U);
    EXPECT_EQ(lineCount(run({"--netlist", "2"}).out), 82U);
    EXPECT_EQ(lineCount(run({"--netlist", "3"}).out), 99U);
    for (const char* bad : {"0", "4", "1.0", "", "x"}) {
        const BatchRun r = run({"--netlist", bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_TRUE(r.out.empty()) << bad;
    }
    EXPECT_EQ(run({"--open", ""}).status, 2);
}

TEST(BatchFiles, AFailedFileOperationIsReportedAndExitsWithOne)
{
    TempDir dir;
    const std::string missing = dir.file("missing.qvd");
    const BatchRun r = run({"--open", missing, "--reference"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "message: Cannot open file \"" + missing + "\". No such file or directory\n");
    EXPECT_EQ(lineCount(r.out), 37U); // the actions after it still run
}

// The command line names files in UTF-8; the design holds the name as Latin-1, as the window does.
TEST(BatchFiles, FileNamesAreUtf8OfLatinOneCharacters)
{
    TempDir dir;
    const std::string folder = dir.file("Entw\xc3\xbcrfe");
    std::filesystem::create_directory(folder);
    const BatchRun saved = run({"--save", folder + "/coil.qvd", "--reference"});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out.substr(0, saved.out.find('\n')), dir.file("Entw\xfcrfe") + "/coil.qvd");
    EXPECT_EQ(run({"--open", folder + "/coil.qvd"}).status, 0);
    // The euro sign has no Latin-1 byte: refused before anything runs.
    EXPECT_EQ(run({"--save", dir.file("\xe2\x82\xac.qvd")}).status, 2);
}

} // namespace
} // namespace qv
