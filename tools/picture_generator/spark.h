#pragma once

#include <QImage>
#include <QPolygonF>

#include <vector>

namespace pictures {

class Random;

// One channel of a discharge: a jagged line and its relative thickness (1 = a main leader).
struct SparkChannel {
    QPolygonF points;
    double thickness = 1.0;
};

// Where a leader starts, where it heads (radians, 0 = right, y grows downwards) and how far.
struct SparkSeed {
    QPointF start;
    double headingRadians = 0.0;
    double lengthPixels = 100.0;
    bool branching = true;
};

// Grows a branching leader as a random walk that keeps to its heading, forking as it goes.
void growSpark(Random& random, const SparkSeed& seed, std::vector<SparkChannel>& channels);

// A single hot channel from start that ends exactly on target, as an arc to ground does.
SparkChannel growStrike(Random& random, QPointF start, QPointF target);

// Draws the channels as hot plasma: a wide purple glow, a violet halo and a white core.
// scale is the width in pixels of a main leader's core.
void paintSparks(QImage& target, const std::vector<SparkChannel>& channels, double scale);

} // namespace pictures
