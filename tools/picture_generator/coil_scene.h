#pragma once

#include "spark.h"

#include <QImage>
#include <QPainter>

#include <vector>

namespace pictures {

class Random;

// A coil seen from a little above: positions in pixels of the picture being drawn.
struct CoilGeometry {
    double centreX = 0.0;
    double baseY = 0.0;            // where the secondary meets its base plate
    double topY = 0.0;             // where the secondary meets the toroid
    double secondaryRadius = 0.0;
    double toroidRadius = 0.0;     // coil axis to tube centre
    double tubeRadius = 0.0;
    double primaryInnerRadius = 0.0;
    double primaryOuterRadius = 0.0;
    int primaryTurns = 0;
    double tilt = 0.25;            // height of a horizontal circle's ellipse over its width
};

// Base plate, flat primary spiral, wound secondary and polished toroid, back to front.
void paintCoil(QPainter& painter, const CoilGeometry& coil);

// Leaders from the toroid's rim; count main leaders, reaching about reach × toroid radius.
std::vector<SparkChannel> toroidDischarge(Random& random, const CoilGeometry& coil, int count,
                                          double reach);

// A soft violet corona around the toroid, where the field ionises the air.
void paintCorona(QImage& target, const CoilGeometry& coil);

// A leader that strikes the point, starting from the toroid's rim nearest to it.
void addStrike(Random& random, const CoilGeometry& coil, QPointF target,
               std::vector<SparkChannel>& channels);

} // namespace pictures
