// Clipping segments to a box, and mapping user coordinates to device pixels.
#include "plot/pane_mapping.h"
#include "plot/segment_clip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace wingmap;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const ClipBox kBox{-2, -1, 2, 1};

struct ClipCase
{
    const char *what;
    Segment in;
    bool kept;
    Segment out; // when kept
};

class ClipSegment : public testing::TestWithParam<ClipCase>
{
};

TEST_P(ClipSegment, KeepsThePartInTheBox)
{
    const ClipCase &c = GetParam();
    Segment s = c.in;
    ASSERT_EQ(clipSegment(s, kBox), c.kept) << c.what;
    if (!c.kept)
        return;
    EXPECT_EQ(s.x1, c.out.x1) << c.what;
    EXPECT_EQ(s.y1, c.out.y1) << c.what;
    EXPECT_EQ(s.x2, c.out.x2) << c.what;
    EXPECT_EQ(s.y2, c.out.y2) << c.what;
}

// Edges are exact, so every expected end is exact too.
INSTANTIATE_TEST_SUITE_P(
    Cases, ClipSegment,
    testing::Values(
        ClipCase{"inside", {-1, 0, 1, 0.5}, true, {-1, 0, 1, 0.5}},
        ClipCase{"across x", {-4, 0, 4, 0.5}, true, {-2, 0.125, 2, 0.375}},
        ClipCase{"across y, backwards", {0, 3, 0, -3}, true, {0, 1, 0, -1}},
        ClipCase{"both beyond one edge", {3, 0, 4, 0.5}, false, {}},
        ClipCase{"past a corner", {1, 3, 3, 1}, false, {}},
        ClipCase{"NaN", {std::nan(""), 0, 1, 0}, false, {}},
        ClipCase{
            "horizontal line from -inf to +inf", {-kInf, 0.5, kInf, 0.5}, true, {-2, 0.5, 2, 0.5}},
        ClipCase{
            "line at the mean of its heights", {kInf, 0.25, -kInf, 0.75}, true, {2, 0.5, -2, 0.5}},
        ClipCase{"ray towards +inf in x", {1, 0.5, kInf, 100}, true, {1, 0.5, 2, 0.5}},
        ClipCase{"ray from -inf in y", {0.5, -kInf, 0.5, 0}, true, {0.5, -1, 0.5, 0}},
        ClipCase{"diagonal ray", {0, 0, kInf, kInf}, true, {0, 0, 1, 1}},
        ClipCase{"diagonal through the origin", {-kInf, -kInf, kInf, kInf}, true, {-1, -1, 1, 1}},
        ClipCase{"same infinity at both ends", {kInf, 0, kInf, 0.5}, false, {}},
        ClipCase{"infinity against a finite coordinate", {kInf, 0, 0.5, kInf}, false, {}}));

// Hand-derived device positions for the plots' ranges.
TEST(PaneMapping, PlacesPointsOnTheNearestDoubleWhateverTheRange)
{
    // The airfoil pane at Scale 3 and ratio 1: x = 198.5 + 33 u. For this u,
    // 33 u lies just beyond half a unit in the last place of 198.5 below it.
    const PaneMapping airfoil(-6, 3, 6, -3, 396, 196, 0.5);
    const double u = -4.3067398144078781e-16;
    EXPECT_EQ(airfoil.map(u, 0).x(), std::nextafter(198.5, 0.0));
    EXPECT_EQ(airfoil.map(0, 1.5).y(), 49.5);
    // The cambered profile (F = G = 0.1, b = 0.9) at Scale 1.5 and ratio 2: y
    // = 196 - 392 v / 3. For its point with v = 0x1.755ba8p-2f the exact y is
    // 0x1.28b7467555555p+7 and a third of a unit in the last place: rounded
    // once, that double; rounded twice, the one above (two pixels change).
    const PaneMapping dense(-3, 1.5, 3, -1.5, 792, 392, 0.0);
    EXPECT_EQ(dense.map(0, 0x1.755ba8p-2f).y(), 0x1.28b7467555555p+7);

    // A range narrower than the doubles' resolution of a scale factor, and
    // one as wide as the doubles reach: both ends and 0 still land exactly.
    for (const double extent : {1e-320, 8e307}) {
        const PaneMapping m(-extent, extent, extent, -extent, 196, 196, 0.5);
        EXPECT_EQ(m.map(0, 0), QPointF(98.5, 98.5)) << extent;
        EXPECT_EQ(m.map(-extent, extent), QPointF(0.5, 0.5)) << extent;
        EXPECT_EQ(m.map(extent, -extent), QPointF(196.5, 196.5)) << extent;
        const ClipBox box = m.userBox(2);
        EXPECT_LT(box.xMin, -extent);
        EXPECT_GT(box.yMax, extent);
        EXPECT_TRUE(std::isfinite(box.xMin) && std::isfinite(box.xMax)) << extent;
    }
}

} // namespace
