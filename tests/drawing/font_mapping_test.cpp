// SPDX-License-Identifier: MIT
// The Symbol face's Greek letters, and how font requests become Qt fonts.
#include "font_mapping.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

drawing::Font request(const char *face, int height)
{
    drawing::Font font;
    font.name = QString::fromUtf8(face);
    font.height = height;
    return font;
}

TEST(FontMapping, SymbolLettersBecomeGreek)
{
    EXPECT_EQ(drawing::symbolToUnicode(QStringLiteral("abcdefghijklmnopqrstuvwxyz")),
              QStringLiteral("αβχδεφγηιϕκλμνοπθρστυϖωξψζ"));
    EXPECT_EQ(drawing::symbolToUnicode(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")),
              QStringLiteral("ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ"));
    EXPECT_EQ(drawing::symbolToUnicode(QStringLiteral("b = p")), QStringLiteral("β = π"));
    EXPECT_EQ(drawing::symbolToUnicode(QStringLiteral("0123456789 ,.;:()[]+-/=")),
              QStringLiteral("0123456789 ,.;:()[]+-/="))
        << "blanks, digits and punctuation stay";
    EXPECT_EQ(drawing::symbolToUnicode(QStringLiteral("żółć λ")), QStringLiteral("żółć λ"))
        << "letters outside a-z and A-Z stay";
    EXPECT_EQ(drawing::symbolToUnicode(QString()), QString());
}

TEST(FontMapping, OnlyTheSymbolFaceShowsGreek)
{
    EXPECT_TRUE(drawing::isSymbolFace(QStringLiteral("Symbol")));
    EXPECT_TRUE(drawing::isSymbolFace(QStringLiteral("symbol"))) << "face names ignore case";
    EXPECT_TRUE(drawing::isSymbolFace(QStringLiteral(" Symbol ")));
    EXPECT_FALSE(drawing::isSymbolFace(QStringLiteral("Symbols")));
    EXPECT_FALSE(drawing::isSymbolFace(QStringLiteral("Standard Symbols PS")));
    EXPECT_FALSE(drawing::isSymbolFace(QString()));

    drawing::Font symbol = request("Symbol", -16);
    symbol.charset = drawing::SymbolCharset;
    EXPECT_EQ(drawing::displayText(symbol, QStringLiteral("l = 2p/k")), QStringLiteral("λ = 2π/κ"));
    EXPECT_EQ(drawing::displayText(request("Arial", -12), QStringLiteral("l = 2p/k")),
              QStringLiteral("l = 2p/k"));

    // The Symbol face is drawn in a face that has the Greek letters.
    const QFont greek = drawing::toQFont(symbol);
    const QFontMetrics metrics(greek);
    for (QChar letter : QStringLiteral("αβλπθ"))
        EXPECT_TRUE(metrics.inFont(letter)) << "U+" << std::hex << int(letter.unicode());
    EXPECT_TRUE(QFontInfo(greek).family() == QStringLiteral("Liberation Serif")
                || QFontInfo(greek).family() == QStringLiteral("DejaVu Serif"))
        << QFontInfo(greek).family().toStdString();
}

TEST(FontMapping, FacesResolveToTheirInstalledTwins)
{
    struct Case
    {
        const char *face;
        const char *family;
    };
    const Case cases[] = {
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"MS Sans Serif", "DejaVu Sans"},
        {"Verdana", "DejaVu Sans"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.face);
        EXPECT_EQ(QFontInfo(drawing::toQFont(request(c.face, -12))).family().toStdString(),
                  c.family);
    }
    // A face nobody has still gives a usable font.
    const QFont unknown = drawing::toQFont(request("No Such Face Anywhere", -12));
    EXPECT_FALSE(QFontInfo(unknown).family().isEmpty());
    EXPECT_GT(QFontMetrics(unknown).horizontalAdvance(QStringLiteral("Ab")), 0);
}

TEST(FontMapping, HeightsAndStyles)
{
    EXPECT_EQ(drawing::toQFont(request("Arial", -12)).pixelSize(), 12)
        << "a negative height is the pixel size";
    EXPECT_EQ(drawing::toQFont(request("MS Sans Serif", -11)).pixelSize(), 11);
    EXPECT_GT(drawing::toQFont(request("Arial", 0)).pixelSize(), 0) << "0 is a default size";
    EXPECT_EQ(drawing::toQFont(request("Arial", -100000)).pixelSize(), 1024)
        << "giant requests are held to a sane size";

    for (int cell : {10, 14, 16, 24, 40}) {
        SCOPED_TRACE(testing::Message() << "cell height " << cell);
        const QFontMetrics metrics(drawing::toQFont(request("Arial", cell)));
        EXPECT_LE(std::abs(metrics.ascent() + metrics.descent() - cell), 1)
            << "a positive height is the cell height";
    }

    drawing::Font styled = request("Times New Roman", -14);
    styled.bold = true;
    styled.italic = true;
    styled.underline = true;
    const QFont font = drawing::toQFont(styled);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(drawing::toQFont(request("Arial", -12)).bold());
    EXPECT_EQ(font.hintingPreference(), QFont::PreferFullHinting) << "small text stays crisp";
    EXPECT_TRUE(font.styleStrategy() & QFont::NoSubpixelAntialias) << "no colour fringes";
}

// A widget's font is resolved against its parent's: a mapped font leaves nothing for the
// parent's to fill in, so a label and the text drawn beside it share one loaded font.
TEST(FontMapping, WidgetFontsInheritNothingFromTheirParent)
{
    const QFont parent = drawing::toQFont(drawing::Font {}); // the client area's font
    for (const drawing::Font &request : {drawing::Font {QStringLiteral("Arial"), -12},
                                         drawing::Font {QStringLiteral("Symbol"), -13},
                                         drawing::Font {QStringLiteral("Times New Roman"), 16}}) {
        SCOPED_TRACE(request.name.toStdString());
        const QFont own = drawing::toQFont(request);
        EXPECT_EQ(own.resolve(parent), own);
        EXPECT_EQ(own.resolve(parent).styleHint(), own.styleHint());
    }
}

} // namespace
