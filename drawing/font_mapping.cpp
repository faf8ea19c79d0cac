// SPDX-License-Identifier: MIT
#include "font_mapping.h"

#include "carried_faces.h"
#include "font_faces.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace drawing {

namespace {

// The Symbol face's Latin letters and the Greek letters they stand for (standard Symbol
// encoding: note c = χ, j = ϕ, v = ϖ, J = ϑ and V = ς).
constexpr char16_t kSymbolLower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι',
                                       u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ',
                                       u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
constexpr char16_t kSymbolUpper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι',
                                       u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ',
                                       u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};

// Pixel sizes are kept to a sane range: a request for a giant font would otherwise make Qt
// rasterise giant glyphs.
constexpr int kMaxPixelSize = 1024;
// What a height of 0 (the face's default size) gives.
constexpr int kDefaultPixelSize = 12;

// The face the program carries for a classic one where it carries faces; elsewhere the faces of
// the classic desktop that fontconfig may not know, with installed faces that stand in for them.
// Qt tries the families in order and falls back further by itself.
QStringList familiesFor(const QString &name, bool bold)
{
    if (const QString carried = carriedFamily(name, bold); !carried.isEmpty())
        return {carried};
    if (isSymbolFace(name))
        return {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
    const QString face = name.trimmed();
    if (face.isEmpty() || face.compare(u"MS Sans Serif", Qt::CaseInsensitive) == 0
        || face.compare(u"MS Shell Dlg", Qt::CaseInsensitive) == 0)
        return {face.isEmpty() ? QStringLiteral("DejaVu Sans") : face,
                QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    return {face};
}

} // namespace

bool isSymbolFace(const QString &faceName)
{
    return faceName.trimmed().compare(u"Symbol", Qt::CaseInsensitive) == 0;
}

QString symbolToUnicode(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(kSymbolLower[u - u'a']);
        else if (u >= u'A' && u <= u'Z')
            c = QChar(kSymbolUpper[u - u'A']);
    }
    return result;
}

QFont toQFont(const Font &font)
{
    QFont result;
    const QStringList families = familiesFor(font.name, font.bold);
    result.setFamilies(families);
    if (isSymbolFace(font.name))
        result.setStyleHint(QFont::Serif);
    else if (families.size() > 1)
        result.setStyleHint(QFont::SansSerif);
    else // set all the same, or a widget's font takes its parent's hint: another font to load
        result.setStyleHint(QFont::AnyStyle);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    // Grey-level anti-aliasing only (no colour fringes), and full hinting so that small text
    // sits on the pixel grid and stays crisp.
    result.setStyleStrategy(QFont::NoSubpixelAntialias);
    result.setHintingPreference(QFont::PreferFullHinting);

    // Every height the program asks for is negative: a character height in pixels. A positive
    // one is taken the same way.
    const int height = std::abs(std::clamp(font.height, -kMaxPixelSize, kMaxPixelSize));
    result.setPixelSize(height > 0 ? height : kDefaultPixelSize);
    return result;
}

bool registerFace(const QByteArray &data, const QString &family)
{
    const int id = QFontDatabase::addApplicationFontFromData(data);
    if (id < 0)
        return false;
    if (QFontDatabase::applicationFontFamilies(id).contains(family))
        return true;
    QFontDatabase::removeApplicationFont(id);
    return false;
}

QString displayText(const Font &font, const QString &text)
{
    return isSymbolFace(font.name) ? symbolToUnicode(text) : text;
}

} // namespace drawing
