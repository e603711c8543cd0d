#pragma once

#include <QColor>
#include <QImage>

namespace pictures {

// A transparent premultiplied layer of the given size, for drawing glow before blurring.
QImage transparentLayer(QSize size);

// Three box blurs approximate a Gaussian of about the given radius (in pixels).
void blur(QImage& layer, int radius);

// Adds the layer's light onto the target, as light from glowing air adds up.
void addLight(QImage& target, const QImage& light);

// Film grain: each pixel's brightness moves by a normal amount of the given strength (0..255).
void addGrain(QImage& image, double strength, unsigned long long seed);

// Darkens the corners like a camera lens; strength 0 leaves the picture unchanged.
void vignette(QImage& image, double strength);

} // namespace pictures
