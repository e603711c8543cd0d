// The report's section "The Coil As It Stands": after the specified lines, unchanged, every Coil
// Analysis figure beside its classic figure with its unit, and a reason where a figure has none.
#include "calc/stages.h"
#include "core/surroundings_inputs.h"
#include "io/analysis_model.h"
#include "io/coil_figure_rows.h"
#include "io/report.h"
#include "io/report_coil_section.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::lineOf;
using test::Session;

bool holds(const std::string& line, const std::string& text) { return line.find(text) != std::string::npos; }

TEST(ReportCoilSection, FollowsTheSpecifiedLinesWithEveryFigureBesideItsClassicFigure)
{
    Session s;
    replaceScratchPad(s.calc, "tank 0.02 uF\n");
    const std::vector<std::string> specified = reportLines(s.calc);
    const std::vector<std::string> printed = printedReportLines(s.calc);
    ASSERT_GT(printed.size(), specified.size());
    EXPECT_TRUE(std::equal(specified.begin(), specified.end(), printed.begin())) << "the specified lines come first";
    EXPECT_EQ(printed[specified.size() + 2], kCoilAsItStandsHeading);

    const field::Analysis analysis = field::analyse(currentCoilModel(s.calc));
    ASSERT_TRUE(analysis.ok()) << analysis.status;
    for (const ComparedFigureRow& row : kComparedFigureRows) {
        const std::string line = lineOf(printed, row.caption);
        SCOPED_TRACE(line);
        EXPECT_TRUE(holds(line, " " + std::string(row.unit) + " "));
        EXPECT_TRUE(holds(line, formatField(row.classic(s.calc), row.format)));
        EXPECT_TRUE(holds(line, formatField(*(analysis.*row.solved).value, row.format)));
    }
    for (const SolvedFigureRow& row : kSolvedFigureRows)
        EXPECT_TRUE(holds(lineOf(printed, row.caption), formatField(*(analysis.*row.solved).value, row.format)))
            << row.caption;
    for (const SurroundingsInput& input : kSurroundingsInputs)
        EXPECT_TRUE(holds(lineOf(printed, input.caption), surroundingsText(s.calc.design.surroundings, input, LengthUnit::Inches)))
            << input.caption;
}

TEST(ReportCoilSection, AFigureWithoutAValueShowsWhy)
{
    Session s;
    s.calc.design.surroundings.targetK = 0.9; // no primary height reaches it
    const field::Analysis analysis = field::analyse(currentCoilModel(s.calc));
    const std::string& reason = analysis.primaryHeightForTargetKInches.reason;
    ASSERT_FALSE(reason.empty());
    EXPECT_TRUE(holds(lineOf(coilAsItStandsLines(s.calc), "Primary height for the target k"), reason));
}

TEST(ReportCoilSection, ATypedTopLoadIsNamedAsTheClassicColumns)
{
    Session s;
    clickOption(s.calc, OptionId::NoCap); // the copy box off, 25 pF typed on the Secondary Coil sheet
    s.calc.design.topLoadPf = 25;
    EXPECT_TRUE(holds(lineOf(coilAsItStandsLines(s.calc), "The classic top load"), "25.00 pF on the Secondary Coil"));
}

} // namespace
} // namespace qv
