// SPDX-License-Identifier: MIT
// The Symbol face's Greek letters, and how font requests become Qt fonts.
#include "font_faces.h"
#include "font_mapping.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>

#include <gtest/gtest.h>

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
    // Carried, or on Windows the system's (Liberation Serif under Wine).
    EXPECT_TRUE(QFontInfo(greek).family() == QStringLiteral("Falorys Serif")
                || QFontInfo(greek).family() == QStringLiteral("Liberation Serif")
                || QFontInfo(greek).family() == QStringLiteral("DejaVu Serif"))
        << QFontInfo(greek).family().toStdString();
}

TEST(FontMapping, FacesResolveToTheirInstalledTwins)
{
    struct Case
    {
        const char *face;
        const char *family; ///< the carried twin, under a name of its own
    };
    const Case cases[] = {
        {"Arial", "Falorys Sans"},
        {"Times New Roman", "Falorys Serif"},
        {"MS Sans Serif", "Falorys DejaVu Sans"},
        {"Verdana", "Falorys DejaVu Sans"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.face);
        EXPECT_EQ(QFontInfo(drawing::toQFont(request(c.face, -12))).family().toStdString(),
                  c.family);
    }

    // A file name in a script the carried faces leave out is drawn from an installed face where
    // the machine has one, not as empty boxes.
    if (QFontDatabase::families(QFontDatabase::Arabic).isEmpty())
        return;
    QTextLayout layout(QStringLiteral("ملف"), drawing::toQFont(request("MS Sans Serif", -12)));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns())
        EXPECT_FALSE(run.glyphIndexes().contains(0)) << run.rawFont().familyName().toStdString();
}

TEST(FontMapping, ANegativeHeightIsTheCharacterHeightInPixels)
{
    for (int height : {11, 12, 13}) {
        const QFont font = drawing::toQFont(request("Arial", -height));
        EXPECT_EQ(font.pixelSize(), height);
        EXPECT_EQ(QFontInfo(font).pixelSize(), height);
    }
}

// A widget's font is resolved against its parent's: a mapped font leaves nothing for the
// parent's to fill in, so a label and the text drawn beside it share one loaded font.
TEST(FontMapping, WidgetFontsInheritNothingFromTheirParent)
{
    const QFont parent = drawing::toQFont(drawing::Font {}); // the client area's font
    for (const drawing::Font &request : {drawing::Font {QStringLiteral("Arial"), -12},
                                         drawing::Font {QStringLiteral("Symbol"), -13},
                                         drawing::Font {QStringLiteral("Times New Roman"), -16}}) {
        SCOPED_TRACE(request.name.toStdString());
        const QFont own = drawing::toQFont(request);
        EXPECT_EQ(own.resolve(parent), own);
        EXPECT_EQ(own.resolve(parent).styleHint(), own.styleHint());
    }
}

} // namespace

// A face built in is made known to Qt only when it is whole and the face it claims to be: a
// broken one is refused, and the face is then looked up among the system's fonts.
TEST(FontMapping, OnlyAWholeFaceOfTheRightFamilyIsRegistered)
{
    QFile file(QStringLiteral(":/fonts/DejaVuSans-Bold.ttf"));
    if (!file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this system carries no faces";
    const QByteArray face = file.readAll();
    const QString family = QStringLiteral("Falorys DejaVu Sans");
    EXPECT_FALSE(drawing::registerFace(QByteArray("not a font at all"), family));
    EXPECT_FALSE(drawing::registerFace(face.left(face.size() / 8), family)) << "truncated";
    EXPECT_FALSE(drawing::registerFace(face, QStringLiteral("Falorys Sans"))) << "another family";
    EXPECT_TRUE(drawing::registerFace(face, family));
}
