#include "spark.h"

#include "random.h"
#include "raster_effects.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace pictures {
namespace {

constexpr int kStepsPerLeader = 34;
constexpr double kHeadingJitter = 0.34;   // radians of zig-zag per step
constexpr double kHeadingPull = 0.3;     // how strongly a leader returns to its heading
constexpr double kBranchChance = 0.11;
constexpr int kMaxBranchDepth = 3;
constexpr double kBranchThinning = 0.55;

struct Walk {
    QPointF position;
    double heading;
    double baseHeading;
    double remaining;
    double step;
    double thickness;
    int depth;
};

void walk(Random& random, Walk state, std::vector<SparkChannel>& channels);

void maybeBranch(Random& random, const Walk& parent, std::vector<SparkChannel>& channels)
{
    if (parent.depth >= kMaxBranchDepth || !random.chance(kBranchChance))
        return;
    const double side = random.chance(0.5) ? 1.0 : -1.0;
    Walk branch = parent;
    branch.baseHeading = parent.heading + side * random.range(0.35, 0.95);
    branch.heading = branch.baseHeading;
    branch.remaining = parent.remaining * random.range(0.35, 0.7);
    branch.step = parent.step * 0.8;
    branch.thickness = parent.thickness * kBranchThinning;
    branch.depth = parent.depth + 1;
    walk(random, branch, channels);
}

void walk(Random& random, Walk state, std::vector<SparkChannel>& channels)
{
    SparkChannel channel;
    channel.thickness = state.thickness;
    channel.points << state.position;
    while (state.remaining > 0.0) {
        state.heading += random.gauss() * kHeadingJitter
                         + (state.baseHeading - state.heading) * kHeadingPull;
        const double length = state.step * random.range(0.5, 1.5);
        state.position += QPointF(std::cos(state.heading), std::sin(state.heading)) * length;
        state.remaining -= length;
        channel.points << state.position;
        maybeBranch(random, state, channels);
    }
    channels.push_back(channel);
}

void strokeChannels(QImage& layer, const std::vector<SparkChannel>& channels, QColor colour,
                    double widthFactor, double taper)
{
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const SparkChannel& channel : channels) {
        // Thin branches glow less: the light falls off with the channel's current.
        QColor c = colour;
        c.setAlphaF(static_cast<float>(colour.alphaF() * std::pow(channel.thickness, taper)));
        QPen pen(c, std::max(0.6, widthFactor * channel.thickness));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.drawPolyline(channel.points);
    }
}

} // namespace

void growSpark(Random& random, const SparkSeed& seed, std::vector<SparkChannel>& channels)
{
    const int depth = seed.branching ? 0 : kMaxBranchDepth;
    Walk state{seed.start, seed.headingRadians, seed.headingRadians, seed.lengthPixels,
               seed.lengthPixels / kStepsPerLeader, 1.0, depth};
    walk(random, state, channels);
}

SparkChannel growStrike(Random& random, QPointF start, QPointF target)
{
    const QPointF span = target - start;
    SparkSeed seed{start, std::atan2(span.y(), span.x()), std::hypot(span.x(), span.y()), false};
    std::vector<SparkChannel> channels;
    growSpark(random, seed, channels);
    SparkChannel strike = channels.front();
    // Shear the walk so it lands on the target: each point moves by its share of the miss.
    const QPointF miss = target - strike.points.back();
    const auto last = static_cast<double>(strike.points.size() - 1);
    for (qsizetype i = 0; i < strike.points.size(); ++i)
        strike.points[i] += miss * (static_cast<double>(i) / last);
    strike.thickness = 1.4;
    return strike;
}

void paintSparks(QImage& target, const std::vector<SparkChannel>& channels, double scale)
{
    QImage glow = transparentLayer(target.size());
    strokeChannels(glow, channels, QColor(120, 60, 255, 150), scale * 9.0, 0.6);
    blur(glow, static_cast<int>(scale * 9.0));
    addLight(target, glow);

    QImage halo = transparentLayer(target.size());
    strokeChannels(halo, channels, QColor(190, 130, 255, 220), scale * 3.2, 0.5);
    blur(halo, static_cast<int>(scale * 2.0));
    addLight(target, halo);

    QImage core = transparentLayer(target.size());
    strokeChannels(core, channels, QColor(255, 245, 255, 255), scale, 0.35);
    addLight(target, core);
}

} // namespace pictures
