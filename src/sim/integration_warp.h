#pragma once

#include <vector>

namespace qv {

// How the trapezoidal rule at a fixed step shows a lossless ring: a little slow, by a law
// that depends only on the step's share of the period. With theta = w h the true phase
// per step (w the angular frequency, h the step), the rule's (z - 1) / (z + 1) = i theta / 2
// puts z on the unit circle at theta' = 2 atan(theta / 2), so theta = 2 tan(theta' / 2),
// exactly. Near zero theta' = theta (1 - theta^2 / 12): the ring shows low by
// (2 pi / N)^2 / 12 at N steps a period.
struct FrequencyWarp {
    double stepSeconds = 0.0; // 0: the record is taken as exact

    // The true frequency of a ring the rule computes at computedHz, taken as at most
    // resolvedLimitHz.
    double trueHz(double computedHz) const;
    // The highest computed frequency the record resolves, four steps a period, which the
    // law sends to 1 / (pi h); above it the samples hold no ring to read. Infinite for an
    // exact record.
    double resolvedLimitHz() const;
};

// The step a run mostly took: the median spacing of its time points. ngspice holds the
// largest step it is allowed almost throughout a ring; it shortens a few steps at the
// start and where a source turns a corner. 0 for fewer than two points.
double typicalStepSeconds(const std::vector<double>& timeSeconds);

} // namespace qv
