#pragma once

#include <vector>

namespace qv {

// The rule ngspice integrates a deck by.
enum class IntegrationRule { trapezoidal, gear2 };

// How a fixed-step integration rule shows a lossless ring: a little slow, by a law that
// depends only on the rule and on the step's share of the period. With theta = w h the
// true phase per step and theta' the computed one (w the angular frequency, h the step):
// - the trapezoidal rule turns (z - 1) / (z + 1) = i theta / 2 into |z| = 1 and
//   theta' = 2 atan(theta / 2), so theta = 2 tan(theta' / 2), exactly;
// - the second-order Gear rule, (3 z^2 - 4 z + 1) / (2 z^2) = i theta, puts the root just
//   inside the unit circle (the damping); its angle satisfies
//   theta = 2 sin theta' - sin(2 theta') / 2, the root's angle had it stayed on the circle,
//   to within 4 parts in 10^6 at 40 steps a period (2 in 10^4 at 20).
// Both are theta' = theta (1 - c theta^2) near zero, c = 1/12 and 1/3: the ring is shown
// low by (2 pi / N)^2 / 12 and / 3 at N steps a period.
struct FrequencyWarp {
    IntegrationRule rule = IntegrationRule::trapezoidal;
    double stepSeconds = 0.0; // 0: the record is taken as exact

    // The true frequency of a ring the rule computes at computedHz, taken as at most
    // resolvedLimitHz.
    double trueHz(double computedHz) const;
    // The highest computed frequency the record resolves, four steps a period; above it
    // the samples hold no ring to read, and both rules map it to 1 / (pi h). Infinite for
    // an exact record.
    double resolvedLimitHz() const;
};

// The step a run mostly took: the median spacing of its time points. ngspice holds the
// largest step it is allowed almost throughout a ring; it shortens a few steps at the
// start and where a source turns a corner. 0 for fewer than two points.
double typicalStepSeconds(const std::vector<double>& timeSeconds);

} // namespace qv
