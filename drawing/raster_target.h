// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace drawing::raster {

/**
 * Device coordinates beyond this magnitude are clamped. It keeps every intermediate product of
 * the line, polygon and arc arithmetic inside 64 bits; no real drawing comes near it.
 */
inline constexpr std::int64_t kCoordinateLimit = std::int64_t(1) << 28;

/** A device point of the rasteriser: 64-bit so that differences and products never overflow. */
struct Point
{
    std::int64_t x = 0;
    std::int64_t y = 0;
    friend bool operator==(Point, Point) = default;
};

inline std::int64_t clampCoordinate(std::int64_t v)
{
    return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

/** Rounds a / b towards plus infinity; b > 0. */
inline std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return a / b + (a % b > 0 ? 1 : 0);
}

/** Rounds a / b towards minus infinity; b > 0. */
inline std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b < 0 ? 1 : 0);
}

/** The pixel format every surface draws on: 0xFFRRGGBB words. */
inline bool isRasterFormat(QImage::Format format)
{
    return format == QImage::Format_RGB32;
}

/**
 * The pixels one drawing operation may write: the 32-bit rows of the target image seen through
 * a surface's origin, and the clip rectangle (surface coordinates, inclusive bounds) outside
 * which nothing is ever written. Built at the start of each operation, so it always matches the
 * image as it is now; an empty clip (null image, surface off the image) writes nothing.
 */
class RasterTarget
{
public:
    RasterTarget(QImage &image, QPoint origin, QSize size)
    {
        if (!isRasterFormat(image.format()))
            return;
        // The surface's rectangle cut down to the image, in surface coordinates.
        const std::int64_t ox = origin.x();
        const std::int64_t oy = origin.y();
        m_left = std::max<std::int64_t>(0, -ox);
        m_top = std::max<std::int64_t>(0, -oy);
        m_right = std::min<std::int64_t>(size.width(), image.width() - ox) - 1;
        m_bottom = std::min<std::int64_t>(size.height(), image.height() - oy) - 1;
        if (isEmpty())
            return;
        // bits() detaches a shared image once here, not per pixel.
        m_bits = reinterpret_cast<QRgb *>(image.bits());
        m_stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
        m_originX = ox;
        m_originY = oy;
        if (!m_bits)
            m_right = m_left - 1;
    }

    bool isEmpty() const { return m_right < m_left || m_bottom < m_top; }
    std::int64_t left() const { return m_left; }
    std::int64_t top() const { return m_top; }
    std::int64_t right() const { return m_right; }
    std::int64_t bottom() const { return m_bottom; }

    bool contains(std::int64_t x, std::int64_t y) const
    {
        return x >= m_left && x <= m_right && y >= m_top && y <= m_bottom;
    }

    /**
     * The pixel at surface (x, y), which must lie inside the clip. Its index into the image is
     * worked out first, so that no pointer outside the image is ever formed.
     */
    QRgb *pixel(std::int64_t x, std::int64_t y) const
    {
        return m_bits + ((y + m_originY) * m_stride + (x + m_originX));
    }

    void plot(std::int64_t x, std::int64_t y, QRgb rgb) const
    {
        if (contains(x, y))
            *pixel(x, y) = rgb;
    }

    /** Columns x0..x1 (inclusive) of row y. */
    void fillRow(std::int64_t y, std::int64_t x0, std::int64_t x1, QRgb rgb) const
    {
        if (y < m_top || y > m_bottom)
            return;
        x0 = std::max(x0, m_left);
        x1 = std::min(x1, m_right);
        if (x0 > x1)
            return;
        std::fill_n(pixel(x0, y), x1 - x0 + 1, rgb);
    }

    /** Columns x0..x1 by rows y0..y1, all inclusive. */
    void fillRect(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                  QRgb rgb) const
    {
        x0 = std::max(x0, m_left);
        x1 = std::min(x1, m_right);
        y0 = std::max(y0, m_top);
        y1 = std::min(y1, m_bottom);
        if (x0 > x1 || y0 > y1)
            return;
        const std::int64_t width = x1 - x0 + 1;
        std::int64_t index = (y0 + m_originY) * m_stride + (x0 + m_originX);
        // Narrow ones (lines, pen ends) row by row; wide ones (backgrounds) as the first row
        // filled and the others copied from it, which the library does several times faster
        // than filling words one by one.
        constexpr std::int64_t kCopiedWidth = 32;
        if (width < kCopiedWidth) {
            for (std::int64_t y = y0; y <= y1; ++y, index += m_stride)
                std::fill_n(m_bits + index, width, rgb);
            return;
        }
        const QRgb *first = m_bits + index;
        std::fill_n(m_bits + index, width, rgb);
        for (std::int64_t y = y0 + 1; y <= y1; ++y) {
            index += m_stride;
            std::memcpy(m_bits + index, first, std::size_t(width) * sizeof(QRgb));
        }
    }

    /** The clip in image coordinates, for the few operations that hand drawing to Qt. */
    QRect imageClip() const
    {
        if (isEmpty())
            return {};
        return QRect(QPoint(int(m_left + m_originX), int(m_top + m_originY)),
                     QPoint(int(m_right + m_originX), int(m_bottom + m_originY)));
    }

    QPoint origin() const { return QPoint(int(m_originX), int(m_originY)); }

    /**
     * Copies `source` (an RGB32 image) with its top-left pixel at surface (x, y), row by
     * row, clipped. The source must not share pixel memory with the target.
     */
    void copyImage(const QImage &source, std::int64_t x, std::int64_t y) const;

private:
    QRgb *m_bits = nullptr;
    qsizetype m_stride = 0;
    std::int64_t m_originX = 0;
    std::int64_t m_originY = 0;
    std::int64_t m_left = 0;
    std::int64_t m_top = 0;
    std::int64_t m_right = -1;
    std::int64_t m_bottom = -1;
};

inline void RasterTarget::copyImage(const QImage &source, std::int64_t x, std::int64_t y) const
{
    if (isEmpty() || !isRasterFormat(source.format()))
        return;
    const std::int64_t x0 = std::max(x, m_left);
    const std::int64_t x1 = std::min(x + source.width() - 1, m_right);
    const std::int64_t y0 = std::max(y, m_top);
    const std::int64_t y1 = std::min(y + source.height() - 1, m_bottom);
    if (x0 > x1 || y0 > y1)
        return;
    const auto bytes = std::size_t(x1 - x0 + 1) * sizeof(QRgb);
    for (std::int64_t row = y0; row <= y1; ++row) {
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(int(row - y)));
        std::memcpy(pixel(x0, row), from + (x0 - x), bytes);
    }
}

} // namespace drawing::raster
