// SPDX-License-Identifier: MIT
#include "surface.h"

#include "raster_arc.h"
#include "raster_line.h"
#include "raster_polygon.h"
#include "raster_target.h"
#include "rounding.h"
#include "text_renderer.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace drawing {

using raster::Point;
using raster::RasterTarget;

namespace {

// Extents beyond this are clamped, so that 2 * v * viewport + window fits in 64 bits.
constexpr std::int64_t kExtentLimit = std::int64_t(1) << 30;

// v * viewport / window to the nearest pixel, halves up. A zero window extent cannot scale and
// leaves the axis pixel for pixel.
std::int64_t mapAxis(std::int64_t v, int viewport, int window)
{
    if (window == 0)
        return v;
    return divideRoundingHalfUp(v * std::clamp<std::int64_t>(viewport, -kExtentLimit, kExtentLimit),
                                std::clamp<std::int64_t>(window, -kExtentLimit, kExtentLimit));
}

Point toRaster(QPoint p)
{
    return {p.x(), p.y()};
}

// The widths the pixel rules define; a wider request is drawn this wide.
constexpr int kMaxPenWidth = 3;

int penWidth(const Pen &pen)
{
    return std::clamp(pen.width, 1, kMaxPenWidth);
}

} // namespace

Surface::Surface(QImage &target, QPoint origin, QSize size, const SystemColours &colours)
    : Surface(target, origin, size, colours, std::make_shared<TextRenderer>())
{
}

Surface::Surface(QImage &target, QPoint origin, QSize size, const SystemColours &colours,
                 std::shared_ptr<TextRenderer> text)
    : m_image(target),
      m_origin(origin),
      m_size(size.expandedTo(QSize(0, 0))),
      m_colours(colours),
      m_text(std::move(text))
{
}

Surface::~Surface() = default;

QPoint Surface::toDevice(int x, int y) const
{
    std::int64_t dx = x;
    std::int64_t dy = y;
    if (m_mapped) {
        dx = mapAxis(x, m_viewportExtent.width(), m_windowExtent.width());
        dy = mapAxis(y, m_viewportExtent.height(), m_windowExtent.height());
    }
    return QPoint(int(raster::clampCoordinate(dx)), int(raster::clampCoordinate(dy)));
}

RasterTarget Surface::rasterTarget()
{
    return RasterTarget(m_image, m_origin, m_size);
}

void Surface::MoveTo(int x, int y)
{
    m_penPos = QPoint(x, y);
}

void Surface::LineTo(int x, int y)
{
    const Point from = toRaster(toDevice(m_penPos.x(), m_penPos.y()));
    const Point to = toRaster(toDevice(x, y));
    m_penPos = QPoint(x, y);
    const RasterTarget target = rasterTarget();
    if (target.isEmpty())
        return;
    raster::drawPenLine(target, from, to, penWidth(m_pen), resolveColour(m_pen.colour));
}

