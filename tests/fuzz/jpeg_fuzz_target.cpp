// SPDX-License-Identifier: MIT
// One input for the JPEG decoder: whatever the bytes, it must come back with a picture inside
// its limits or with a reason, never crash, hang or run away with memory. libFuzzer calls this
// in the fuzzing build; jpeg_corpus_replay calls it for every file of the corpus in the tests.
#include "jpeg_picture.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "JPEG decoder broke its promise: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string error;
    const std::optional<QImage> picture = app::decodeJpeg({data, size}, &error);
    if (!picture) {
        if (error.empty() || error.find('\n') != std::string::npos)
            broken("a refusal without a one-line reason");
        return 0;
    }
    if (picture->isNull() || picture->format() != QImage::Format_RGB32)
        broken("a picture that is empty or not RGB32");
    const std::int64_t width = picture->width();
    const std::int64_t height = picture->height();
    if (width > app::kMaxJpegSide || height > app::kMaxJpegSide
        || width * height > app::kMaxJpegPixels)
        broken("a picture beyond the size limits");
    // Read every pixel, so that the sanitizers see a short or misshapen buffer.
    std::uint32_t sum = 0;
    for (int y = 0; y < picture->height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(picture->constScanLine(y));
        for (int x = 0; x < picture->width(); ++x)
            sum += row[x];
    }
    volatile std::uint32_t sink = sum;
    (void)sink;
    return 0;
}
