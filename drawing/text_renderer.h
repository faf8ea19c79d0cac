// SPDX-License-Identifier: MIT
#pragma once

#include "font.h"
#include "raster_target.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include <list>
#include <unordered_map>
#include <utility>

namespace drawing {

/**
 * Draws the text of the surfaces that share it and keeps what later calls can reuse: the fonts
 * asked for and the rendered cells of recent texts. A drag of a scroll bar prints the same
 * captions and mostly the same readouts pass after pass; each then costs one copy. Fonts need
 * the GUI application: without one nothing is drawn and every cell is empty, and a renderer
 * must not outlive it.
 */
class TextRenderer
{
public:
    /**
     * The cell a text takes in a font: the advance width of the displayed text by the font's
     * height (ascent + descent).
     */
    QSize cellSize(const Font &font, const QString &text);

    /**
     * Draws `text` with its cell's top-left at surface point `at`: the cell filled with
     * `background`, then the glyphs in `ink` on the baseline at the font's ascent, all clipped to
     * `target`, which must be a window onto `image`. A text whose glyphs reach outside its cell is
     * drawn by Qt each time, so that its overhang blends with what lies beneath.
     */
    void draw(QImage &image, const raster::RasterTarget &target, raster::Point at, const Font &font,
              const QString &text, QRgb background, QRgb ink);

private:
    struct FontKey
    {
        QString name;
        int height = 0;
        int charset = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;

        explicit FontKey(const Font &f);
        friend bool operator==(const FontKey &, const FontKey &) = default;
    };

    struct FontEntry
    {
        FontKey key;
        QFont font;
        QFontMetrics metrics;
    };

    struct CellKey
    {
        FontKey font;
        QString text;
        QRgb background = 0;
        QRgb ink = 0;
        friend bool operator==(const CellKey &, const CellKey &) = default;
    };

    struct CellKeyHash
    {
        std::size_t operator()(const CellKey &k) const;
    };

    // A rendered cell, or a note that the text's glyphs reach outside its cell and must be drawn
    // onto the target itself each time.
    struct Cell
    {
        QSize size;
        QImage pixels;
        bool overhangs = false;
    };

    using CellList = std::list<std::pair<CellKey, Cell>>;

    const FontEntry &font(const Font &request);
    const Cell *findCell(const CellKey &key);
    const Cell &insertCell(CellKey key, Cell cell);
    static Cell renderCell(const FontEntry &font, const QString &display, QSize size,
                           QRgb background, QRgb ink);

    std::list<FontEntry> m_fonts; // most recently used first
    CellList m_cells; // most recently used first
    std::unordered_map<CellKey, CellList::iterator, CellKeyHash> m_cellIndex;
};

} // namespace drawing
