#include "field/elliptic.h"

#include <cmath>
#include <map>
#include <numbers>

namespace qv::field {

CompleteElliptic completeElliptic(double m)
{
    // Gauss's AGM: a0 = 1, b0 = sqrt(1 - m), c0^2 = m; K = pi / (2 a_N) and
    // E = K (1 - sum 2^(n-1) c_n^2).
    // Quadratic convergence: once a and b agree to 1e-15 their mean is the limit to rounding, and a
    // dozen steps get there from any m1 above 1e-300. (A tolerance of one rounding step might never be met.)
    constexpr int kMaxSteps = 40;
    constexpr double kTolerance = 1e-15;
    double a = 1;
    double b = std::sqrt(1 - m);
    double weight = 0.5;
    double sum = weight * m;
    for (int step = 0; step < kMaxSteps && std::abs(a - b) > kTolerance * a; ++step) {
        const double c = (a - b) / 2;
        const double mean = (a + b) / 2;
        b = std::sqrt(a * b);
        a = mean;
        weight *= 2;
        sum += weight * c * c;
    }
    const double k = std::numbers::pi / (2 * a);
    return {k, k * (1 - sum)};
}

double ellipticKFromComplement(double m1)
{
    // Abramowitz & Stegun 17.3.34.
    constexpr double a0 = 1.38629436112, a1 = 0.09666344259, a2 = 0.03590092383, a3 = 0.03742563713,
                     a4 = 0.01451196212;
    constexpr double b0 = 0.5, b1 = 0.12498593597, b2 = 0.06880248576, b3 = 0.03328355346,
                     b4 = 0.00441787012;
    const double p = a0 + m1 * (a1 + m1 * (a2 + m1 * (a3 + m1 * a4)));
    const double q = b0 + m1 * (b1 + m1 * (b2 + m1 * (b3 + m1 * b4)));
    return p - q * std::log(m1);
}

namespace {

// Newton's iteration on the Legendre polynomial P_n from Chebyshev's guess for each root.
GaussRule buildGaussRule(int points)
{
    constexpr int kNewtonSteps = 100;
    constexpr double kTolerance = 1e-15;
    GaussRule rule;
    const auto count = static_cast<std::size_t>(points);
    rule.nodes.resize(count);
    rule.weights.resize(count);
    for (int i = 0; i < points; ++i) {
        double x = std::cos(std::numbers::pi * (i + 0.75) / (points + 0.5));
        double derivative = 1;
        for (int step = 0; step < kNewtonSteps; ++step) {
            double p0 = 1;
            double p1 = x;
            for (int order = 2; order <= points; ++order) {
                const double p2 = ((2 * order - 1) * x * p1 - (order - 1) * p0) / order;
                p0 = p1;
                p1 = p2;
            }
            derivative = points * (x * p1 - p0) / (x * x - 1);
            const double dx = p1 / derivative;
            x -= dx;
            if (std::abs(dx) < kTolerance) break;
        }
        const auto index = static_cast<std::size_t>(i);
        rule.nodes[index] = x;
        rule.weights[index] = 2 / ((1 - x * x) * derivative * derivative);
    }
    return rule;
}

} // namespace

const GaussRule& gaussRule(int points)
{
    // Built once, before any caller can race for them; the counts the field solution uses.
    static const std::map<int, GaussRule> rules = [] {
        std::map<int, GaussRule> built;
        for (const int count : {2, 4, 8, 16, 64}) built.emplace(count, buildGaussRule(count));
        return built;
    }();
    return rules.at(points);
}

} // namespace qv::field
