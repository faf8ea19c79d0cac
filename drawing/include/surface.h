// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"
#include "font.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <memory>
#include <span>

namespace drawing {

class Bitmap;
class TextRenderer;
namespace raster {
class RasterTarget;
}

/** A solid pen 1, 2 or 3 pixels wide (a wider one is drawn 3 wide, a narrower one 1). */
struct Pen
{
    Colour colour = clBlack;
    int width = 1;
};

/** A solid brush. */
struct Brush
{
    Colour colour = clWhite;
};

/**
 * A drawing surface: a window onto a target image (an origin and a size, outside which nothing
 * is drawn) with its own pen, brush, font, pen position and mapping mode. Coordinates are
 * surface pixels, origin top-left. Several surfaces may share one image, each with its state.
 * System colours resolve through the SystemColours the surface is given; fonts and the cells of
 * texts drawn before are kept by its text renderer, which the bitmaps made for it share.
 *
 * The operations put exactly the pixels of the classic raster rules: a 1-pixel LineTo leaves out
 * its end pixel, wide pens have round ends, Rectangle covers x1..x2-1 × y1..y2-1, Polygon fills
 * even-odd, Arc walks counter-clockwise as seen on the screen. No anti-aliasing anywhere.
 */
class Surface
{
public:
    /**
     * A surface onto `target` whose pixel (0, 0) is the image's pixel `origin`. The image must
     * be null or of Format_RGB32, which the rasteriser writes; on any other nothing is drawn.
     */
    Surface(QImage &target, QPoint origin, QSize size, const SystemColours &colours = {});
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;
    ~Surface();

    const SystemColours &systemColours() const { return m_colours; }
    /** What system colours stand for from now on; what was drawn before stays. */
    void setSystemColours(const SystemColours &colours) { m_colours = colours; }

    Pen &pen() { return m_pen; }
    Brush &brush() { return m_brush; }
    Font &font() { return m_font; }
    const Pen &pen() const { return m_pen; }
    const Brush &brush() const { return m_brush; }
    const Font &font() const { return m_font; }

    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    QPoint penPosition() const { return m_penPos; }

    void MoveTo(int x, int y);
    /** Draws from the pen position to (x, y) and moves the pen there. */
    void LineTo(int x, int y);
    /** Fills the inside with the brush and outlines it with the pen: columns x1..x2-1, rows
     * y1..y2-1. One pixel wide or high it is a pen line; 1 x 1 draws nothing. */
    void Rectangle(int x1, int y1, int x2, int y2);
    /** Closes the outline, fills it (even-odd) with the brush, then outlines it with the pen. */
    void Polygon(std::span<const QPoint> points);
    /** The part of the ellipse in box (x1,y1)-(x2,y2) running counter-clockwise from the ray
        through (x3,y3) to the ray through (x4,y4). */
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    /** Text with its cell's top-left at (x, y): an opaque brush-coloured cell, then the glyphs
        in the font colour. A shorter text leaves what a longer one drew beyond its own cell. */
    void TextOut(int x, int y, const QString &text);
    /** The cell (advance width × height) that TextOut would cover. */
    QSize TextExtent(const QString &text) const;
    /** Copies every pixel of the bitmap, its top-left pixel at (x, y). */
    void Draw(int x, int y, const Bitmap &bitmap);

    /** Scaled drawing: logical (X, Y) lands on (X·vx/wx, Y·vy/wy), halves rounding up. */
    void setAnisotropicMapping(QSize windowExtent, QSize viewportExtent);
    /** Back to pixel-for-pixel drawing. */
    void setPixelMapping();
    bool isMapped() const { return m_mapped; }

private:
    friend class Bitmap;
    Surface(QImage &target, QPoint origin, QSize size, const SystemColours &colours,
            std::shared_ptr<TextRenderer> text);

    /** Device pixel of a logical point, clamped to the rasteriser's coordinate range. */
    QPoint toDevice(int x, int y) const;
    /** The pixels this surface may write now. */
    raster::RasterTarget rasterTarget();
    /** The opaque QRgb a colour stands for on this surface. */
    QRgb resolveColour(Colour colour) const { return drawing::resolveColour(colour, m_colours); }

    QImage &m_image;
    QPoint m_origin;
    QSize m_size;
    Pen m_pen;
    Brush m_brush;
    Font m_font;
    QPoint m_penPos;
    bool m_mapped = false;
    QSize m_windowExtent {1, 1};
    QSize m_viewportExtent {1, 1};
    SystemColours m_colours;
    std::shared_ptr<TextRenderer> m_text;
};

/**
 * An off-screen bitmap with its own surface. A new bitmap has a black 1-pixel pen, a white
 * brush and the default font, and is white.
 */
class Bitmap
{
public:
    /** A bitmap on its own: the classic light system colours and a text renderer of its own. */
    Bitmap(int width, int height);
    /**
     * A bitmap to be drawn onto `target`: its system colours are `target`'s, and it shares
     * `target`'s text renderer, so that its texts are kept from one bitmap to the next.
     */
    Bitmap(int width, int height, const Surface &target);
    Bitmap(const Bitmap &) = delete;
    Bitmap &operator=(const Bitmap &) = delete;

    Surface &canvas() { return m_canvas; }
    const QImage &image() const { return m_image; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

private:
    QImage m_image;
    Surface m_canvas;
};

} // namespace drawing
