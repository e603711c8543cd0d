// Any bytes as the Power Output photograph: the libjpeg step either refuses them with a reason or
// gives a picture within the size limit whose buffer holds exactly its rows.
#include "jpeg_decode.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string reason;
    const auto picture = quorvane::decodeJpegRgb(data, size, &reason);
    if (!picture)
        return 0;
    const auto maxSide = static_cast<unsigned>(quorvane::kMaxJpegSidePixels);
    if (picture->widthPixels == 0 || picture->heightPixels == 0 || picture->widthPixels > maxSide ||
        picture->heightPixels > maxSide)
        std::abort();
    if (picture->rgb.size() != std::size_t{picture->widthPixels} * picture->heightPixels * 3) std::abort();
    return 0;
}
