#pragma once

#include <vector>

namespace qv {

// Zero-phase low-pass of samples a step apart: a windowed sinc (Blackman window), cut at
// cutoffHz, reaching halfWidthSeconds to either side, its gain at 0 Hz exactly 1. Before
// the first sample the record holds its first value, after the last its last, as a
// circuit at rest before its start and a run cut off at its end do.
//
// The window's side lobes lie 74 dB down: a tone at a third of the cutoff or below passes
// within a part in 10^4, one beyond the cutoff by more than the window's transition band,
// about 2.75 / halfWidthSeconds, is taken out to a part in 10^3 or better.
std::vector<double> lowPassed(const std::vector<double>& samples, double stepSeconds, double cutoffHz,
                              double halfWidthSeconds);

} // namespace qv
