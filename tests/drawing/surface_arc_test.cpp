// SPDX-License-Identifier: MIT
// Arc: the ellipse's outline, the counter-clockwise walk between the radials, clipping.
#include "surface.h"
#include "surface_test_helpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace surface_test;

namespace {

const std::map<QRgb, char> kLegend = {{kWhite, '.'}, {kBlack, '#'}};

TEST(SurfaceArc, SmallestWavefrontOfTheDiagram)
{
    drawing::Bitmap bitmap(361, 264);
    bitmap.canvas().MoveTo(3, 4);
    bitmap.canvas().Arc(141, 151, 179, 189, 170, 154, 148, 154);

    PixelSet expected;
    for (int x = 156; x <= 163; ++x)
        expected.emplace(x, 151);
    for (int x : {153, 154, 155, 164, 165, 166})
        expected.emplace(x, 152);
    for (int x : {151, 152, 167, 168})
        expected.emplace(x, 153);
    for (int x : {150, 169})
        expected.emplace(x, 154);
    const PixelSet drawn = pixelsOf(bitmap.image(), kBlack);
    EXPECT_EQ(describe(drawn), describe(expected)) << "20 pixels on rows 151..154, none below";
    EXPECT_EQ(bitmap.canvas().penPosition(), QPoint(3, 4)) << "Arc leaves the pen position";

    // The right slit's arc is the same shape 40 pixels further right.
    drawing::Bitmap right(361, 264);
    right.canvas().Arc(181, 151, 219, 189, 210, 154, 188, 154);
    EXPECT_EQ(describe(pixelsOf(right.image(), kBlack)), describe(shifted(expected, 40, 0)));
}

// The pixels of one arc drawn alone.
PixelSet arcPixels(int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    drawing::Bitmap bitmap(420, 320);
    bitmap.canvas().Arc(l, t, r, b, x3, y3, x4, y4);
    return pixelsOf(bitmap.image(), kBlack);
}

TEST(SurfaceArc, TiesAndRadialsGoTheWalksWayNotToTheNearestPixel)
{
    // A whole 76 x 76 circle passes midway between two rows at several columns: the inner row.
    const PixelSet circle = arcPixels(142, 142, 218, 218, 218, 180, 218, 180);
    for (auto [x, y] : {std::pair {169, 144}, {190, 144}, {157, 150}, {202, 150}}) {
        EXPECT_TRUE(circle.count({x, y})) << x << "," << y;
        EXPECT_FALSE(circle.count({x, y - 1})) << x << "," << y - 1;
    }
    // Inside an 80 x 70 box the walk takes row 235 though the midpoint above lies inside.
    const PixelSet half = arcPixels(150, 230, 230, 300, 230, 265, 150, 265);
    EXPECT_EQ(half.count({170, 235}) + half.count({209, 235}), 2u);
    EXPECT_EQ(half.count({170, 234}) + half.count({209, 234}) + half.count({150, 263}), 0u);
    // The end radial runs through the top pixel: neither it nor the walk's last point is set.
    const PixelSet quarter = arcPixels(130, 50, 157, 77, 157, 63, 143, 50);
    EXPECT_EQ(quarter.count({143, 50}) + quarter.count({144, 50}), 0u);
    EXPECT_TRUE(quarter.count({145, 50}));
    EXPECT_TRUE(arcPixels(330, 100, 400, 170, 330, 135, 400, 135).count({330, 134}));
    EXPECT_EQ(arcPixels(110, 10, 113, 13, 113, 11, 113, 11),
              (PixelSet {{111, 10}, {110, 11}, {112, 11}, {111, 12}}))
        << "a whole 3 x 3 ellipse: its axis points are listed twice";
}

// The arc as its rule states it, step by step: one quadrant by the error-term walk, the four
// quadrants listed counter-clockwise, each radial's index by a linear search, and the points
// from the start's index to the end's joined in order (touching points: the first is set).
PixelSet ruleArc(int l, int t, int r, int b, QPoint p3, QPoint p4)
{
    const long long w = r - l, h = b - t, A = w - 1, B = h - 1;
    long long x = A, y = h / 2, dx = 4 * B * B * (1 - A), dy = 4 * A * A * (1 + B % 2);
    long long err = dx + dy + A * A * (B % 2);
    std::vector<QPoint> q;
    while (x >= w / 2) {
        q.emplace_back(int(x - w / 2), int(y - h / 2));
        const long long e2 = 2 * err;
        if (e2 >= dx)
            x -= 1, dx += 8 * B * B, err += dx;
        if (e2 <= dy)
            y += 1, dy += 8 * A * A, err += dy;
    }
    const int c = int(q.size()), cx = l + int(w / 2), cy = t + int(h / 2);
    const int xl = r - 1 - int(w / 2), yu = b - 1 - int(h / 2);
    std::vector<QPoint> list;
    for (int j = 0; j < c; ++j)
        list.emplace_back(cx + q[j].x(), yu - q[j].y());
    for (int j = c - 1; j >= 0; --j)
        list.emplace_back(xl - q[j].x(), yu - q[j].y());
    for (int j = 0; j < c; ++j)
        list.emplace_back(xl - q[j].x(), cy + q[j].y());
    for (int j = c - 1; j >= 0; --j)
        list.emplace_back(cx + q[j].x(), cy + q[j].y());
    const auto index = [&](QPoint p) {
        const long long X = p.x() - cx, Y = cy - p.y();
        int j = 0;
        while (j < c
               && !(X >= 0 ? q[j].x() * std::abs(Y) <= q[j].y() * X
                           : q[j].x() * std::abs(Y) < q[j].y() * -X))
            ++j;
        return (Y >= 0 ? (X >= 0 ? j : 2 * c - j) : (X >= 0 ? 4 * c - j : 2 * c + j)) % (4 * c);
    };
    const int s = index(p3);
    const int e = index(p4) <= s ? index(p4) + 4 * c : index(p4);
    PixelSet pixels;
    for (int i = s; i + 1 < e; ++i)
        if (list[i % (4 * c)] != list[(i + 1) % (4 * c)])
            pixels.emplace(list[i % (4 * c)].x(), list[i % (4 * c)].y());
    return pixels;
}

TEST(SurfaceArc, EveryBoxFollowsTheQuadrantWalk)
{
    for (int w = 1; w <= 40; ++w) {
        for (int h = 1; h <= 40; ++h) {
            SCOPED_TRACE(testing::Message() << "box " << w << " x " << h);
            const int l = 2, t = 3, r = l + w, b = t + h, cx = l + w / 2, cy = t + h / 2;
            // On the axes, through the corners, at the centre, just off it, far away.
            const QPoint rays[] = {{r + 5, cy},      {cx, t},         {l, t},        {cx, cy},
                                   {cx - 1, cy + 1}, {l - 30, b + 7}, {r - 1, b - 1}};
            const auto drawn = [&](QPoint from, QPoint to, int scale) {
                drawing::Bitmap bitmap(46, 46);
                // The mapped box is drawn by the device rules once mapped.
                bitmap.canvas().setAnisotropicMapping(QSize(scale, 2 * scale), QSize(1, 2));
                bitmap.canvas().Arc(l * scale, t * scale, r * scale, b * scale, from.x() * scale,
                                    from.y() * scale, to.x() * scale, to.y() * scale);
                return pixelsOf(bitmap.image(), kBlack);
            };
            for (int i = 0; i < 7; ++i)
                ASSERT_EQ(drawn(rays[i], rays[(i + 1 + i % 3) % 7], i % 2 + 1),
                          ruleArc(l, t, r, b, rays[i], rays[(i + 1 + i % 3) % 7]))
                    << "ray " << i;
            // Two whole walks from opposite sides cover the list, which mirrors its quadrants
            // about the box's middle column and row.
            PixelSet whole = drawn(rays[0], rays[0], 1);
            whole.merge(drawn({l - 5, cy}, {l - 5, cy}, 1));
            for (const auto &[x, y] : whole)
                ASSERT_TRUE(whole.count({2 * l + w - 1 - x, y})
                            && whole.count({x, 2 * t + h - 1 - y}))
                    << x << "," << y;
        }
    }
}

TEST(SurfaceArc, ClippingKeepsThePixelsOfTheWholeArc)
{
    // The largest wavefront of the diagram reaches past three edges of the bitmap.
    drawing::Bitmap clipped(361, 264);
    clipped.canvas().Arc(-11, -1, 331, 341, 246, 22, 72, 22);
    drawing::Bitmap whole(400, 400);
    whole.canvas().Arc(-11 + 20, -1 + 20, 331 + 20, 341 + 20, 246 + 20, 22 + 20, 72 + 20, 22 + 20);

    PixelSet expected;
    for (const auto &[x, y] : pixelsOf(whole.image(), kBlack))
        if (x >= 20 && x < 20 + 361 && y >= 20 && y < 20 + 264)
            expected.emplace(x - 20, y - 20);
    const PixelSet drawn = pixelsOf(clipped.image(), kBlack);
    EXPECT_EQ(describe(drawn), describe(expected));
    EXPECT_FALSE(drawn.empty()) << "its flanks show";
    EXPECT_FALSE(drawn.count({160, 0})) << "its top lies above the bitmap";
}

TEST(SurfaceArc, DegenerateBoxesAndRadials)
{
    drawing::Bitmap bitmap(20, 20);
    drawing::Surface &canvas = bitmap.canvas();
    canvas.Arc(5, 5, 5, 15, 0, 0, 20, 20); // zero width
    canvas.Arc(5, 5, 15, 5, 0, 0, 20, 20); // zero height
    canvas.Arc(5, 5, 5, 5, 5, 5, 5, 5); // nothing at all
    canvas.Arc(0, 0, 1 << 30, 1 << 30, 1, 1, 2, 2); // too large to walk
    EXPECT_TRUE(pixelsNot(bitmap.image(), kWhite).empty()) << "empty boxes draw nothing";

    // Corners given the other way round describe the same box; radials through the centre
    // count as pointing right.
    drawing::Bitmap swapped(20, 20);
    swapped.canvas().Arc(15, 15, 2, 2, 8, 8, 8, 8);
    drawing::Bitmap ordered(20, 20);
    ordered.canvas().Arc(2, 2, 15, 15, 30, 8, 30, 8);
    EXPECT_EQ(describe(pixelsOf(swapped.image(), kBlack)),
              describe(pixelsOf(ordered.image(), kBlack)));

    // A one-pixel-high box is a run of pixels. No point of it lies beyond the left radial, which
    // therefore meets the list at the end of the first quadrant: the walk is the right half.
    drawing::Bitmap flat(12, 5);
    flat.canvas().Arc(2, 2, 9, 3, 20, 2, -20, 2);
    EXPECT_EQ(picture(flat.image(), QRect(0, 2, 12, 1), kLegend), "......###...\n");
}

} // namespace
