#include "field/image_tail.h"

#include "field/elliptic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace qv::field {
namespace {

// Powers 1/D^3 to 1/D^9 are kept. From the first far pair, where the extent is at most a third of D,
// each further power is at least 9 times smaller: the first one left out is below 1e-3 of the tail,
// itself a few per cent of the ceiling's share.
constexpr int kHighestPower = 9;
constexpr int kRingTerms = (kHighestPower - 1) / 2; // k = 0 to 3 of the ring's series
constexpr double kFarPairExtents = 3;

constexpr double binomial(int n, int k)
{
    double b = 1;
    for (int i = 1; i <= k; ++i) b = b * (n - k + i) / i;
    return b;
}

// Integer powers by repeated products: the tail's polynomials run for every matrix entry.
template <std::size_t N>
std::array<double, N> powers(double x)
{
    std::array<double, N> out{};
    out[0] = 1;
    for (std::size_t i = 1; i < N; ++i) out[i] = out[i - 1] * x;
    return out;
}

// The ring's mean inverse distance at axial distance d is sum over k of g_k d^-(2k+1), with
// g_k = binomial(-1/2, k) <Q^k> and Q = r^2 + rs^2 - 2 r rs cos(phi). In <Q^k> the odd powers of cos
// average to 0 and the even ones to binomial(i, i/2) / 2^i, so g_k = sum over even i of
// ringTerm[k][i] (r^2 + rs^2)^(k - i) (2 r rs)^i.
using RingTable = std::array<std::array<double, kRingTerms>, kRingTerms>;
constexpr RingTable kRingTerm = [] {
    RingTable t{};
    for (int k = 0; k < kRingTerms; ++k) {
        const double binomialMinusHalf = (k % 2 == 0 ? 1 : -1) * binomial(2 * k, k) / (1 << (2 * k));
        for (int i = 0; i <= k; i += 2)
            t[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)] =
                binomialMinusHalf * binomial(k, i) * binomial(i, i / 2) / (1 << i);
    }
    return t;
}();

std::array<double, kRingTerms> ringCoefficients(double r, double rs)
{
    const auto sumOfSquares = powers<kRingTerms>(r * r + rs * rs);
    const auto cross = powers<kRingTerms>(2 * r * rs);
    std::array<double, kRingTerms> g{};
    for (std::size_t k = 0; k < kRingTerms; ++k)
        for (std::size_t i = 0; i <= k; i += 2) g[k] += kRingTerm[k][i] * sumOfSquares[k - i] * cross[i];
    return g;
}

// A pair's four images at D -+ a (shifted, a = z - zs) and D -+ b (reflected, b = z + zs, opposite
// sign): d^-(2k+1) expanded about D leaves only the even powers j >= 2 of a and b, each
// 2 binomial(2k + j, j) (a^j - b^j) D^-(2k+1+j). Summed over the far pairs, D^-p becomes
// powerSum(p); weight[k][j/2] holds 2 binomial(2k + j, j) powerSum(2k + 1 + j).
class PairSeries {
public:
    explicit PairSeries(const std::array<double, kHighestPower + 1>& powerSums)
    {
        for (int k = 0; k < kRingTerms; ++k)
            for (int j = 2; 2 * k + 1 + j <= kHighestPower; j += 2) {
                const int power = 2 * k + 1 + j;
                weight_[static_cast<std::size_t>(k)][static_cast<std::size_t>(j / 2)] =
                    2 * binomial(2 * k + j, j) * powerSums[static_cast<std::size_t>(power)];
            }
    }

    // The mean inverse distance (1/m) of every far image of a ring at (rs, zs) seen from (r, z).
    double operator()(double a, double b, double r, double rs) const
    {
        const auto g = ringCoefficients(r, rs);
        const auto aSquared = powers<kRingTerms + 1>(a * a);
        const auto bSquared = powers<kRingTerms + 1>(b * b);
        double sum = 0;
        for (std::size_t k = 0; k < kRingTerms; ++k) {
            double inner = 0;
            for (std::size_t half = 1; half + k <= kRingTerms; ++half) inner += weight_[k][half] * (aSquared[half] - bSquared[half]);
            sum += g[k] * inner;
        }
        return sum;
    }

private:
    std::array<std::array<double, kRingTerms + 1>, kRingTerms> weight_{};
};

// sum over n >= first of n^-p: explicitly to n = 63, then by Euler-Maclaurin from 64, whose first
// neglected term is below 1e-12 of the sum for p >= 3.
double tailOfZeta(int p, int first)
{
    constexpr int kExplicitUpTo = 64;
    double sum = 0;
    for (int n = first; n < kExplicitUpTo; ++n) sum += std::pow(n, -p);
    const double m = std::max(first, kExplicitUpTo);
    return sum + std::pow(m, 1 - p) / (p - 1) + std::pow(m, -p) / 2 + p * std::pow(m, -p - 1) / 12;
}

} // namespace

int firstFarCeilingPair(const std::vector<Panel>& panels, double ceilingM)
{
    // The largest of |a|, |b| and r + rs over every pair of points on the surfaces.
    double extentM = 0;
    for (const Panel& p : panels) extentM = std::max({extentM, 2 * std::max(p.z0, p.z1), 2 * std::max(p.r0, p.r1)});
    return std::max(1, static_cast<int>(std::ceil(kFarPairExtents * extentM / (2 * ceilingM))));
}

Eigen::MatrixXd ceilingImageTail(const std::vector<Panel>& panels, double ceilingM, int firstPair)
{
    // Sum over n of D^-p, D = 2nH, for each kept power.
    std::array<double, kHighestPower + 1> powerSums{};
    for (int p = 3; p <= kHighestPower; p += 2) powerSums[static_cast<std::size_t>(p)] = tailOfZeta(p, firstPair) * std::pow(2 * ceilingM, -p);
    const PairSeries farImages(powerSums);

    // The tail's polynomials in the source's height and radius reach degree 8 along a panel; two Gauss
    // points take the product of r_s and z_s^2 (the leading term) exactly, the rest to (L/D)^2.
    const GaussRule& rule = gaussRule(2);
    const auto count = static_cast<Eigen::Index>(panels.size());
    Eigen::MatrixXd tail(count, count);
    for (Eigen::Index i = 0; i < count; ++i) {
        const Panel& at = panels[static_cast<std::size_t>(i)];
        for (Eigen::Index j = 0; j < count; ++j) {
            const Panel& source = panels[static_cast<std::size_t>(j)];
            double integral = 0;
            for (std::size_t g = 0; g < rule.nodes.size(); ++g) {
                const double u = (1 + rule.nodes[g]) / 2;
                const double rs = source.r0 + u * (source.r1 - source.r0);
                const double zs = source.z0 + u * (source.z1 - source.z0);
                integral += rule.weights[g] / 2 * rs * farImages(at.midZ() - zs, at.midZ() + zs, at.midR(), rs);
            }
            // panelIntegral() integrates r_s K / rho = r_s (pi / 2) <1 / distance>.
            tail(i, j) = source.lengthM() * std::numbers::pi / 2 * integral;
        }
    }
    return tail;
}

} // namespace qv::field
