#include "io/design_file.h"

#include "core/number_parser.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv {
namespace {

using test::readBytes;
using test::ScriptedChooser;
using test::Session;
using test::TempDir;
using test::writeBytes;

// The 18 records of a design file, as the program writes them for the start design.
const std::vector<std::string> kDefaultRecordLines = {
    "Primary Transformer Output Voltage (VAC)", "4000.0000",
    "Primary Transformer Rated Current (AMP)", " 1.0000",
    "Primary Transformer Input Frequency (HZ)", "60.0000",
    "Primary Transformer Input Voltage (VAC)", "250.0000",
    "Primary Coil Inside Diameter (IN)", "11.0000",
    "Primary Coil Wire Diameter (IN)", " 0.2300",
    "Primary Coil Wire Spacing (IN)", " 0.2000",
    "Primary Coil Number of Turns", " 5.4000",
    "Primary Coil Angle From Horizontal Plane (DEGREES)", "30.0000",
    "Secondary Wire Diameter (IN)", " 0.0254",
    "Secondary Coil Total Outside Diameter (IN)", " 6.8900",
    "Length of Secondary Coil (IN)", "50.0000",
    "Secondary Wire Gauge", "22.0000",
    "Secondary Turns/Inch", "37.4753",
    "Top Load Capacitance (PF)", "23.3500",
    "Sphere Radius/Toroid Tube Diameter (IN)", " 3.0000",
    "Toroid Diameter Tube Center-to-Center (IN)", "22.0000",
    "Primary Transformer PFC Rating (%)", "75.0000",
};

// The further records a save writes after the 18, for the start design: its surroundings, its
// option states (a conical primary, the toroid on the coil by Bert Pool's equation copied to the
// secondary, series gaps), its spark gap and its tank circuit.
const std::vector<std::string> kDefaultFurtherLines = {
    "Secondary Winding Bottom Above Floor (IN)", "10.0000",
    "Top Load Clearance Above Winding Top (IN)", " 0.0000",
    "Primary Inner Turn Above Winding Bottom (IN)", " 0.0000",
    "Grounded Ceiling Above Floor (IN) 0 = None", " 0.0000",
    "Expected Streamer Length (IN)", " 0.0000",
    "Target Coupling Coefficient k", " 0.1500",
    "Primary Coil Shape 1 = Flat 2 = Vertical 3 = Conical", " 3.0000",
    "Top Load On Secondary (W/Top Load C) 1 = Yes 0 = No", " 1.0000",
    "Top Load Shape 1 = Toroid 2 = Sphere", " 1.0000",
    "Toroid Equation 1 = Bert Pool 2 = Rzeszotarski", " 1.0000",
    "Copy Top Load C To Secondary Sheet 1 = Yes 0 = No", " 1.0000",
    "Spark Gap 1 = Series Gaps 2 = Rotary Gap", " 1.0000",
    "Number of Series Gaps", " 1.0000",
    "Rotary Gap Largest Electrode Thickness (IN)", " 0.2500",
    "Rotary Gap Rotating Electrode Radius (IN)", " 2.1300",
    "Rotary Gap Presentations Per Revolution", "16.0000",
    "Rotary Gap Motor RPM", "1800.0000",
    "Tank Capacitor On Hand (UF) 0 = Build The Bank", " 0.0000",
    "Primary Leads Total Length (IN)", "36.0000",
    "Primary Lead Wire Diameter (IN)", " 0.2500",
    "Tank Size Over Transformer Resonant Size (LTR)", " 1.0000",
    "Bank Capacitor Capacitance (UF)", " 0.1500",
    "Bank Capacitor DC Voltage Rating (V)", "2000.0000",
    "Bank Capacitor Peak Current Rating (A) 0 = None", " 0.0000",
    "Bank Capacitor RMS Current Rating (A) 0 = None", " 0.0000",
    "Bank Capacitor dv/dt Rating (V/US) 0 = None", " 0.0000",
    "Bank DC Rating Over Supply Peak Voltage", " 2.0000",
    "Bleeder Resistor Across Each Capacitor (MOHM)", "10.0000",
    "Gap Quenches At Energy Transfer Notch", " 1.0000",
    "Safety Gap Fires At Supply Peak Times", " 1.5000",
};

// A file's lines: the saved path, then the records with one value line replaced if asked.
std::vector<std::string> fileLines(std::size_t record = 0, const std::string& value = {})
{
    std::vector<std::string> lines{"C:\\coil.qvd"};
    lines.insert(lines.end(), kDefaultRecordLines.begin(), kDefaultRecordLines.end());
    if (record > 0) lines[valueLine(record)] = value;
    return lines;
}

std::string crLfText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// Opens the text through the command, as the user would.
bool openText(Session& s, const TempDir& dir, const std::string& text)
{
    const std::string path = dir.file("in.qvd");
    writeBytes(path, text);
    ScriptedChooser chooser(path, s.host);
    return OpenFileButtonClick(s.calc, chooser);
}

TEST(DesignFileSave, WritesTheListWithCrLfAfterEveryLineAndTakesThePath)
{
    Session s;
    TempDir dir;
    const std::string path = dir.file("coil.qvd");
    ScriptedChooser chooser(path, s.host);
    ASSERT_TRUE(SaveFileButtonClick(s.calc, chooser));

    ASSERT_EQ(chooser.asked.size(), 1U);
    EXPECT_EQ(chooser.asked[0].title, "Quorvane File Save");
    EXPECT_EQ(chooser.asked[0].filter, "Quorvane Files (*.qvd)|*.qvd");
    EXPECT_EQ(chooser.asked[0].defaultExtension, "qvd");
    EXPECT_EQ(chooser.asked[0].initialName, "untitled.qvd");
    EXPECT_FALSE(chooser.timerRunningWhenAsked);
    EXPECT_TRUE(s.host.timerRunning);
    EXPECT_EQ(s.calc.form.statusPanels[1], "Save File");

    std::vector<std::string> expected{path};
    expected.insert(expected.end(), kDefaultRecordLines.begin(), kDefaultRecordLines.end());
    expected[valueLine(15)] = s.calc.referenceList[valueLine(15)]; // the top load the first pass computed
    expected.insert(expected.end(), kDefaultFurtherLines.begin(), kDefaultFurtherLines.end());
    EXPECT_EQ(readBytes(path), crLfText(expected));
    EXPECT_EQ(s.calc.designFileName, path);
    EXPECT_EQ(s.calc.referenceList[0], path);
}

TEST(DesignFileSave, SavedDesignReopensWithEveryValueRoundedToFourDecimals)
{
    Session saving;
    TempDir dir;
    Design& d = saving.calc.design;
    d.outputVolts = 12345.678901;
    d.primaryInsideDiameterInches = 9.87654;
    d.primaryAngleDegrees = 12.34567;
    d.secondaryGauge = 27;
    d.turnsPerInch = 66.666666;
    d.pfcRatingPercent = 42.42424;
    clickOption(saving.calc, OptionId::NoCap); // keep the typed top load
    d.topLoadPf = 31.41592;
    Main_Loop1(saving.calc);
    const ReferenceRecords saved = referenceRecords(d);
    const std::string path = dir.file("round.qvd");
    ASSERT_TRUE(saveDesignFile(saving.calc, path));

    Session opening;
    clickOption(opening.calc, OptionId::NoCap);
    ASSERT_TRUE(openDesignFile(opening.calc, path));
    EXPECT_TRUE(opening.host.messages.empty());
    const ReferenceRecords reopened = referenceRecords(opening.calc.design);
    for (std::size_t k = 0; k < kReferenceRecordCount; ++k)
        EXPECT_EQ(reopened[k], parseNumber(referenceValueText(saved[k])).value) << "record " << k + 1;
    EXPECT_EQ(opening.calc.design.turnsPerInch, 66.6667);
    EXPECT_EQ(opening.calc.design.secondaryGauge, 27);
    EXPECT_EQ(opening.calc.designFileName, path);
    EXPECT_EQ(opening.calc.form.statusPanels[0], path);
}

TEST(DesignFileOpen, ReadsCrLfAndLoneCrAndLoneLfAndAnUnendedLastLineAndStopsAtNul)
{
    const std::vector<std::string> lines = fileLines(5, "12.5000");
    std::string mixed;
    for (std::size_t i = 0; i < lines.size(); ++i)
        mixed += lines[i] + (i + 1 == lines.size() ? "" : i % 3 == 0 ? "\r" : i % 3 == 1 ? "\n" : "\r\n");
    EXPECT_EQ(designFileLines(mixed), lines);
    EXPECT_EQ(designFileLines(mixed + "\r\n"), lines);
    EXPECT_EQ(designFileLines(crLfText(lines) + std::string(1, '\0') + "junk\r\nmore\r\n"), lines);
    EXPECT_EQ(designFileLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(designFileLines("\n\r"), (std::vector<std::string>{"", ""})); // LF then a lone CR

    Session s;
    TempDir dir;
    ASSERT_TRUE(openText(s, dir, mixed));
    EXPECT_EQ(s.calc.design.primaryInsideDiameterInches, 12.5);
    EXPECT_EQ(s.calc.referenceList, lines);
}

TEST(DesignFileOpen, RewritesTheInputFieldsAndClearsTypedText)
{
    Session s;
    TempDir dir;
    s.calc.form.type(FieldId::PREdit1, "abc");
    std::vector<std::string> lines = fileLines(5, "12.0000");
    lines[valueLine(13)] = "24.0000";
    lines[valueLine(1)] = "9000";
    ASSERT_TRUE(openText(s, dir, crLfText(lines)));
    EXPECT_EQ(s.calc.form.field(FieldId::PREdit1).text, "12.0");
    EXPECT_FALSE(s.calc.form.field(FieldId::PREdit1).modified);
    EXPECT_EQ(s.calc.form.field(FieldId::SEEdit3).text, "  24");
    EXPECT_EQ(s.calc.form.field(FieldId::TCEdit1).text, "   9000");
    EXPECT_EQ(s.calc.form.statusPanels[1], "Open File");
    EXPECT_TRUE(s.host.timerRunning);
    // The stages ran once: the secondary results follow the opened gauge's turns per inch.
    EXPECT_DOUBLE_EQ(s.calc.secondary.turns, 0.97 * 50 * 37.4753);
}

TEST(DesignFileOpen, PreviousVersionFileIsCompletedWithTheAnnouncedPfcRating)
{
    Session s;
    TempDir dir;
    std::vector<std::string> lines = fileLines();
    lines.resize(kPreviousVersionLines); // records 1 to 17
    ASSERT_TRUE(openText(s, dir, crLfText(lines)));
    EXPECT_EQ(s.host.messages,
              std::vector<std::string>{"Updating Reference Data From Previous Version - New Parameter PFC_Rating = 50%"});
    ASSERT_EQ(s.calc.referenceList.size(), 37U);
    EXPECT_EQ(s.calc.referenceList[35], "Primary Transformer PFC Rating (%)");
    EXPECT_EQ(s.calc.referenceList[36], "50.0000");
    EXPECT_EQ(s.calc.design.pfcRatingPercent, 50);
}

// A file that stops after the label of record 18 is short of 37 lines like a previous-version
// file and is completed the same way; the record left without a value is then reported, and every
// record before it is read.
TEST(DesignFileOpen, FileWithoutTheLastValueIsCompletedAndReportsIt)
{
    Session s;
    TempDir dir;
    std::vector<std::string> lines = fileLines(8, "2.0");
    lines.resize(kPreviousVersionLines + 1);
    ASSERT_TRUE(openText(s, dir, crLfText(lines)));
    EXPECT_EQ(s.host.messages, (std::vector<std::string>{kPreviousVersionNotice, kFileDataInvalidMessage}));
    EXPECT_EQ(s.calc.design.primaryTurns, 2.0);
    EXPECT_EQ(s.calc.design.pfcRatingPercent, 75);
    EXPECT_EQ(s.calc.designFileName, dir.file("in.qvd"));
    EXPECT_GE(s.calc.referenceList.size(), kReferenceListLines);
}

TEST(DesignFileOpen, LinesAfterTheLastRecordAreKeptAndSavedAgain)
{
    Session s;
    TempDir dir;
    std::vector<std::string> lines = fileLines();
    lines.insert(lines.end(), {"notes: rebuilt 2019", "", "  tank 0.02 uF MMC"});
    ASSERT_TRUE(openText(s, dir, crLfText(lines)));
    ASSERT_EQ(s.calc.referenceList.size(), 40U);
    Main_Loop1(s.calc);
    const std::string out = dir.file("out.qvd");
    ASSERT_TRUE(saveDesignFile(s.calc, out));
    lines[0] = out;
    lines[valueLine(15)] = s.calc.referenceList[valueLine(15)]; // recomputed by the top-load stage
    // The further records go right after the 18; the kept lines follow them.
    lines.insert(lines.begin() + kReferenceListLines, kDefaultFurtherLines.begin(), kDefaultFurtherLines.end());
    EXPECT_EQ(readBytes(out), crLfText(lines));
}

TEST(DesignFileOpen, BadValuesAreReportedInRecordOrderAndLeaveTheirVariables)
{
    Session s;
    TempDir dir;
    s.calc.design.primaryInsideDiameterInches = 13.0; // differs from the file's 11
    std::vector<std::string> lines = fileLines();
    lines[valueLine(5)] = "11.0000 ";  // trailing blank
    lines[valueLine(9)] = "91";
    lines[valueLine(12)] = "1,5";
    lines[valueLine(18)] = "0.5";
    lines[labelLine(18)] = "PFC (%) ";
    lines[valueLine(3)] = "50"; // still taken
    ASSERT_TRUE(openText(s, dir, crLfText(lines)));
    EXPECT_EQ(s.host.messages, (std::vector<std::string>{
                                   "File Data Invalid",
                                   "Primary Coil Angle From Horizontal Plane (DEGREES)91.0000..Value Out Of Range..Not Used",
                                   "File Data Invalid",
                                   "PFC (%)  0.5000..Value Out Of Range..Not Used",
                               }));
    EXPECT_EQ(s.calc.design.primaryInsideDiameterInches, 13.0);
    EXPECT_EQ(s.calc.design.primaryAngleDegrees, 30);
    EXPECT_EQ(s.calc.design.secondaryLengthInches, 50);
    EXPECT_EQ(s.calc.design.pfcRatingPercent, 75);
    EXPECT_EQ(s.calc.design.lineFrequencyHz, 50);
}

TEST(DesignFileOpen, GaugeRoundsHalfToEvenAndMustStayInTheWireTable)
{
    struct Case {
        const char* line;
        std::int32_t gauge;
        bool rejected;
    };
    for (const Case c : {Case{"22.5", 22, false}, Case{"23.5", 24, false}, Case{"39.6", 40, false},
                         Case{"40.5", 40, false}, Case{"0.4", 22, true}, Case{"40.6", 22, true},
                         Case{"1e300", 22, true}}) {
        Session s;
        TempDir dir;
        ASSERT_TRUE(openText(s, dir, crLfText(fileLines(13, c.line))));
        EXPECT_EQ(s.calc.design.secondaryGauge, c.gauge) << c.line;
        EXPECT_EQ(s.host.messages.size(), c.rejected ? 1U : 0U) << c.line;
        if (c.rejected) {
            EXPECT_EQ(s.host.messages[0], "Secondary Wire Gauge" + referenceValueText(parseNumber(c.line).value) +
                                              "..Value Out Of Range..Not Used");
        }
    }
    EXPECT_EQ(roundHalfToEven(-2.5), -2);
    EXPECT_EQ(roundHalfToEven(2.4999), 2);
}

TEST(DesignFileOpen, AnAngleAboveZeroSelectsTheConicalPrimary)
{
    for (const auto& [line, conical] : {std::pair{"0", false}, std::pair{"45", true}, std::pair{"90", true}}) {
        Session s;
        TempDir dir;
        clickOption(s.calc, OptionId::FlatPrimary);
        ASSERT_TRUE(openText(s, dir, crLfText(fileLines(9, line))));
        EXPECT_EQ(s.calc.form.checked(OptionId::ConicalPrimary), conical) << line;
        EXPECT_EQ(s.calc.form.checked(OptionId::FlatPrimary), !conical) << line;
    }
}

TEST(DesignFileOpen, ATooShortFileIsRefusedAndChangesNothing)
{
    for (const std::size_t count : {0UL, 1UL, 34UL}) {
        Session s;
        TempDir dir;
        s.calc.design.primaryTurns = 7.5;
        const auto listBefore = s.calc.referenceList;
        std::vector<std::string> lines = fileLines(8, "2.0");
        lines.resize(count);
        EXPECT_FALSE(openText(s, dir, crLfText(lines)));
        EXPECT_EQ(s.host.messages, std::vector<std::string>{dir.file("in.qvd") +
                                                            " is not a complete Quorvane design parameter file"});
        EXPECT_EQ(s.calc.referenceList, listBefore);
        EXPECT_EQ(s.calc.designFileName, "untitled.qvd");
        EXPECT_EQ(s.calc.design.primaryTurns, 7.5);
        EXPECT_TRUE(s.host.timerRunning);
    }
}

TEST(DesignFileOpen, CancelledDialogsChangeNothingButTheStatusText)
{
    Session s;
    ScriptedChooser chooser(std::nullopt, s.host);
    const auto listBefore = s.calc.referenceList;
    EXPECT_TRUE(OpenFileButtonClick(s.calc, chooser));
    EXPECT_EQ(chooser.asked.at(0).title, "Quorvane File Open");
    EXPECT_EQ(chooser.asked.at(0).initialName, "untitled.qvd");
    EXPECT_TRUE(SaveFileButtonClick(s.calc, chooser));
    EXPECT_EQ(s.calc.referenceList, listBefore);
    EXPECT_EQ(s.calc.designFileName, "untitled.qvd");
    EXPECT_EQ(s.calc.form.statusPanels[1], "Save File");
    EXPECT_TRUE(s.host.timerRunning);
}

TEST(DesignFileOpen, EightBitTextComesBackByteForByte)
{
    Session s;
    TempDir dir;
    const std::string path = dir.file("b\xe9zier.qvd");
    std::vector<std::string> lines = fileLines();
    lines[0] = path;
    lines[labelLine(5)] = "Durchmesser innen (Zoll) \xe4\xf6\xfc\xdf \xff\x80";
    lines.insert(lines.end(), kDefaultFurtherLines.begin(), kDefaultFurtherLines.end());
    lines.push_back("\xb0\xb1\xb2 \x81\xfe");
    // The copy box is off in the file, so the file's top load stays as it is.
    *(std::find(lines.begin(), lines.end(), "Copy Top Load C To Secondary Sheet 1 = Yes 0 = No") + 1) = " 0.0000";
    const std::string text = crLfText(lines);
    writeBytes(path, text);
    ASSERT_TRUE(openDesignFile(s.calc, path));
    Main_Loop1(s.calc);
    ASSERT_TRUE(saveDesignFile(s.calc, path));
    EXPECT_EQ(readBytes(path), text);
}

} // namespace
} // namespace qv
