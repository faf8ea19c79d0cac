// SPDX-License-Identifier: MIT
#include "jpeg_picture.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace app {

namespace {

// libjpeg's own buffers (a progressive picture keeps all its coefficients) stay below this.
constexpr long kMaxDecoderMemory = 256L * 1024 * 1024;

struct ErrorManager
{
    jpeg_error_mgr base; // first, so that libjpeg's pointer to it is a pointer to us
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool warned;
};

ErrorManager &errorsOf(j_common_ptr info)
{
    return *reinterpret_cast<ErrorManager *>(info->err);
}

// A fatal error: keep the text and leave the decoder through the jump set up in runGuarded.
[[noreturn]] void onFatalError(j_common_ptr info)
{
    ErrorManager &errors = errorsOf(info);
    errors.base.format_message(info, errors.message);
    std::longjmp(errors.jump, 1);
}

// Warnings (corrupt data the decoder papers over, a missing end marker) count as failure:
// the picture would come out with grey or shifted blocks. Trace messages are dropped.
void onMessage(j_common_ptr info, int level)
{
    ErrorManager &errors = errorsOf(info);
    if (level < 0 && !errors.warned) {
        errors.warned = true;
        errors.base.format_message(info, errors.message);
    }
}

void onOutputMessage(j_common_ptr) { }

struct Decoder
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    std::span<const std::uint8_t> data;
    QImage image;
    std::string refusal; // a reason of our own, when the data decodes but is not acceptable
};

// Everything that may end in a longjmp runs in here. It keeps no object with a destructor of
// its own on the stack, so that a jump out of libjpeg skips nothing that needs cleaning up.
void decodeInto(Decoder &decoder)
{
    jpeg_decompress_struct &info = decoder.info;
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_mem_src(&info, decoder.data.data(), static_cast<unsigned long>(decoder.data.size()));
    jpeg_read_header(&info, TRUE);

    if (info.image_width > unsigned(kMaxJpegSide) || info.image_height > unsigned(kMaxJpegSide)
        || std::int64_t(info.image_width) * info.image_height > kMaxJpegPixels) {
        decoder.refusal = "picture too large: " + std::to_string(info.image_width) + " x "
            + std::to_string(info.image_height) + " pixels";
        return;
    }
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_RGB:
    case JCS_YCbCr:
        info.out_color_space = JCS_RGB;
        break;
    default:
        decoder.refusal = "unsupported colour space (CMYK or YCCK)";
        return;
    }

    jpeg_start_decompress(&info);
    decoder.image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (decoder.image.isNull()) {
        decoder.refusal = "out of memory for the picture";
        return;
    }
    // One scanline of libjpeg's own, freed with the decoder.
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    const bool grey = info.output_components == 1;
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, row, 1);
        auto *out = reinterpret_cast<QRgb *>(decoder.image.scanLine(y));
        const JSAMPLE *in = row[0];
        for (unsigned x = 0; x < info.output_width; ++x, ++out) {
            if (grey) {
                *out = qRgb(in[0], in[0], in[0]);
                in += 1;
            } else {
                *out = qRgb(in[0], in[1], in[2]);
                in += 3;
            }
        }
    }
    jpeg_finish_decompress(&info);
}

bool runGuarded(Decoder &decoder)
{
    if (setjmp(decoder.errors.jump) != 0)
        return false;
    decodeInto(decoder);
    return true;
}

} // namespace

std::optional<QImage> decodeJpeg(std::span<const std::uint8_t> data, std::string *error)
{
    auto fail = [error](std::string reason) -> std::optional<QImage> {
        if (error)
            *error = std::move(reason);
        return std::nullopt;
    };
    if (data.empty())
        return fail("no picture data");

    Decoder decoder {};
    decoder.data = data;
    decoder.info.err = jpeg_std_error(&decoder.errors.base);
    decoder.errors.base.error_exit = onFatalError;
    decoder.errors.base.emit_message = onMessage;
    decoder.errors.base.output_message = onOutputMessage;

    const bool finished = runGuarded(decoder);
    jpeg_destroy_decompress(&decoder.info);

    if (!finished || decoder.errors.warned)
        return fail(decoder.errors.message);
    if (!decoder.refusal.empty())
        return fail(decoder.refusal);
    return std::move(decoder.image);
}

} // namespace app
