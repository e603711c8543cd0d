#include "jpeg_image.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace quorvane {
namespace {

// libjpeg reports errors through error_exit, which must not return. We leave by longjmp
// back into the function that called setjmp. To keep that well defined in C++, the
// functions that call setjmp hold only trivially destructible locals and allocate nothing;
// every Qt object lives in decodeJpeg, outside the jump's reach.
struct ErrorManager {
    jpeg_error_mgr base;   // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Limit for libjpeg's own work memory (progressive scans, colour tables).
constexpr long kWorkMemoryBytes = 256L * 1024 * 1024;

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
bool readPixels(Decoder& d, unsigned char* bits, long long bytesPerLine)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_start_decompress(&d.cinfo);
    if (d.cinfo.output_components != 3)
        return false;
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW row = bits + d.cinfo.output_scanline * bytesPerLine;
        jpeg_read_scanlines(&d.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

QImage fail(QString* errorText, const QString& reason)
{
    if (errorText)
        *errorText = reason;
    return {};
}

} // namespace

QImage decodeJpeg(const QByteArray& bytes, QString* errorText)
{
    if (bytes.isEmpty())
        return fail(errorText, QStringLiteral("empty file"));
    Decoder d;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (!readHeader(d, data, static_cast<unsigned long>(bytes.size())))
        return fail(errorText, QString::fromLocal8Bit(d.errors.message));
    const auto width = d.cinfo.image_width;
    const auto height = d.cinfo.image_height;
    if (width == 0 || height == 0 || width > kMaxJpegSidePixels || height > kMaxJpegSidePixels)
        return fail(errorText, QStringLiteral("picture size %1 x %2 is out of range")
                                   .arg(width).arg(height));
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
    if (image.isNull())
        return fail(errorText, QStringLiteral("out of memory"));
    if (!readPixels(d, image.bits(), image.bytesPerLine()))
        return fail(errorText, QString::fromLocal8Bit(d.errors.message));
    return image;
}

QImage decodeJpegFile(const QString& path, QString* errorText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(errorText, file.errorString());
    return decodeJpeg(file.readAll(), errorText);
}

} // namespace quorvane