void Surface::Rectangle(int x1, int y1, int x2, int y2)
{
    const QPoint a = toDevice(x1, y1);
    const QPoint b = toDevice(x2, y2);
    const std::int64_t left = std::min(a.x(), b.x());
    const std::int64_t right = std::max(a.x(), b.x());
    const std::int64_t top = std::min(a.y(), b.y());
    const std::int64_t bottom = std::max(a.y(), b.y());
    // The outline is the closed chain through the corners (left, top) .. (right-1, bottom-1):
    // one pixel wide or high it is a line; an empty box, or a 1 x 1 whose corners all coincide,
    // draws nothing.
    if (right == left || bottom == top || (right - left == 1 && bottom - top == 1))
        return;
    const RasterTarget target = rasterTarget();
    if (target.isEmpty())
        return;

    target.fillRect(left + 1, top + 1, right - 2, bottom - 2, resolveColour(m_brush.colour));
    const QRgb pen = resolveColour(m_pen.colour);
    const int width = penWidth(m_pen);
    if (width == 1) { // the chain's four runs, each leaving out its end
        target.fillRow(top, left, right - 1, pen);
        target.fillRow(bottom - 1, left, right - 1, pen);
        target.fillRect(left, top + 1, left, bottom - 2, pen);
        target.fillRect(right - 1, top + 1, right - 1, bottom - 2, pen);
        return;
    }
    const Point corners[4] = {
        {left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    for (int i = 0; i < 4; ++i)
        if (corners[i] != corners[(i + 1) % 4])
            raster::drawWideLine(target, corners[i], corners[(i + 1) % 4], width, pen);
}

void Surface::Polygon(std::span<const QPoint> points)
{
    if (points.empty())
        return;
    const RasterTarget target = rasterTarget();
    if (target.isEmpty())
        return;
    std::vector<Point> device;
    device.reserve(points.size());
    for (const QPoint &p : points)
        device.push_back(toRaster(toDevice(p.x(), p.y())));

    raster::fillPolygon(target, device, resolveColour(m_brush.colour));
    const QRgb pen = resolveColour(m_pen.colour);
    const int width = penWidth(m_pen);
    for (std::size_t i = 0; i < device.size(); ++i)
        raster::drawPenLine(target, device[i], device[(i + 1) % device.size()], width, pen);
}

void Surface::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const RasterTarget target = rasterTarget();
    if (target.isEmpty())
        return;
    const raster::EllipseOutline outline(toRaster(toDevice(x1, y1)), toRaster(toDevice(x2, y2)));
    const raster::EllipseOutline::Stretch stretch =
        outline.arc(toRaster(toDevice(x3, y3)), toRaster(toDevice(x4, y4)));

    // The points are joined as LineTo joins them, leaving out the last. Consecutive points of
    // the outline touch or repeat, so a 1-pixel join sets just its first point.
    const QRgb pen = resolveColour(m_pen.colour);
    const int width = penWidth(m_pen);
    bool started = false;
    Point from;
    outline.walk(stretch, [&](Point to) {
        if (started && to != from) {
            if (width == 1)
                target.plot(from.x, from.y, pen);
            else
                raster::drawWideLine(target, from, to, width, pen);
        }
        started = true;
        from = to;
    });
}

void Surface::TextOut(int x, int y, const QString &text)
{
    const RasterTarget target = rasterTarget();
    if (target.isEmpty() || text.isEmpty())
        return;
    m_text->draw(m_image, target, toRaster(toDevice(x, y)), m_font, text,
                 resolveColour(m_brush.colour), resolveColour(m_font.colour));
}

QSize Surface::TextExtent(const QString &text) const
{
    return m_text->cellSize(m_font, text);
}

void Surface::Draw(int x, int y, const Bitmap &bitmap)
{
    const RasterTarget target = rasterTarget();
    if (target.isEmpty())
        return;
    const QImage &source = bitmap.image();
    const Point at = toRaster(toDevice(x, y));
    // A bitmap drawn onto its own canvas is copied first, so that no row overwrites its source.
    if (source.constBits() == m_image.constBits())
        target.copyImage(source.copy(), at.x, at.y);
    else
        target.copyImage(source, at.x, at.y);
}

void Surface::setAnisotropicMapping(QSize windowExtent, QSize viewportExtent)
{
    m_windowExtent = windowExtent;
    m_viewportExtent = viewportExtent;
    m_mapped = true;
}

void Surface::setPixelMapping()
{
    m_mapped = false;
}

Bitmap::Bitmap(int width, int height)
    : m_image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32),
      m_canvas(m_image, QPoint(0, 0), m_image.size())
{
    m_image.fill(Qt::white);
}

Bitmap::Bitmap(int width, int height, const Surface &target)
    : m_image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32),
      m_canvas(m_image, QPoint(0, 0), m_image.size(), target.m_colours, target.m_text)
{
    m_image.fill(Qt::white);
}

} // namespace drawing
