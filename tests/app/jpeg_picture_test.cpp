// SPDX-License-Identifier: MIT
#include "jpeg_picture.h"
#include "side_picture.h"

#include <gtest/gtest.h>

#include <QColor>

#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes sidePicture()
{
    const auto bytes = app::sidePictureJpeg();
    return {bytes.begin(), bytes.end()};
}

// A small picture written with libjpeg's encoder: `components` samples a pixel in `space`,
// every sample of row y set to `value(y)`.
Bytes encode(int width, int height, int components, J_COLOR_SPACE space, int (*value)(int))
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(width * components));
    while (info.next_scanline < info.image_height) {
        std::fill(row.begin(), row.end(), JSAMPLE(value(int(info.next_scanline))));
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes result(buffer, buffer + size);
    std::free(buffer);
    return result;
}

// Offset of the frame header's height field (after FF Cn, length and precision).
std::size_t frameDimensionsOffset(const Bytes &jpeg)
{
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2))
            return i + 5;
    return 0;
}

Bytes withDimensions(Bytes jpeg, int width, int height)
{
    const std::size_t at = frameDimensionsOffset(jpeg);
    jpeg[at] = std::uint8_t(height >> 8);
    jpeg[at + 1] = std::uint8_t(height);
    jpeg[at + 2] = std::uint8_t(width >> 8);
    jpeg[at + 3] = std::uint8_t(width);
    return jpeg;
}

} // namespace

TEST(JpegPicture, EmbeddedSidePictureIsACreamToGoldBandWithAnEmblem)
{
    std::string error;
    const auto image = app::decodeJpeg(app::sidePictureJpeg(), &error);
    ASSERT_TRUE(image.has_value()) << error;
    EXPECT_EQ(image->size(), QSize(54, 285));
    EXPECT_EQ(image->format(), QImage::Format_RGB32);

    // Below the emblem the band runs from pale cream to light gold.
    const QColor top = image->pixelColor(27, 60);
    const QColor bottom = image->pixelColor(27, 284);
    SCOPED_TRACE(QStringLiteral("top %1, bottom %2").arg(top.name(), bottom.name()).toStdString());
    EXPECT_GT(top.lightness(), 215) << "the top is pale";
    EXPECT_GT(top.red(), top.blue()) << "the top is cream, not grey or blue";
    EXPECT_LT(bottom.lightness(), top.lightness()) << "the bottom is darker";
    EXPECT_GT(bottom.hsvSaturation(), top.hsvSaturation() + 60) << "the bottom is more golden";
    EXPECT_GE(bottom.hsvHue(), 35) << "gold, not orange";
    EXPECT_LE(bottom.hsvHue(), 55) << "gold, not green";
    for (int y = 60; y < 284; y += 32) {
        SCOPED_TRACE(y);
        EXPECT_GE(image->pixelColor(27, y).blue(), image->pixelColor(27, y + 32).blue() - 3)
            << "the shading runs one way, top to bottom";
    }

    // The emblem near the top: a dark-blue figure and a yellow board.
    int blue = 0;
    int yellow = 0;
    for (int y = 0; y < 55; ++y)
        for (int x = 0; x < 54; ++x) {
            const QColor c = image->pixelColor(x, y);
            blue += c.blue() > c.red() + 60 && c.value() < 170;
            yellow += c.red() > 200 && c.green() > 170 && c.blue() < 110;
        }
    EXPECT_GT(blue, 40) << "dark-blue pixels of the figure";
    EXPECT_GT(yellow, 150) << "yellow pixels of the board";
}

TEST(JpegPicture, GreyscaleComesBackAsGreyRgb)
{
    const Bytes grey = encode(16, 16, 1, JCS_GRAYSCALE, [](int y) { return y < 8 ? 40 : 200; });
    std::string error;
    const auto image = app::decodeJpeg(grey, &error);
    ASSERT_TRUE(image.has_value()) << error;
    ASSERT_EQ(image->size(), QSize(16, 16));
    const QRgb dark = image->pixel(3, 2);
    const QRgb light = image->pixel(3, 13);
    EXPECT_EQ(qRed(dark), qBlue(dark)) << "grey stays grey";
    EXPECT_EQ(qGreen(dark), qBlue(dark)) << "grey stays grey";
    EXPECT_NEAR(qRed(dark), 40, 3);
    EXPECT_NEAR(qRed(light), 200, 3);
}

// Corrupt pictures at large are the fuzz target's and its corpus replay's: these are the cases
// with a rule of their own.
TEST(JpegPicture, BadDataGivesAnError)
{
    const Bytes good = sidePicture();
    std::string error;

    {
        SCOPED_TRACE("empty buffer");
        EXPECT_FALSE(app::decodeJpeg({}, &error).has_value());
        EXPECT_FALSE(error.empty());
    }
    {
        SCOPED_TRACE("not a JPEG at all");
        const std::string text = "GIF89a this is no picture, only words and more words";
        const Bytes garbage(text.begin(), text.end());
        error.clear();
        EXPECT_FALSE(app::decodeJpeg(garbage, &error).has_value());
        EXPECT_FALSE(error.empty());
    }
    {
        SCOPED_TRACE("only the start-of-image marker");
        EXPECT_FALSE(app::decodeJpeg(Bytes {0xFF, 0xD8}).has_value());
    }
    {
        SCOPED_TRACE("CMYK is refused, not shown in wrong colours");
        const Bytes cmyk = encode(8, 8, 4, JCS_CMYK, [](int) { return 128; });
        error.clear();
        EXPECT_FALSE(app::decodeJpeg(cmyk, &error).has_value());
        EXPECT_NE(error.find("colour space"), std::string::npos) << error;
    }
    // A truncation loses at least the end marker: the decoder would pad the rest with grey.
    for (const std::size_t length : {good.size() / 2, good.size() - 2, good.size() - 1}) {
        SCOPED_TRACE(testing::Message() << "truncated to " << length << " bytes");
        EXPECT_FALSE(app::decodeJpeg(std::span(good.data(), length)).has_value());
    }
}

TEST(JpegPicture, AbsurdDimensionsAreRefusedBeforeAnythingIsAllocated)
{
    const Bytes good = sidePicture();
    ASSERT_NE(frameDimensionsOffset(good), 0u) << "no frame header in the side picture";

    struct Case
    {
        int width;
        int height;
    };
    for (const Case c :
         {Case {60000, 60000}, Case {60000, 1}, Case {1, 60000}, Case {16000, 16000}}) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        std::string error;
        EXPECT_FALSE(app::decodeJpeg(withDimensions(good, c.width, c.height), &error).has_value());
        EXPECT_NE(error.find("too large"), std::string::npos) << error;
    }
    {
        SCOPED_TRACE("a zero width is an error of its own");
        EXPECT_FALSE(app::decodeJpeg(withDimensions(good, 0, 285)).has_value());
    }
}
