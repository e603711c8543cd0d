#include "jpeg_image.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>

namespace {

using quorvane::decodeJpeg;

constexpr int kPhotoWidth = 377;
constexpr int kPhotoHeight = 300;

QByteArray shippedPhoto()
{
    QFile file(QStringLiteral(QUORVANE_PHOTO_PATH));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << QUORVANE_PHOTO_PATH;
    return file.readAll();
}

int brightness(QRgb p) { return (qRed(p) + qGreen(p) + qBlue(p)) / 3; }

// Offset of the frame header's height field: SOFn marker, 2 length bytes, 1 precision byte.
qsizetype frameSizeOffset(const QByteArray& jpeg)
{
    for (qsizetype i = 2; i + 8 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2))
            return i + 5;
    }
    return -1;
}

void putBigEndian16(QByteArray& bytes, qsizetype at, int value)
{
    bytes[at] = static_cast<char>(value >> 8);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

TEST(JpegImage, ShippedPhotographDecodesAsANightShotWithSparks)
{
    const QImage photo = decodeJpeg(shippedPhoto());
    ASSERT_EQ(photo.size(), QSize(kPhotoWidth, kPhotoHeight));
    long long total = 0;
    int sparkPixels = 0;
    long long sparkBlue = 0, sparkGreen = 0;
    for (int y = 0; y < photo.height(); ++y) {
        for (int x = 0; x < photo.width(); ++x) {
            const QRgb p = photo.pixel(x, y);
            total += brightness(p);
            if (brightness(p) > 180) {
                ++sparkPixels;
                sparkBlue += qBlue(p);
                sparkGreen += qGreen(p);
            }
        }
    }
    // Mostly dark room, a fraction of bright violet-white plasma: a decoder that swapped
    // channels, lost rows or returned grey fill would break one of these.
    const double meanBrightness = static_cast<double>(total) / (kPhotoWidth * kPhotoHeight);
    EXPECT_GT(meanBrightness, 8.0);
    EXPECT_LT(meanBrightness, 90.0);
    EXPECT_GT(sparkPixels, kPhotoWidth * kPhotoHeight / 200);
    EXPECT_GT(sparkBlue, sparkGreen);
}

TEST(JpegImage, AgreesWithQtsOwnReader)
{
    const QByteArray bytes = shippedPhoto();
    const QImage reference = QImage::fromData(bytes, "JPG");
    if (reference.isNull())
        GTEST_SKIP() << "Qt's JPEG plug-in is not installed";
    const QImage ours = decodeJpeg(bytes).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(ours.size(), reference.size());
    // Both use libjpeg, but may differ in the IDCT and upsampling they pick: allow a little.
    int worst = 0;
    for (int y = 0; y < ours.height(); y += 7)
        for (int x = 0; x < ours.width(); x += 5)
            worst = std::max(worst, std::abs(brightness(ours.pixel(x, y))
                                             - brightness(reference.pixel(x, y))));
    EXPECT_LE(worst, 6);
}

TEST(JpegImage, DamagedFilesGiveAnEmptyImageAndAReason)
{
    const QByteArray photo = shippedPhoto();
    QByteArray garbage(4096, '\0');
    std::uint32_t state = 12345;
    for (char& c : garbage) {
        state = state * 1664525u + 1013904223u;
        c = static_cast<char>(state >> 24);
    }
    QByteArray scrambledScan = photo;
    for (qsizetype i = scrambledScan.size() / 2; i < scrambledScan.size() - 2; i += 3)
        scrambledScan[i] = static_cast<char>(0xFF);   // stray markers inside the scan
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"zero bytes", QByteArray()},
        {"start marker only", QByteArray("\xFF\xD8", 2)},
        {"header only", photo.left(600)},
        {"truncated half way", photo.left(photo.size() / 2)},
        {"missing last bytes", photo.left(photo.size() - 40)},
        {"random garbage", garbage},
        {"corrupt scan", scrambledScan},
    };
    for (const auto& c : cases) {
        QString reason;
        EXPECT_TRUE(decodeJpeg(c.bytes, &reason).isNull()) << c.name;
        EXPECT_FALSE(reason.isEmpty()) << c.name;
    }
}

TEST(JpegImage, HeaderClaimingAHugePictureIsRejectedBeforeAllocating)
{
    // The frame header holds 16-bit sizes, so 65500 (libjpeg's own limit) is the largest
    // claim a file can make: 4.3 gigapixels, about 12 GB if it were allocated.
    QByteArray bytes = shippedPhoto();
    const qsizetype at = frameSizeOffset(bytes);
    ASSERT_GT(at, 0);
    for (int side : {65500, quorvane::kMaxJpegSidePixels + 1}) {
        putBigEndian16(bytes, at, side);
        putBigEndian16(bytes, at + 2, side);
        QString reason;
        EXPECT_TRUE(decodeJpeg(bytes, &reason).isNull()) << side;
        EXPECT_TRUE(reason.contains("out of range")) << reason.toStdString();
    }
}

TEST(JpegImage, RandomByteFlipsNeverCrash)
{
    const QByteArray photo = shippedPhoto();
    std::uint32_t state = 2024;
    auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    for (int round = 0; round < 150; ++round) {
        QByteArray damaged = photo;
        for (int flip = 0; flip < 4; ++flip)
            damaged[next() % damaged.size()] = static_cast<char>(next() >> 24);
        const QImage image = decodeJpeg(damaged);
        // A flip in a comment or table padding may leave a valid file; never a wrong size.
        if (!image.isNull()) {
            EXPECT_EQ(image.size(), QSize(kPhotoWidth, kPhotoHeight)) << round;
        }
    }
}

TEST(JpegImage, FileReaderReportsAMissingFile)
{
    QString reason;
    EXPECT_TRUE(quorvane::decodeJpegFile("/nonexistent/photo.jpg", &reason).isNull());
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(quorvane::decodeJpegFile(QStringLiteral(QUORVANE_PHOTO_PATH)).size(),
              QSize(kPhotoWidth, kPhotoHeight));
}

} // namespace
