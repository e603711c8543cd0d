// quorvane-calc --sweep: every point of a sweep holds the figures the same design shows when its
// value is set on its own, and a value the calculator refuses leaves a gap with the reason.
#include "app/batch_front_end.h"
#include "app/batch_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace qv {
namespace {

using batch_test::BatchRun;
using batch_test::run;

std::vector<std::string> splitCsvLine(const std::string& line)
{
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') quoted = !quoted;
        else if (c == ',' && !quoted) cells.push_back(std::exchange(cell, {}));
        else cell += c;
    }
    cells.push_back(cell);
    return cells;
}

std::vector<std::vector<std::string>> csvRows(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) rows.push_back(splitCsvLine(line));
    return rows;
}

// "NAME<TAB>TEXT" lines of --fields, --analysis and --tank-figures ("NAME<TAB>none<TAB>WHY").
std::map<std::string, std::string> printedFigures(const std::string& text)
{
    std::map<std::string, std::string> figures;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t');
        const std::string rest = line.substr(tab + 1);
        figures[line.substr(0, tab)] = rest.substr(0, rest.find('\t'));
    }
    return figures;
}

// A field shows its value rounded to its decimals: the sweep's value may differ by half the last
// shown digit, plus the sweep's own rounding to six significant digits.
void expectShownAs(double swept, const std::string& shown, const std::string& what)
{
    const auto point = shown.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(shown.size() - point - 1);
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + 1e-5 * std::abs(swept);
    EXPECT_NEAR(swept, std::stod(shown), tolerance) << what;
}

struct SweepCase {
    const char* setFlag; // how the batch front end sets the input on its own
    const char* sweep;
    const char* figures; // sheet results first, then field-solution figures
    std::size_t sheetFigures;
};

const SweepCase kSweeps[] = {
    {"--set", "PREdit4=4:7:4", "PREdit5,PREdit13,OutputEdit1,k,cp_uf", 3},
    {"--set", "TOCEdit2=10:40:4", "SEEdit13,TOCEdit3,f1_khz", 2},
    {"--set", "TCEdit1=6000:15000:4", "OutputEdit1,TCEdit4", 2},
    {"--geometry", "base=0:30:4", "SEEdit13,k,f1_khz", 1},
    {"--tank", "ltr=1:2.5:4", "PREdit13,tank_uf,tap_turns_asis,ipk_a", 1},
};

TEST(BatchSweep, EachPointHoldsTheFiguresOfTheSameDesignSetOnItsOwn)
{
    for (const SweepCase& c : kSweeps) {
        const BatchRun swept = run({"--sweep", c.sweep, "--sweep-figures", c.figures});
        ASSERT_EQ(swept.status, kBatchOk) << c.sweep << swept.err;
        const auto rows = csvRows(swept.out);
        const std::string inputName = std::string(c.sweep).substr(0, std::string(c.sweep).find('='));
        for (std::size_t r = 1; r < rows.size(); ++r) {
            const std::string assignment = inputName + "=" + rows[r][0];
            const BatchRun alone = run({c.setFlag, assignment, "--fields", "--analysis", "--tank-figures"});
            ASSERT_EQ(alone.status, kBatchOk) << assignment;
            const auto shown = printedFigures(alone.out);
            for (std::size_t f = 1; f + 1 < rows[r].size(); ++f) {
                const std::string name = rows[0][f].substr(0, rows[0][f].find(' '));
                if (f <= c.sheetFigures) expectShownAs(std::stod(rows[r][f]), shown.at(name), assignment + " " + name);
                else EXPECT_EQ(rows[r][f].empty() ? "none" : rows[r][f], shown.at(name)) << assignment << " " << name;
            }
        }
    }
}

TEST(BatchSweep, ARefusedValueLeavesAGapWithTheReasonAndTheSweepGoesOn)
{
    const struct {
        const char* sweep;
        const char* reason;
    } cases[] = {
        {"PREdit4=-2:4:3", "Total Turns takes a number greater than 0"},
        {"base=-10:20:3", "Winding bottom above floor cannot be negative"},
    };
    for (const auto& c : cases) {
        const auto rows = csvRows(run({"--sweep", c.sweep, "--sweep-figures", "PREdit5,k"}).out);
        ASSERT_EQ(rows.size(), 4U) << c.sweep;
        EXPECT_EQ(rows[1][1], "") << c.sweep;
        EXPECT_EQ(rows[1][2], "") << c.sweep;
        EXPECT_NE(rows[1][3].find(c.reason), std::string::npos) << c.sweep << ": " << rows[1][3];
        for (std::size_t r = 2; r < rows.size(); ++r) EXPECT_NE(rows[r][2], "") << c.sweep << " row " << r;
    }
}

} // namespace
} // namespace qv
