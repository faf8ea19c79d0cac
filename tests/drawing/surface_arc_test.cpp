// SPDX-License-Identifier: MIT
// Arc: the ellipse's outline, the counter-clockwise walk between the radials, clipping.
#include "surface.h"
#include "surface_test_helpers.h"

#include <gtest/gtest.h>

#include <array>
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

// One arc alone on a bitmap; logical coordinates `scale` times the device ones.
PixelSet arcPixels(std::array<int, 8> v, int scale = 1, int size = 420)
{
    drawing::Bitmap bitmap(size, size);
    bitmap.canvas().setAnisotropicMapping(QSize(scale, 2 * scale), QSize(1, 2));
    bitmap.canvas().Arc(v[0] * scale, v[1] * scale, v[2] * scale, v[3] * scale, v[4] * scale,
                        v[5] * scale, v[6] * scale, v[7] * scale);
    return pixelsOf(bitmap.image(), kBlack);
}

TEST(SurfaceArc, TiesAndRadialsGoTheWalksWayNotToTheNearestPixel)
{
    // A whole 76 x 76 circle passes midway between two rows at several columns: the inner row.
    const PixelSet circle = arcPixels({142, 142, 218, 218, 218, 180, 218, 180});
    for (auto [x, y] : {std::pair {169, 144}, {190, 144}, {157, 150}, {202, 150}})
        EXPECT_TRUE(circle.count({x, y}) && !circle.count({x, y - 1})) << x << "," << y;
    // Inside an 80 x 70 box the walk takes row 235 though the midpoint above lies inside.
    const PixelSet half = arcPixels({150, 230, 230, 300, 230, 265, 150, 265});
    EXPECT_EQ(half.count({170, 235}) + half.count({209, 235}), 2u);
    EXPECT_EQ(half.count({170, 234}) + half.count({209, 234}) + half.count({150, 263}), 0u);
    // The end radial runs through the top pixel: neither it nor the walk's last point is set.
    const PixelSet quarter = arcPixels({130, 50, 157, 77, 157, 63, 143, 50});
    EXPECT_EQ(quarter.count({143, 50}) + quarter.count({144, 50}), 0u);
    EXPECT_TRUE(quarter.count({145, 50}));
    EXPECT_TRUE(arcPixels({330, 100, 400, 170, 330, 135, 400, 135}).count({330, 134}));
    EXPECT_EQ(arcPixels({110, 10, 113, 13, 113, 11, 113, 11}),
              (PixelSet {{111, 10}, {110, 11}, {112, 11}, {111, 12}}))
        << "a whole 3 x 3 ellipse: its axis points are listed twice";
}

// The arc as its rule states it: one quadrant by the error-term walk, the quadrants listed
// counter-clockwise, each radial's index by a linear search, the points from the start's index
// to the end's joined in order (a join of touching points sets its first).
PixelSet ruleArc(int l, int t, int r, int b, QPoint p3, QPoint p4)
{
    const long long w = r - l, h = b - t, A = w - 1, B = h - 1;
    long long x = A, y = h / 2, dx = 4 * B * B * (1 - A), dy = 4 * A * A * (1 + B % 2);
    std::vector<QPoint> q;
    for (long long err = dx + dy + A * A * (B % 2), e2; x >= w / 2;) {
        q.emplace_back(int(x - w / 2), int(y - h / 2));
        e2 = 2 * err;
        if (e2 >= dx)
            x -= 1, dx += 8 * B * B, err += dx;
        if (e2 <= dy)
            y += 1, dy += 8 * A * A, err += dy;
    }
    const int c = int(q.size()), n = 4 * c, cx = l + int(w / 2), cy = t + int(h / 2);
    std::vector<QPoint> list;
    for (int i = 0; i < n; ++i) {
        const int k = i / c;
        const QPoint o = q[k % 2 ? c - 1 - i % c : i % c];
        list.emplace_back(k % 3 ? r - 1 - w / 2 - o.x() : cx + o.x(),
                          k < 2 ? b - 1 - h / 2 - o.y() : cy + o.y());
    }
    const auto index = [&](QPoint p) {
        const long long X = p.x() - cx, Y = cy - p.y();
        int j = 0;
        while (j < c
               && (X >= 0 ? q[j].x() * std::abs(Y) > q[j].y() * X
                          : q[j].x() * std::abs(Y) >= q[j].y() * -X))
            ++j;
        return (Y >= 0 ? (X >= 0 ? j : 2 * c - j) : (X >= 0 ? 4 * c - j : 2 * c + j)) % n;
    };
    const int s = index(p3), e = index(p4) + (index(p4) <= s ? n : 0);
    PixelSet pixels;
    for (int i = s; i + 1 < e; ++i)
        if (list[i % n] != list[(i + 1) % n])
            pixels.emplace(list[i % n].x(), list[i % n].y());
    return pixels;
}

TEST(SurfaceArc, EveryBoxFollowsTheQuadrantWalk)
{
    for (int w = 1; w <= 40; ++w) {
        for (int h = 1; h <= 40; ++h) {
            SCOPED_TRACE(testing::Message() << "box " << w << " x " << h);
            const int l = 2, t = 3, r = l + w, b = t + h, cx = l + w / 2, cy = t + h / 2;
            // On the axes, through corners, at and next to the centre, far away; half of them
            // mapped, as the box is drawn once mapped to pixels.
            const QPoint rays[] = {{r + 5, cy},      {cx, t},         {l, t},        {cx, cy},
                                   {cx - 1, cy + 1}, {l - 30, b + 7}, {r - 1, b - 1}};
            for (int i = 0; i < 7; ++i) {
                const QPoint p3 = rays[i], p4 = rays[(i + 1 + i % 3) % 7];
                ASSERT_EQ(arcPixels({l, t, r, b, p3.x(), p3.y(), p4.x(), p4.y()}, i % 2 + 1, 46),
                          ruleArc(l, t, r, b, p3, p4));
            }
            // Two whole walks from opposite sides set the whole list, which mirrors its
            // quadrant about the box's middle column and row.
            PixelSet whole = arcPixels({l, t, r, b, r, cy, r, cy}, 1, 46);
            whole.merge(arcPixels({l, t, r, b, l - 5, cy, l - 5, cy}, 1, 46));
            for (const auto &[x, y] : whole)
                ASSERT_TRUE(whole.count({2 * l + w - 1 - x, y})
                            && whole.count({x, 2 * t + h - 1 - y}));
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
