#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// The largest picture side accepted. The Power Output photograph is a few hundred pixels;
// the limit keeps a damaged or hostile header from making the decoder allocate gigabytes.
inline constexpr int kMaxJpegSidePixels = 8192;

// A decoded picture: rows top to bottom, three bytes (red, green, blue) a pixel, no padding.
struct RgbPicture {
    unsigned widthPixels = 0;
    unsigned heightPixels = 0;
    std::vector<unsigned char> rgb;
};

// Decodes a JPEG file's bytes with libjpeg, without any window toolkit. A damaged, truncated
// or oversized file gives nullopt (and, if asked, the reason); it never aborts. Corrupt-data
// warnings count as failures, so a half-decoded picture is never shown.
std::optional<RgbPicture> decodeJpegRgb(const unsigned char* data, std::size_t size,
                                        std::string* errorText = nullptr);

} // namespace quorvane
