// SPDX-License-Identifier: MIT
#include "text_renderer.h"

#include "font_mapping.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>

#include <algorithm>

namespace drawing {

namespace {

// How many fonts and rendered cells are kept.
constexpr std::size_t kFontCacheSize = 16;
constexpr std::size_t kCellCacheSize = 128;
// Cells larger than this are drawn each time rather than kept.
constexpr qsizetype kMaxCachedPixels = 64 * 1024;
// The largest canvas a cell is rendered on, margins for overhanging glyphs included.
constexpr qsizetype kMaxCanvasPixels = 16 * kMaxCachedPixels;

void paintGlyphs(QPaintDevice &device, const QRect &clip, QPoint baselineOrigin, const QFont &font,
                 const QString &display, QRgb ink)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    painter.setClipRect(clip);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(ink));
    painter.drawText(baselineOrigin, display);
}

} // namespace

TextRenderer::FontKey::FontKey(const Font &f)
    : name(f.name),
      height(f.height),
      charset(f.charset),
      bold(f.bold),
      italic(f.italic),
      underline(f.underline)
{
}

std::size_t TextRenderer::CellKeyHash::operator()(const CellKey &k) const
{
    return qHashMulti(0, k.font.name, k.font.height, k.font.charset, k.font.bold, k.font.italic,
                      k.font.underline, k.text, k.background, k.ink);
}

const TextRenderer::FontEntry &TextRenderer::font(const Font &request)
{
    const FontKey key(request);
    for (auto it = m_fonts.begin(); it != m_fonts.end(); ++it) {
        if (it->key == key) {
            m_fonts.splice(m_fonts.begin(), m_fonts, it);
            return m_fonts.front();
        }
    }
    const QFont qfont = toQFont(request);
    m_fonts.push_front(FontEntry {key, qfont, QFontMetrics(qfont)});
    if (m_fonts.size() > kFontCacheSize)
        m_fonts.pop_back();
    return m_fonts.front();
}

const TextRenderer::Cell *TextRenderer::findCell(const CellKey &key)
{
    const auto found = m_cellIndex.find(key);
    if (found == m_cellIndex.end())
        return nullptr;
    m_cells.splice(m_cells.begin(), m_cells, found->second);
    return &found->second->second;
}

const TextRenderer::Cell &TextRenderer::insertCell(CellKey key, Cell cell)
{
    m_cells.emplace_front(key, std::move(cell));
    m_cellIndex.emplace(std::move(key), m_cells.begin());
    if (m_cells.size() > kCellCacheSize) {
        m_cellIndex.erase(m_cells.back().first);
        m_cells.pop_back();
    }
    return m_cells.front().second;
}

// Renders the cell with a margin round it; glyph pixels in the margin mean the text overhangs.
TextRenderer::Cell TextRenderer::renderCell(const FontEntry &font, const QString &display,
                                            QSize size, QRgb background, QRgb ink)
{
    const int ascent = font.metrics.ascent();
    const QRect cellRect(QPoint(0, 0), size);
    const int margin = font.metrics.height() / 2 + 2;
    const QRect area = cellRect.united(font.metrics.boundingRect(display).translated(0, ascent))
                           .adjusted(-margin, -margin, margin, margin);
    // Glyph bounds far beyond the cell are no canvas to allocate (without any font installed,
    // Qt's stand-in engine puts them 100000 pixels away: a 40 GB image). Such text is drawn
    // straight onto the target, clipped there, like overhanging text.
    if (qsizetype(area.width()) * area.height() > kMaxCanvasPixels)
        return {size, {}, true};
    QImage canvas(area.size(), QImage::Format_RGB32);
    if (canvas.isNull())
        return {size, {}, true};
    canvas.fill(background);
    paintGlyphs(canvas, canvas.rect(), QPoint(-area.left(), ascent - area.top()), font.font,
                display, ink);

    // Any pixel changed outside the cell means glyphs overhang it.
    const QRect inside = cellRect.translated(-area.topLeft());
    const QRgb blank = background | 0xFF000000u;
    const int width = canvas.width();
    const int height = canvas.height();
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        const bool cellRow = y >= inside.top() && y <= inside.bottom();
        const auto changed = [row, blank](int from, int to) {
            return std::any_of(row + from, row + to, [blank](QRgb p) { return p != blank; });
        };
        if (cellRow ? changed(0, inside.left()) || changed(inside.right() + 1, width)
                    : changed(0, width)) {
            return {size, {}, true};
        }
    }
    return {size, canvas.copy(inside), false};
}

QSize TextRenderer::cellSize(const Font &request, const QString &text)
{
    if (!qGuiApp)
        return QSize(0, 0);
    const FontEntry &entry = font(request);
    return QSize(entry.metrics.horizontalAdvance(displayText(request, text)),
                 entry.metrics.height());
}

void TextRenderer::draw(QImage &image, const raster::RasterTarget &target, raster::Point at,
                        const Font &request, const QString &text, QRgb background, QRgb ink)
{
    if (!qGuiApp || target.isEmpty() || text.isEmpty())
        return;
    const auto outsideClip = [&target, at](QSize size) {
        return size.isEmpty() || at.x > target.right() || at.y > target.bottom()
            || at.x + size.width() <= target.left() || at.y + size.height() <= target.top();
    };

    // A repeated text is one lookup and one copy: no shaping, no painting.
    CellKey key {FontKey(request), text, background, ink};
    const Cell *cell = findCell(key);
    if (cell && !cell->overhangs) {
        if (!outsideClip(cell->size))
            target.copyImage(cell->pixels, at.x, at.y);
        return;
    }

    const FontEntry &entry = font(request);
    const QString display = displayText(request, text);
    const QSize size =
        cell ? cell->size : QSize(entry.metrics.horizontalAdvance(display), entry.metrics.height());
    if (outsideClip(size))
        return;
    if (!cell && qsizetype(size.width()) * size.height() <= kMaxCachedPixels) {
        cell = &insertCell(std::move(key), renderCell(entry, display, size, background, ink));
        if (!cell->overhangs) {
            target.copyImage(cell->pixels, at.x, at.y);
            return;
        }
    }

    // Glyphs reaching out of the cell blend with whatever lies beneath, so they are drawn here.
    target.fillRect(at.x, at.y, at.x + size.width() - 1, at.y + size.height() - 1, background);
    const QPoint onImage = QPoint(int(at.x), int(at.y)) + target.origin();
    paintGlyphs(image, target.imageClip(), onImage + QPoint(0, entry.metrics.ascent()), entry.font,
                display, ink);
}

} // namespace drawing
