// The Tank Circuit's records in the design file: saved last among the further records, taken back
// out of the Reference list on opening, defaults for a file that has none, bad values reported.
#include "core/reference_list.h"
#include "core/tank_inputs.h"
#include "io/design_file.h"
#include "io/further_records.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv {
namespace {

using test::Session;
using test::TempDir;
using test::writeBytes;

// Every input away from its default; the capacitor needs a fifth decimal, the others fit the four
// decimals of the sheets' records.
TankInputs unusualTank()
{
    return {.capacitorUf = 0.02375, .leadLengthInches = 48, .leadDiameterInches = 0.125, .tankToResonantRatio = 1.6,
            .partUf = 0.1, .partVoltsDc = 1600, .partPeakAmps = 300, .partRmsAmps = 7.5, .partVoltsPerUs = 1200,
            .ratingMargin = 2.5, .bleederMegohms = 22, .quenchNotch = 3, .safetyGapFactor = 1.25};
}

TEST(TankRecords, SaveAndReopenKeepTheInputsAfterEveryOtherRecord)
{
    TempDir dir;
    Session saving;
    saving.calc.design.tank = unusualTank();
    const std::vector<std::string> lines = withFurtherRecords(saving.calc.referenceList, saving.calc);
    EXPECT_EQ(lines[lines.size() - 2], kTankInputs.back().fileLabel) << "the tank's records come last";
    const std::string path = dir.file("coil.qvd");
    ASSERT_TRUE(saveDesignFile(saving.calc, path));

    Session opening;
    ASSERT_TRUE(openDesignFile(opening.calc, path));
    EXPECT_TRUE(opening.host.messages.empty());
    EXPECT_EQ(opening.calc.design.tank, unusualTank());
    EXPECT_EQ(opening.calc.referenceList.size(), kReferenceListLines);

    // A file without them: the defaults, and no message.
    const std::string old = dir.file("old.qvd");
    writeBytes(old, designFileText(saving.calc.referenceList));
    ASSERT_TRUE(openDesignFile(opening.calc, old));
    EXPECT_TRUE(opening.host.messages.empty());
    EXPECT_EQ(opening.calc.design.tank, TankInputs{});
}

TEST(TankRecords, BadValuesAreReportedLikeTheSheetsRecordsAndKeepTheDefault)
{
    Session s;
    s.calc.design.tank = unusualTank();
    std::vector<std::string> lines = withFurtherRecords(s.calc.referenceList, s.calc);
    const auto valueOf = [&lines](std::string_view label) {
        return std::find(lines.begin(), lines.end(), label) - lines.begin() + 1;
    };
    lines[valueOf(kTankInputs[0].fileLabel)] = "lots";
    lines[valueOf(tankInputByName("quench_notch")->fileLabel)] = " 2.5000";
    TempDir dir;
    const std::string path = dir.file("bad.qvd");
    writeBytes(path, designFileText(lines));

    ASSERT_TRUE(openDesignFile(s.calc, path));
    ASSERT_EQ(s.host.messages.size(), 2U);
    EXPECT_EQ(s.host.messages[0], kFileDataInvalidMessage);
    EXPECT_EQ(s.host.messages[1], "Gap Quenches At Energy Transfer Notch 2.5000..Value Out Of Range..Not Used");
    EXPECT_EQ(s.calc.design.tank.capacitorUf, TankInputs{}.capacitorUf);
    EXPECT_EQ(s.calc.design.tank.quenchNotch, TankInputs{}.quenchNotch);
    EXPECT_EQ(s.calc.design.tank.bleederMegohms, 22) << "the good records are still taken";
}

} // namespace
} // namespace qv
