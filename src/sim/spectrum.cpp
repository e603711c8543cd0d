#include "sim/spectrum.h"

#include <fftw3.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <numbers>
#include <numeric>

namespace qv {

namespace {

constexpr std::size_t kMinFftPoints = 16;
constexpr std::size_t kMaxFftPoints = std::size_t{1} << 20;
// Coherent gain of the Hann window: its mean value.
constexpr double kHannGain = 0.5;

std::vector<double> hannWindowed(std::vector<double> samples)
{
    const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(samples.size());
    const double n = static_cast<double>(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / n);
        samples[i] = (samples[i] - mean) * w;
    }
    return samples;
}

struct FftwPlanDeleter {
    void operator()(fftw_plan_s* plan) const { fftw_destroy_plan(plan); }
};
struct FftwFree {
    void operator()(void* p) const { fftw_free(p); }
};

std::vector<double> magnitudesOf(std::vector<double> samples)
{
    const std::size_t n = samples.size();
    const std::size_t bins = n / 2 + 1;
    std::unique_ptr<fftw_complex[], FftwFree> out(
        static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * bins)));
    // FFTW_ESTIMATE leaves the input alone and plans at once; one transform per run
    // does not repay measuring.
    std::unique_ptr<fftw_plan_s, FftwPlanDeleter> plan(
        fftw_plan_dft_r2c_1d(static_cast<int>(n), samples.data(), out.get(), FFTW_ESTIMATE));
    fftw_execute(plan.get());
    std::vector<double> magnitude(bins);
    const double scale = 2.0 / (static_cast<double>(n) * kHannGain);
    for (std::size_t k = 0; k < bins; ++k)
        magnitude[k] = std::hypot(out[k][0], out[k][1]) * scale;
    return magnitude;
}

} // namespace

std::vector<double> resampleUniform(const std::vector<double>& timeSeconds,
                                    const std::vector<double>& values, std::size_t count)
{
    const std::size_t points = std::min(timeSeconds.size(), values.size());
    if (points < 2 || count < 2)
        return {};
    const double start = timeSeconds.front();
    const double span = timeSeconds[points - 1] - start;
    std::vector<double> uniform(count);
    std::size_t j = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = start + span * static_cast<double>(i) / static_cast<double>(count - 1);
        while (j + 2 < points && timeSeconds[j + 1] < t)
            ++j;
        const double t0 = timeSeconds[j];
        const double t1 = timeSeconds[j + 1];
        const double fraction = t1 > t0 ? std::clamp((t - t0) / (t1 - t0), 0.0, 1.0) : 0.0;
        uniform[i] = values[j] + fraction * (values[j + 1] - values[j]);
    }
    return uniform;
}

Spectrum amplitudeSpectrum(const std::vector<double>& timeSeconds, const std::vector<double>& values,
                           const FrequencyWarp& warp)
{
    const std::size_t points = std::min(timeSeconds.size(), values.size());
    if (points < 2 || !(timeSeconds[points - 1] > timeSeconds.front()))
        return {};
    const std::size_t n = std::clamp(std::bit_ceil(points), kMinFftPoints, kMaxFftPoints);
    auto samples = hannWindowed(resampleUniform(timeSeconds, values, n));
    const double stepSeconds = (timeSeconds[points - 1] - timeSeconds.front()) / static_cast<double>(n - 1);
    Spectrum spectrum{1.0 / (static_cast<double>(n) * stepSeconds), magnitudesOf(std::move(samples)), warp};
    const double resolvedBins = std::floor(warp.resolvedLimitHz() / spectrum.binHz) + 1.0;
    if (resolvedBins < static_cast<double>(spectrum.magnitude.size()))
        spectrum.magnitude.resize(static_cast<std::size_t>(resolvedBins));
    return spectrum;
}

std::vector<SpectralPeak> strongestPeaks(const Spectrum& spectrum, std::size_t count)
{
    const auto& m = spectrum.magnitude;
    std::vector<SpectralPeak> peaks;
    // Bin 0 and its neighbour hold what is left of the removed mean and the window's
    // own main lobe; a coil mode never sits there.
    for (std::size_t k = 2; k + 1 < m.size(); ++k) {
        if (!(m[k] > m[k - 1] && m[k] >= m[k + 1]))
            continue;
        double offsetBins = 0.0;
        if (m[k - 1] > 0.0 && m[k + 1] > 0.0) {
            const double a = std::log(m[k - 1]);
            const double b = std::log(m[k]);
            const double c = std::log(m[k + 1]);
            const double curvature = a - 2.0 * b + c;
            if (curvature < 0.0)
                offsetBins = std::clamp(0.5 * (a - c) / curvature, -0.5, 0.5);
        }
        peaks.push_back({spectrum.frequencyHz(static_cast<double>(k) + offsetBins), m[k]});
    }
    std::sort(peaks.begin(), peaks.end(),
              [](const SpectralPeak& x, const SpectralPeak& y) { return x.magnitude > y.magnitude; });
    if (peaks.size() > count)
        peaks.resize(count);
    return peaks;
}

double energyBandHz(const Spectrum& spectrum, double fraction)
{
    double total = 0.0;
    for (const double m : spectrum.magnitude)
        total += m * m;
    if (!(total > 0.0))
        return 0.0;
    double sum = 0.0;
    for (std::size_t k = 0; k < spectrum.magnitude.size(); ++k) {
        sum += spectrum.magnitude[k] * spectrum.magnitude[k];
        if (sum >= fraction * total)
            return spectrum.frequencyHz(static_cast<double>(k));
    }
    return spectrum.frequencyHz(static_cast<double>(spectrum.magnitude.size() - 1));
}

} // namespace qv
