#include "sim/integration_warp.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace qv {

namespace {

// Fewer samples a period than this show no ring to read.
constexpr double kStepsPerResolvedPeriod = 4.0;

} // namespace

double FrequencyWarp::resolvedLimitHz() const
{
    if (!(stepSeconds > 0.0))
        return std::numeric_limits<double>::infinity();
    return 1.0 / (kStepsPerResolvedPeriod * stepSeconds);
}

double FrequencyWarp::trueHz(double computedHz) const
{
    if (!(stepSeconds > 0.0))
        return computedHz;
    computedHz = std::min(computedHz, resolvedLimitHz());
    const double computedRadiansPerStep = 2.0 * std::numbers::pi * computedHz * stepSeconds;
    const double trueRadiansPerStep = 2.0 * std::tan(computedRadiansPerStep / 2.0);
    return trueRadiansPerStep / (2.0 * std::numbers::pi * stepSeconds);
}

double typicalStepSeconds(const std::vector<double>& timeSeconds)
{
    if (timeSeconds.size() < 2)
        return 0.0;
    std::vector<double> steps(timeSeconds.size() - 1);
    for (std::size_t i = 0; i + 1 < timeSeconds.size(); ++i)
        steps[i] = timeSeconds[i + 1] - timeSeconds[i];
    const auto middle = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2);
    std::nth_element(steps.begin(), middle, steps.end());
    return *middle;
}

} // namespace qv
