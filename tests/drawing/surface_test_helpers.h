// SPDX-License-Identifier: MIT
// Small images and ways to read them back for the drawing-surface tests: the set of pixels of one
// colour, and a region drawn as text so that a failure shows the picture.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include <map>
#include <set>
#include <string>
#include <utility>

namespace surface_test {

inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kBlack = 0xFF000000;

using PixelSet = std::set<std::pair<int, int>>;

inline QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

/** Every pixel of `image` that has `colour`. */
inline PixelSet pixelsOf(const QImage &image, QRgb colour)
{
    PixelSet found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                found.emplace(x, y);
    return found;
}

/** Every pixel of `image` that is not `background`. */
inline PixelSet pixelsNot(const QImage &image, QRgb background)
{
    PixelSet found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                found.emplace(x, y);
    return found;
}

/** `points` moved by (dx, dy). */
inline PixelSet shifted(const PixelSet &points, int dx, int dy)
{
    PixelSet moved;
    for (const auto &[x, y] : points)
        moved.emplace(x + dx, y + dy);
    return moved;
}

inline std::string describe(const PixelSet &points)
{
    std::string text;
    for (const auto &[x, y] : points)
        text += "(" + std::to_string(x) + "," + std::to_string(y) + ") ";
    return text;
}

/**
 * The pixels of `region`, one text line per row, each pixel as the character `legend` gives
 * its colour ('?' for any other colour).
 */
inline std::string picture(const QImage &image, const QRect &region,
                           const std::map<QRgb, char> &legend)
{
    std::string text;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const auto it = legend.find(image.pixel(x, y));
            text += it == legend.end() ? '?' : it->second;
        }
        text += '\n';
    }
    return text;
}

} // namespace surface_test
