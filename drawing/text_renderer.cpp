// SPDX-License-Identifier: MIT
#include "text_renderer.h"

#include "font_mapping.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <list>
#include <optional>
#include <unordered_map>

namespace drawing::text {

namespace {

// Font requests and rendered cells kept between calls. A drag of a scroll bar prints the same
// captions and mostly the same readouts pass after pass; each then costs one copy. Like all
// drawing, text is drawn on the GUI thread only, so the caches need no lock.
constexpr std::size_t kFontCacheSize = 16;
constexpr std::size_t kCellCacheSize = 128;
// Cells larger than this are drawn each time rather than kept.
constexpr qsizetype kMaxCachedPixels = 64 * 1024;
// The largest canvas a cell is rendered on, margins for overhanging glyphs included.
constexpr qsizetype kMaxCanvasPixels = 16 * kMaxCachedPixels;

struct FontKey
{
    QString name;
    int height = 0;
    int charset = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    explicit FontKey(const Font &f)
        : name(f.name),
          height(f.height),
          charset(f.charset),
          bold(f.bold),
          italic(f.italic),
          underline(f.underline)
    {
    }
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
    std::size_t operator()(const CellKey &k) const
    {
        return qHashMulti(0, k.font.name, k.font.height, k.font.charset, k.font.bold, k.font.italic,
                          k.font.underline, k.text, k.background, k.ink);
    }
};

// A rendered cell, or a note that the text's glyphs reach outside its cell and must be drawn
// onto the target itself each time.
struct Cell
{
    QSize size;
    QImage pixels;
    bool overhangs = false;
};

class TextCaches
{
public:
    const FontEntry &font(const Font &request)
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

    const Cell *cell(const CellKey &key)
    {
        const auto found = m_cellIndex.find(key);
        if (found == m_cellIndex.end())
            return nullptr;
        m_cells.splice(m_cells.begin(), m_cells, found->second);
        return &found->second->second;
    }

    const Cell &insert(CellKey key, Cell cell)
    {
        m_cells.emplace_front(key, std::move(cell));
        m_cellIndex.emplace(std::move(key), m_cells.begin());
        if (m_cells.size() > kCellCacheSize) {
            m_cellIndex.erase(m_cells.back().first);
            m_cells.pop_back();
        }
        return m_cells.front().second;
    }

    void clear()
    {
        m_cellIndex.clear();
        m_cells.clear();
        m_fonts.clear();
    }

private:
    std::list<FontEntry> m_fonts; // most recently used first
    std::list<std::pair<CellKey, Cell>> m_cells;
    std::unordered_map<CellKey, std::list<std::pair<CellKey, Cell>>::iterator, CellKeyHash>
        m_cellIndex;
};

std::optional<TextCaches> &cachesStorage()
{
    static std::optional<TextCaches> caches;
    return caches;
}

void releaseCaches()
{
    cachesStorage().reset();
}

// Fonts need the GUI application; the caches go while it is being destroyed, before the font
// database they refer to.
TextCaches *caches()
{
    if (!qGuiApp)
        return nullptr;
    auto &storage = cachesStorage();
    if (!storage) {
        storage.emplace();
        qAddPostRoutine(releaseCaches);
    }
    return &*storage;
}

void paintGlyphs(QPaintDevice &device, const QRect &clip, QPoint baselineOrigin,
                 const FontEntry &font, const QString &display, QRgb ink)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    painter.setClipRect(clip);
    painter.setFont(font.font);
    painter.setPen(QColor::fromRgb(ink));
    painter.drawText(baselineOrigin, display);
}

// Renders the cell with a margin round it; glyph pixels in the margin mean the text overhangs.
Cell renderCell(const FontEntry &font, const QString &display, QSize size, QRgb background,
                QRgb ink)
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
    paintGlyphs(canvas, canvas.rect(), QPoint(-area.left(), ascent - area.top()), font, display,
                ink);

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

} // namespace

QSize cellSize(const Font &font, const QString &text)
{
    TextCaches *cache = caches();
    if (!cache)
        return QSize(0, 0);
    const FontEntry &entry = cache->font(font);
    return QSize(entry.metrics.horizontalAdvance(displayText(font, text)), entry.metrics.height());
}

void drawText(QImage &image, const raster::RasterTarget &target, raster::Point at, const Font &font,
              const QString &text, QRgb background, QRgb ink)
{
    TextCaches *cache = caches();
    if (!cache || target.isEmpty() || text.isEmpty())
        return;
    const auto outsideClip = [&target, at](QSize size) {
        return size.isEmpty() || at.x > target.right() || at.y > target.bottom()
            || at.x + size.width() <= target.left() || at.y + size.height() <= target.top();
    };

    // A repeated text is one lookup and one copy: no shaping, no painting.
    CellKey key {FontKey(font), text, background, ink};
    const Cell *cell = cache->cell(key);
    if (cell && !cell->overhangs) {
        if (!outsideClip(cell->size))
            target.copyImage(cell->pixels, at.x, at.y);
        return;
    }

    const FontEntry &entry = cache->font(font);
    const QString display = displayText(font, text);
    const QSize size =
        cell ? cell->size : QSize(entry.metrics.horizontalAdvance(display), entry.metrics.height());
    if (outsideClip(size))
        return;
    if (!cell && qsizetype(size.width()) * size.height() <= kMaxCachedPixels) {
        cell = &cache->insert(std::move(key), renderCell(entry, display, size, background, ink));
        if (!cell->overhangs) {
            target.copyImage(cell->pixels, at.x, at.y);
            return;
        }
    }

    // Glyphs reaching out of the cell blend with whatever lies beneath, so they are drawn here.
    target.fillRect(at.x, at.y, at.x + size.width() - 1, at.y + size.height() - 1, background);
    const QPoint onImage = QPoint(int(at.x), int(at.y)) + target.origin();
    paintGlyphs(image, target.imageClip(), onImage + QPoint(0, entry.metrics.ascent()), entry,
                display, ink);
}

void clearTextCaches()
{
    if (auto &storage = cachesStorage())
        storage->clear();
}

} // namespace drawing::text
