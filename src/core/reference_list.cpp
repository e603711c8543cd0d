#include "core/reference_list.h"

#include "core/calculator.h"
#include "core/format.h"

namespace qv {

ReferenceRecords referenceRecords(const Design& d)
{
    ReferenceRecords records{};
    for (std::size_t k = 0; k < kReferenceRecordCount; ++k)
        if (const auto value = kReferenceRecords[k].value) records[k] = d.*value;
    records[kWireDiameterRecord - 1] = wireDiameterInches(d.secondaryGauge);
    records[kGaugeRecord - 1] = static_cast<double>(d.secondaryGauge);
    return records;
}

std::string referenceValueText(double value) { return formatField(value, "%7.4f"); }

std::vector<std::string> buildReferenceList(std::string_view designFileName, const ReferenceRecords& records)
{
    std::vector<std::string> lines;
    lines.reserve(kReferenceListLines);
    lines.emplace_back(designFileName);
    for (std::size_t k = 0; k < kReferenceRecordCount; ++k) {
        lines.emplace_back(kReferenceRecords[k].label);
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
