#pragma once

#include "sim/integration_warp.h"

#include <cstddef>
#include <vector>

namespace qv {

// Amplitude spectrum of a transient: bin k holds what the record shows at k * binHz,
// which is a ring of the circuit at frequencyHz(k), the integration's warp undone.
struct Spectrum {
    double binHz = 0.0;
    std::vector<double> magnitude; // peak amplitude of a sine in that bin, window gain removed
    FrequencyWarp warp;

    double frequencyHz(double bin) const { return warp.trueHz(bin * binHz); }
};

struct SpectralPeak {
    double frequencyHz = 0.0;
    double magnitude = 0.0;
};

// Linear interpolation of (timeSeconds, values) onto count equally spaced times from
// the first to the last time. The simulator's time steps are uneven, the FFT needs
// them even. Times must be non-decreasing; fewer than 2 points give an empty result.
std::vector<double> resampleUniform(const std::vector<double>& timeSeconds,
                                    const std::vector<double>& values, std::size_t count);

// Mean removed, Hann window, FFT (FFTW) of the transient resampled to a power of two
// of at least its own number of points (capped at 2^20), up to the highest frequency the
// integration resolves.
Spectrum amplitudeSpectrum(const std::vector<double>& timeSeconds, const std::vector<double>& values,
                           const FrequencyWarp& warp = {});

// The strongest local maxima, strongest first, each placed between bins by a
// parabola through the logarithm of the three magnitudes around it. For a Hann
// window that is within a few hundredths of a bin of the true tone.
std::vector<SpectralPeak> strongestPeaks(const Spectrum& spectrum, std::size_t count);

// The frequency below which the given fraction of the spectrum's energy (the sum of the
// squared magnitudes) lies; 0 for an empty or silent spectrum.
double energyBandHz(const Spectrum& spectrum, double fraction);

} // namespace qv
