#include "jpeg_decode.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include <jpeglib.h>

namespace quorvane {
namespace {

// libjpeg reports errors through error_exit, which must not return. We leave by longjmp
// back into the function that called setjmp. To keep that well defined in C++, the
// functions that call setjmp hold only trivially destructible locals and allocate nothing;
// the pixel buffer is sized in decodeJpegRgb, outside the jump's reach.
struct ErrorManager {
    jpeg_error_mgr base;   // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Limit for libjpeg's own work memory (progressive scans, colour tables).
constexpr long kWorkMemoryBytes = 256L * 1024 * 1024;
constexpr std::size_t kBytesPerPixel = 3;

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    errors->base.format_message(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings (level -1) mean corrupt or missing data that libjpeg would paper over with grey;
// treat them as errors. Trace messages (level >= 0) are ignored, never printed.
void emitMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        errorExit(cinfo);
}

void outputMessage(j_common_ptr) {}

struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    bool created = false;

    Decoder() { std::memset(&cinfo, 0, sizeof cinfo); std::memset(&errors, 0, sizeof errors); }
    ~Decoder()
    {
        if (created)
            jpeg_destroy_decompress(&cinfo);
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
};

// Sets up the decompressor on the bytes and reads the header. Returns false on any error.
bool readHeader(Decoder& d, const unsigned char* data, unsigned long size)
{
    d.cinfo.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = errorExit;
    d.errors.base.emit_message = emitMessage;
    d.errors.base.output_message = outputMessage;
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&d.cinfo);
    d.created = true;
    d.cinfo.mem->max_memory_to_use = kWorkMemoryBytes;
    jpeg_mem_src(&d.cinfo, data, size);
    jpeg_read_header(&d.cinfo, TRUE);
    d.cinfo.out_color_space = JCS_RGB;   // grey and YCbCr files both come out as RGB
    return true;
}

// Decodes all rows into the caller's buffer of the header's size, three bytes a pixel.
bool readPixels(Decoder& d, unsigned char* bits, std::size_t bytesPerLine)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_start_decompress(&d.cinfo);
    if (d.cinfo.output_components != static_cast<int>(kBytesPerPixel))
        return false;
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW row = bits + d.cinfo.output_scanline * bytesPerLine;
        jpeg_read_scanlines(&d.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

std::optional<RgbPicture> fail(std::string* errorText, std::string reason)
{
    if (errorText)
        *errorText = std::move(reason);
    return std::nullopt;
}

} // namespace

std::optional<RgbPicture> decodeJpegRgb(const unsigned char* data, std::size_t size, std::string* errorText)
{
    if (size == 0)
        return fail(errorText, "empty file");
    Decoder d;
    if (!readHeader(d, data, static_cast<unsigned long>(size)))
        return fail(errorText, d.errors.message);
    RgbPicture picture;
    picture.widthPixels = d.cinfo.image_width;
    picture.heightPixels = d.cinfo.image_height;
    constexpr auto kMaxSide = static_cast<unsigned>(kMaxJpegSidePixels);
    if (picture.widthPixels == 0 || picture.heightPixels == 0 || picture.widthPixels > kMaxSide ||
        picture.heightPixels > kMaxSide)
        return fail(errorText, "picture size " + std::to_string(picture.widthPixels) + " x " +
                                   std::to_string(picture.heightPixels) + " is out of range");
    const std::size_t bytesPerLine = std::size_t{picture.widthPixels} * kBytesPerPixel;
    try {
        picture.rgb.resize(bytesPerLine * picture.heightPixels);
    } catch (const std::bad_alloc&) {
        return fail(errorText, "out of memory");
    }
    if (!readPixels(d, picture.rgb.data(), bytesPerLine))
        return fail(errorText, d.errors.message);
    return picture;
}

} // namespace quorvane
