#include "core/reference_list.h"

#include "core/calculator.h"
#include "core/format.h"

namespace qv {

ReferenceRecords referenceRecords(const Design& d)
{
    return {d.outputVolts,
            d.ratedAmps,
            d.lineFrequencyHz,
            d.inputVolts,
            d.primaryInsideDiameterInches,
            d.primaryWireDiameterInches,
            d.primarySpacingInches,
            d.primaryTurns,
            d.primaryAngleDegrees,
            wireDiameterInches(d.secondaryGauge),
            d.secondaryDiameterInches,
            d.secondaryLengthInches,
            static_cast<double>(d.secondaryGauge),
            d.turnsPerInch,
            d.topLoadPf,
            d.tubeDiameterInches,
            d.toroidDiameterInches,
            d.pfcRatingPercent};
}

std::string referenceValueText(double value) { return formatField(value, "%7.4f"); }

std::vector<std::string> buildReferenceList(std::string_view designFileName, const ReferenceRecords& records)
{
    std::vector<std::string> lines;
    lines.reserve(kReferenceListLines);
    lines.emplace_back(designFileName);
    for (std::size_t k = 0; k < kReferenceRecordCount; ++k) {
        lines.emplace_back(kReferenceLabels[k]);
        lines.push_back(referenceValueText(records[k]));
    }
    return lines;
}

void Update_Parms(Calculator& calc)
{
    calc.referenceRecords = referenceRecords(calc.design);
    if (calc.form.activeSheet == Sheet::ReferenceSheet) {
        calc.form.statusPanels[1] = kReferenceStatusText;
        return;
    }
    calc.form.statusPanels[1] = caption(calc.form.activeSheet);
    for (std::size_t k = 1; k <= kReferenceRecordCount && valueLine(k) < calc.referenceList.size(); ++k)
        calc.referenceList[valueLine(k)] = referenceValueText(calc.referenceRecords[k - 1]);
}

} // namespace qv
