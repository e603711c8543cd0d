// Reopening a design changes nothing: random designs, every option and every sheet, saved and
// opened in a fresh session print what the saving session prints after opening its own file.
// Both sides are compared after an open, since opening rewrites the field texts from the values.
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

    void setTypedInputs()
    {
        struct Range {
            const char* field;
            double low;
            double high;
        };
        constexpr Range kRanges[] = {
            {"TCEdit1", 2000, 20000}, {"TCEdit2", 0.02, 1},  {"TCEdit3", 40, 400}, {"TCEdit6", 100, 250},
            {"TCEdit7", 1, 100},      {"TOCEdit1", 1, 8},    {"TOCEdit2", 8, 40},  {"PREdit1", 4, 20},
            {"PREdit2", 0.05, 0.5},   {"PREdit3", 0.05, 1}, {"PREdit4", 2, 20},   {"PREdit12", 0, 90},
            {"SEEdit1", 2, 12},       {"SEEdit2", 8, 60},
        };
        for (const Range& r : kRanges) set(r.field, number(r.low, r.high));
    }

    void setSurroundings()
    {
        for (const char* name : {"base", "clearance", "primary", "streamer"})
            add({"--geometry", std::string(name) + "=" + number(0, 30)});
        add({"--geometry", "targetk=" + number(0.05, 0.3, 2)});
        // A ceiling, when there is one, well above any coil these ranges build.
        if (chance()) add({"--geometry", "ceiling=" + number(200, 400)});
    }

    std::mt19937 random_;
    std::vector<std::string> actions_;
};

const std::vector<std::string> kPrinted = {"--fields", "--reference", "--report", "--analysis"};

std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST(DesignRoundTrip, AReopenedDesignPrintsWhatTheSavingSessionPrints)
{
    constexpr unsigned kDesigns = 300;
    TempDir dir;
    const std::string path = dir.file("coil.qvd");
    for (unsigned seed = 1; seed <= kDesigns; ++seed) {
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

} // namespace
} // namespace qv
