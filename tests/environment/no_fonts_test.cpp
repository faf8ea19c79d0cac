// SPDX-License-Identifier: MIT
// Drawing and windows on a system without a single font (CTest points fontconfig at an empty
// configuration) and with the faces the program carries gone from it: text still covers exactly
// its cell, the windows build and paint, and nothing reserves memory for a picture no text could
// need.
#include "about_window.h"
#include "carried_faces.h"
#include "description_window.h"
#include "main_window_support.h"

#include <QFont>
#include <QFontInfo>

#include <fstream>
#include <string>

using namespace app_testing;

namespace {

/** Peak virtual size of this process (VmPeak), in bytes; 0 where it cannot be read. */
long long virtualPeakBytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        long long kilobytes = 0;
        if (key == "VmPeak:" && status >> kilobytes)
            return kilobytes * 1024;
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

} // namespace

TEST(NoFonts, TextCoversItsCellAndTheWindowsStillPaint)
{
    Q_CLEANUP_RESOURCE(falorys_faces);
    ASSERT_TRUE(drawing::carriedFamily(QStringLiteral("Arial"), false).isEmpty())
        << "a carried face is still found";
    ASSERT_TRUE(QFontInfo(QFont(QStringLiteral("Arial"))).family().isEmpty())
        << "fontconfig still finds a font";
    const long long peakBefore = virtualPeakBytes();

    QImage image(240, 40, QImage::Format_RGB32);
    image.fill(kMarker);
    drawing::Surface surface(image, QPoint(0, 0), image.size());
    surface.font().name = QStringLiteral("Arial");
    surface.font().height = -12;
    surface.brush().colour = drawing::clBtnFace;
    const QString text = QStringLiteral("0,020 [mm]");
    for (int pass = 0; pass < 2; ++pass) { // the second from whatever the first kept
        SCOPED_TRACE(pass == 0 ? "first drawing" : "drawn again");
        surface.TextOut(10, 10, text);
        const QRect cell(QPoint(10, 10), surface.TextExtent(text));
        ASSERT_FALSE(cell.isEmpty()) << "text without fonts has no cell";
        int unpainted = 0;
        int outside = 0;
        int ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (cell.contains(x, y)) {
                    unpainted += p == kMarker;
                    ink += p != kMarker && p != surface.systemColours().face;
                } else {
                    outside += p != kMarker;
                }
            }
        }
        EXPECT_EQ(unpainted, 0) << "the cell is not filled";
        EXPECT_EQ(outside, 0) << "pixels drawn outside the cell";
        EXPECT_GT(ink, 0) << "the text left no mark at all";
    }

    {
        TForm1 form;
        showAndPaint(form);
        EXPECT_EQ(pixelAt(form, {188, 110}), asQRgb(form.spectrum().colour(1)));
        const auto showAndClose = [](QDialog &dialog) {
            dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog)) << "a dialog did not show";
            dialog.close();
        };
        Tform3 description(&form);
        showAndClose(description);
        Tform2 about(&form);
        showAndClose(about);
    }
    const long long growth = virtualPeakBytes() - peakBefore;
    EXPECT_LT(growth, 4LL << 30) << "an address space of " << growth << " bytes was asked for";
}
