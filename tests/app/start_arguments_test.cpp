// The window program's command line and quorvane-calc's --help and --version.
#include "app/gui_command_line.h"
#include "batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace qv {
namespace {

StartRequest parse(const std::vector<std::string>& arguments) { return parseStartArguments(arguments); }

TEST(StartArguments, NoArgumentsStartsAsUsual)
{
    const StartRequest request = parse({});
    EXPECT_EQ(request.action, StartAction::Run);
    EXPECT_TRUE(request.designPath.empty());
}

TEST(StartArguments, ADesignFileIsMadeAbsolute)
{
    const auto here = std::filesystem::current_path();
    EXPECT_EQ(parse({"coil.qvd"}).designPath, (here / "coil.qvd").string());
    EXPECT_EQ(parse({"./designs/../coil.qvd"}).designPath, (here / "coil.qvd").string());
    EXPECT_EQ(parse({"/tmp/a b/coil.qvd"}).designPath, "/tmp/a b/coil.qvd");
    // After "--" a name that starts with a dash is a file, and "-" alone always is.
    EXPECT_EQ(parse({"--", "-odd.qvd"}).designPath, (here / "-odd.qvd").string());
    EXPECT_EQ(parse({"-"}).action, StartAction::Run);
}

TEST(StartArguments, HelpAndVersionWinOverEverythingBeforeTheEndOfOptions)
{
    EXPECT_EQ(parse({"--help"}).action, StartAction::ShowHelp);
    EXPECT_EQ(parse({"coil.qvd", "-h"}).action, StartAction::ShowHelp);
    EXPECT_EQ(parse({"--version", "--help"}).action, StartAction::ShowHelp);
    EXPECT_EQ(parse({"--bogus", "--version"}).action, StartAction::ShowVersion);
    EXPECT_EQ(parse({"--", "--version"}).action, StartAction::Run);
}

TEST(StartArguments, QtsOwnOptionsAndTheirValuesAreLeftForQt)
{
    const auto here = std::filesystem::current_path();
    EXPECT_EQ(parse({"-platform", "offscreen", "coil.qvd"}).designPath, (here / "coil.qvd").string());
    EXPECT_EQ(parse({"--style=fusion", "-reverse", "coil.qvd"}).designPath, (here / "coil.qvd").string());
    EXPECT_EQ(parse({"coil.qvd", "-stylesheet", "a.qss"}).designPath, (here / "coil.qvd").string());
    EXPECT_TRUE(parse({"-qmljsdebugger=port:1234"}).designPath.empty());
}

TEST(StartArguments, UnknownOptionsAndSecondFilesAreUsageErrors)
{
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--bogus"}, {"coil.qvd", "-x"},
                                                {"a.qvd", "b.qvd"}, {""}, {"-platform"}, {"-platforms"}}) {
        const StartRequest request = parse(bad);
        EXPECT_EQ(request.action, StartAction::UsageError) << bad.back();
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(answerStartRequest(request, out, err), kStartUsage);
        EXPECT_TRUE(out.str().empty());
        EXPECT_NE(err.str().find(request.problem), std::string::npos);
        EXPECT_NE(err.str().find("usage: quorvane [FILE.qvd]"), std::string::npos);
    }
    EXPECT_NE(parse({"--bogus"}).problem.find("--bogus"), std::string::npos);
}

TEST(StartArguments, HelpAndVersionPrintOnStandardOutput)
{
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(answerStartRequest(parse({"--version"}), out, err), kStartOk);
    EXPECT_EQ(out.str(), std::string("quorvane ") + QUORVANE_PROJECT_VERSION + "\n");
    out.str({});
    EXPECT_EQ(answerStartRequest(parse({"-h"}), out, err), kStartOk);
    EXPECT_EQ(out.str().rfind("usage: quorvane", 0), 0U);
    EXPECT_TRUE(err.str().empty());
}

TEST(BatchFrontEnd, HelpAndVersionRunNothingElse)
{
    const auto version = batch_test::run({"--fields", "--version"});
    EXPECT_EQ(version.status, kBatchOk);
    EXPECT_EQ(version.out, std::string("quorvane-calc ") + QUORVANE_PROJECT_VERSION + "\n");
    const auto help = batch_test::run({"--help", "--open", "/nonexistent.qvd"});
    EXPECT_EQ(help.status, kBatchOk);
    EXPECT_EQ(help.out.rfind("usage: quorvane-calc [--help] [--version] [--set FIELD=TEXT]", 0), 0U);
    EXPECT_TRUE(help.err.empty()) << "the file was not opened";
}

} // namespace
} // namespace qv
