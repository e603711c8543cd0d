// Reopening a design changes nothing: random designs, every option and every sheet (the Coil
// Analysis' surroundings and the Tank Circuit's inputs included), saved and opened in a fresh
// session print what the saving session prints after opening its own file. Both sides are compared
// after an open, since opening rewrites the field texts from the values.
#include "batch_run.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace qv {
namespace {

using batch_test::run;
using test::TempDir;

class RandomDesign {
public:
    explicit RandomDesign(unsigned seed) : random_(seed) {}

    std::vector<std::string> actions()
    {
        // The controls that hide or disable fields are set last, so every field takes its value first.
        click("ConicalPrimary");
        click("ToroidSelect");
        click("RadioButton2");
        for (const char* spin : {"SGSpinButton3", "SGSpinButton4", "SGSpinButton5", "SGSpinButton7"}) step(spin);
        click("RadioButton1");
        step("SGSpinButton2");
        setTypedInputs();
        step("SESpinButton3");
        if (chance()) step("SESpinButton4"); // turns per inch of no gauge
        clickOneOf({"NoCap"}); // the copy box toggles
        if (chance()) set("SEEdit14", number(5, 60)); // a typed top load, kept while the copy box is off
        clickOneOf({"BertPoolButton", "PhysicsButton"}); // shown for the toroid only
        clickOneOf({"ToroidSelect", "SphereSelect"});
        clickOneOf({"TopLoadCheck"});
        clickOneOf({"FlatPrimary", "VerticalPrimary", "ConicalPrimary"});
        clickOneOf({"RadioButton1", "RadioButton2"});
        setSurroundings();
        setTankInputs();
        return std::move(actions_);
    }

private:
    bool chance() { return std::bernoulli_distribution(0.5)(random_); }

    // A value with up to six decimals, so the records' four-decimal rounding is exercised.
    std::string number(double low, double high, int fewestDecimals = 0)
    {
        const int decimals = std::uniform_int_distribution<int>(fewestDecimals, 6)(random_);
        std::ostringstream text;
        text.setf(std::ios::fixed);
        text.precision(decimals);
        text << std::uniform_real_distribution<double>(low, high)(random_);
        return text.str();
    }

    void add(std::initializer_list<std::string> words) { actions_.insert(actions_.end(), words); }
    void click(const std::string& option) { add({"--click", option}); }
    void set(const std::string& field, const std::string& text) { add({"--set", field + "=" + text}); }
    void step(const std::string& spin)
    {
        const int count = std::uniform_int_distribution<int>(1, 12)(random_);
        add({"--step", spin + (chance() ? ":up:" : ":down:") + std::to_string(count)});
    }
    void clickOneOf(std::initializer_list<const char*> options)
    {
        const auto choice = std::uniform_int_distribution<std::size_t>(0, options.size())(random_);
        if (choice < options.size()) click(*(options.begin() + static_cast<std::ptrdiff_t>(choice)));
    }

    // A value drawn for each named input: NAME=VALUE after the flag.
    struct Range {
        const char* name;
        double low;
        double high;
    };
    void setEach(const char* flag, std::initializer_list<Range> ranges, int fewestDecimals = 0)
    {
        for (const Range& r : ranges) add({flag, std::string(r.name) + "=" + number(r.low, r.high, fewestDecimals)});
    }

    void setTypedInputs()
    {
        setEach("--set", {{"TCEdit1", 2000, 20000}, {"TCEdit2", 0.02, 1},  {"TCEdit3", 40, 400}, {"TCEdit6", 100, 250},
                          {"TCEdit7", 1, 100},      {"TOCEdit1", 1, 8},    {"TOCEdit2", 8, 40},  {"PREdit1", 4, 20},
                          {"PREdit2", 0.05, 0.5},   {"PREdit3", 0.05, 1}, {"PREdit4", 2, 20},   {"PREdit12", 0, 90},
                          {"SEEdit1", 2, 12},       {"SEEdit2", 8, 60}});
    }

    void setSurroundings()
    {
        setEach("--geometry", {{"base", 0, 30}, {"clearance", 0, 30}, {"primary", 0, 30}, {"streamer", 0, 30}});
        setEach("--geometry", {{"targetk", 0.05, 0.3}}, 2);
        // A ceiling, when there is one, well above any coil these ranges build.
        if (chance()) setEach("--geometry", {{"ceiling", 200, 400}});
    }

    void setTankInputs()
    {
        setEach("--tank",
                {{"cap_uf", 0, 0.2}, {"lead_in", 0, 120}, {"lead_dia_in", 0.05, 0.5}, {"ltr", 0.2, 5},
                 {"part_uf", 0.01, 0.3}, {"part_vdc", 500, 5000}, {"part_ipk_a", 0, 500}, {"part_irms_a", 0, 20},
                 {"part_dvdt_v_us", 0, 2000}, {"margin", 1, 10}, {"bleeder_mohm", 1, 100}, {"safety", 1, 5}},
                2);
        add({"--tank", "quench_notch=" + std::to_string(std::uniform_int_distribution<int>(1, 10)(random_))});
    }

    std::mt19937 random_;
    std::vector<std::string> actions_;
};

const std::vector<std::string> kPrinted = {"--fields", "--reference", "--report", "--analysis", "--tank-figures"};

std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// 300 designs in six blocks, each its own test, so the blocks run side by side and a slow build
// (the sanitizers' field solutions are many times slower) stays within a test's time limit.
constexpr unsigned kDesignsPerBlock = 50;
constexpr unsigned kBlocks = 6;

class DesignRoundTrip : public testing::TestWithParam<unsigned> {};

TEST_P(DesignRoundTrip, AReopenedDesignPrintsWhatTheSavingSessionPrints)
{
    TempDir dir;
    const std::string path = dir.file("coil.qvd");
    const unsigned firstSeed = GetParam() * kDesignsPerBlock + 1;
    for (unsigned seed = firstSeed; seed < firstSeed + kDesignsPerBlock; ++seed) {
        const std::vector<std::string> design = RandomDesign(seed).actions();
        const auto saving = run(joined(joined(design, {"--save", path, "--open", path}), kPrinted));
        ASSERT_EQ(saving.status, 0) << saving.err;
        const auto opening = run(joined({"--open", path}, kPrinted));
        ASSERT_EQ(opening.status, 0) << opening.err;
        std::string script;
        for (const std::string& word : design) script += word + ' ';
        ASSERT_EQ(opening.out, saving.out) << "design " << seed << ": " << script;
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, DesignRoundTrip, testing::Range(0U, kBlocks));

} // namespace
} // namespace qv
