#include "raster_effects.h"

#include "random.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace pictures {
namespace {

constexpr int kBlurPasses = 3;
constexpr int kChannels = 4;

// One running-sum box blur along a line of pixels, each channel on its own.
void boxBlurLine(const std::vector<int>& in, std::vector<int>& out, int count, int radius)
{
    const int window = 2 * radius + 1;
    for (int channel = 0; channel < kChannels; ++channel) {
        int sum = 0;
        auto at = [&](int i) { return in[std::clamp(i, 0, count - 1) * kChannels + channel]; };
        for (int i = -radius; i <= radius; ++i)
            sum += at(i);
        for (int i = 0; i < count; ++i) {
            out[i * kChannels + channel] = sum / window;
            sum += at(i + radius + 1) - at(i - radius);
        }
    }
}

void unpack(QRgb pixel, int* channels)
{
    channels[0] = qRed(pixel);
    channels[1] = qGreen(pixel);
    channels[2] = qBlue(pixel);
    channels[3] = qAlpha(pixel);
}

QRgb pack(const int* channels)
{
    return qRgba(channels[0], channels[1], channels[2], channels[3]);
}

void blurRows(QImage& layer, int radius)
{
    const int width = layer.width();
    std::vector<int> in(width * kChannels), out(width * kChannels);
    for (int y = 0; y < layer.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < width; ++x)
            unpack(row[x], &in[x * kChannels]);
        boxBlurLine(in, out, width, radius);
        for (int x = 0; x < width; ++x)
            row[x] = pack(&out[x * kChannels]);
    }
}

void blurColumns(QImage& layer, int radius)
{
    const int height = layer.height();
    std::vector<int> in(height * kChannels), out(height * kChannels);
    for (int x = 0; x < layer.width(); ++x) {
        for (int y = 0; y < height; ++y)
            unpack(reinterpret_cast<const QRgb*>(layer.constScanLine(y))[x], &in[y * kChannels]);
        boxBlurLine(in, out, height, radius);
        for (int y = 0; y < height; ++y)
            reinterpret_cast<QRgb*>(layer.scanLine(y))[x] = pack(&out[y * kChannels]);
    }
}

int clampByte(double value)
{
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

} // namespace

QImage transparentLayer(QSize size)
{
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

void blur(QImage& layer, int radius)
{
    if (radius < 1)
        return;
    // Three passes of a box a third as wide come close to a Gaussian of the full radius.
    const int boxRadius = std::max(1, radius / 2);
    for (int pass = 0; pass < kBlurPasses; ++pass) {
        blurRows(layer, boxRadius);
        blurColumns(layer, boxRadius);
    }
}

void addLight(QImage& target, const QImage& light)
{
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.drawImage(0, 0, light);
}

void addGrain(QImage& image, double strength, unsigned long long seed)
{
    Random random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double shift = random.gauss() * strength;
            const QRgb p = row[x];
            row[x] = qRgba(clampByte(qRed(p) + shift), clampByte(qGreen(p) + shift),
                           clampByte(qBlue(p) + shift * 1.2), qAlpha(p));
        }
    }
}

void vignette(QImage& image, double strength)
{
    const double cx = image.width() / 2.0;
    const double cy = image.height() / 2.0;
    const double reach = std::hypot(cx, cy);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double r = std::hypot(x - cx, y - cy) / reach;
            const double gain = 1.0 - strength * r * r;
            const QRgb p = row[x];
            row[x] = qRgba(clampByte(qRed(p) * gain), clampByte(qGreen(p) * gain),
                           clampByte(qBlue(p) * gain), qAlpha(p));
        }
    }
}

} // namespace pictures
