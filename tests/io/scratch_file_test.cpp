#include "io/scratch_file.h"

#include "io_test_support.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::readBytes;
using test::ScriptedChooser;
using test::Session;
using test::TempDir;
using test::writeBytes;

TEST(ScratchFile, SaveWritesCrLfForEachBreakAndNothingAfterAnUnendedLastLine)
{
    Session s;
    TempDir dir;
    const std::string path = dir.file("coil.cir");
    replaceScratchPad(s.calc, "*PSpice Output From Quorvane*\n.END\nnote without Enter");
    ScriptedChooser chooser(path, s.host);
    ASSERT_TRUE(SaveScratchSaveButtonClick(s.calc, chooser));
    EXPECT_EQ(readBytes(path), "*PSpice Output From Quorvane*\r\n.END\r\nnote without Enter");
    EXPECT_EQ(s.calc.scratchFileName, path);
    EXPECT_EQ(s.calc.form.statusPanels[1], "Save File");
    EXPECT_FALSE(chooser.timerRunningWhenAsked);
    EXPECT_TRUE(s.host.timerRunning);

    const FileDialogSpec& dialog = chooser.asked.at(0);
    EXPECT_EQ(dialog.title, "Quorvane Scratch Pad File Save");
    EXPECT_EQ(dialog.filter, "Quorvane Scratch Pad (*.txt)|*.txt|PSpice Circuit Netlist (*.cir)|*.cir|All Files (*.*)|*.*");
    EXPECT_EQ(dialog.defaultExtension, "txt");
    EXPECT_EQ(dialog.initialName, "scratch.txt");

    // The next dialogs start at the new name.
    ScriptedChooser cancel(std::nullopt, s.host);
    EXPECT_TRUE(ScratchOpenButtonClick(s.calc, cancel));
    EXPECT_EQ(cancel.asked.at(0).initialName, path);
    EXPECT_EQ(cancel.asked.at(0).title, "Quorvane Scratch Pad File Open");
    EXPECT_EQ(cancel.asked.at(0).filter, "Quorvane Scratch Pad (*.txt)|*.txt|Quorvane Files (*.qvd)|*.qvd|All Files (*.*)|*.*");
    EXPECT_EQ(s.calc.scratchFileName, path);
}

TEST(ScratchFile, AnEmptyPadAfterBeginWritesAnEmptyFile)
{
    Session s;
    TempDir dir;
    const std::string path = dir.file("empty.txt");
    writeBytes(path, "old notes");
    ASSERT_TRUE(saveScratchFile(s.calc, path));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(readBytes(path), "");
}

TEST(ScratchFile, LoadTurnsEveryKindOfLineEndIntoABreak)
{
    EXPECT_EQ(scratchPadText("a\nb\nc"), "a\nb\nc");
    EXPECT_EQ(scratchPadText("a\r\nb\rc\n"), "a\nb\nc\n");
    EXPECT_EQ(scratchPadText("\r\r\n\n"), "\n\n\n");
    EXPECT_EQ(scratchPadText("a\r"), "a\n");

    Session s;
    TempDir dir;
    const std::string path = dir.file("lf.txt");
    writeBytes(path, "first\nsecond\nlast without end");
    const std::uint64_t revisionBefore = s.calc.scratchPadRevision;
    ScriptedChooser chooser(path, s.host);
    ASSERT_TRUE(ScratchOpenButtonClick(s.calc, chooser));
    EXPECT_EQ(s.calc.scratchPad, "first\nsecond\nlast without end");
    EXPECT_NE(s.calc.scratchPadRevision, revisionBefore);
    EXPECT_EQ(s.calc.scratchFileName, path);
    EXPECT_EQ(s.calc.form.statusPanels[1], "Open File");
    EXPECT_TRUE(s.host.timerRunning);
}

TEST(ScratchFile, CrLfTextWithEightBitBytesRoundTripsByteForByte)
{
    Session s;
    TempDir dir;
    std::string text = "Schwingkreis \xe4\xf6\xfc \xb5H\r\n\r\n\x80\xff\x01 \t end";
    for (int c = 128; c < 256; ++c) text += static_cast<char>(c);
    const std::string path = dir.file("notes.txt");
    writeBytes(path, text);
    ASSERT_TRUE(openScratchFile(s.calc, path));
    ASSERT_TRUE(saveScratchFile(s.calc, path));
    EXPECT_EQ(readBytes(path), text);
}

TEST(ScratchFile, ADesignFileLoadsAsTextWithoutTouchingTheDesign)
{
    Session s;
    TempDir dir;
    const std::string path = dir.file("coil.qvd");
    writeBytes(path, "C:\\coil.qvd\r\nPrimary Coil Inside Diameter (IN)\r\n99.0000\r\n");
    ASSERT_TRUE(openScratchFile(s.calc, path));
    EXPECT_EQ(s.calc.scratchPad, "C:\\coil.qvd\nPrimary Coil Inside Diameter (IN)\n99.0000\n");
    EXPECT_EQ(s.calc.design.primaryInsideDiameterInches, 11.0);
    EXPECT_EQ(s.calc.designFileName, "untitled.qvd");
}

} // namespace
} // namespace qv
