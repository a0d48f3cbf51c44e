#include "geometry/circle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <ostream>

namespace {

using wingmap::Circle;
using wingmap::CircleSide;

// The inverse is the branch outside the circle: it gives back the point it
// was mapped from, on rings just outside the circle and far away. On the
// circle through both +-b, two circle points share each image, so there it
// need only map back and not lie inside.
TEST(Circle, InverseIsTheBranchOutsideTheCircle)
{
    const Circle circles[] = {{0.0, 0.0, 1.0}, {0.1, 0.0, 0.9}, {0.1, 0.1, 0.9}, {0.0, 0.2, 0.9}};
    for (const Circle &circle : circles) {
        for (const double distance : {1.0, 1.001, 1.5, 4.0, 1e6}) {
            for (int k = 0; k < 72; ++k) {
                const std::complex<double> z = circle.pointAt(k * 5.0 * std::numbers::pi / 180.0);
                const std::complex<double> outside =
                    circle.centre() + distance * (z - circle.centre());
                const std::complex<double> zeta = circle.map(outside);
                const std::complex<double> back = circle.inverse(zeta);
                EXPECT_NEAR(std::abs(circle.map(back) - zeta), 0.0, 1e-9 * distance);
                EXPECT_GE(std::abs(back - circle.centre()), 1.0 - 1e-12);
                if (distance > 1.0 || circle.F() != 0.0 || circle.G() != 0.0) {
                    EXPECT_NEAR(std::abs(back - outside), 0.0, 1e-9 * distance)
                        << "F=" << circle.F() << " G=" << circle.G() << " d=" << distance
                        << " k=" << k;
                }
            }
        }
    }
}

// Where +b lies: for F = G = 0 the unit circle through +-1; a centre at
// (-0.1, 0) puts b = 0.9 on it, 0.8 inside and 1 outside.
TEST(Circle, SidesOfTheCriticalPoints)
{
    EXPECT_EQ(Circle(0.0, 0.0, 1.0).plusBSide(), CircleSide::On);
    EXPECT_EQ(Circle(0.0, 0.0, 1.0).minusBSide(), CircleSide::On);
    EXPECT_EQ(Circle(0.1 / 0.9, 0.0, 0.9).plusBSide(), CircleSide::On);
    EXPECT_EQ(Circle(0.125, 0.0, 0.8).plusBSide(), CircleSide::Inside);
    EXPECT_EQ(Circle(0.1, 0.0, 1.0).plusBSide(), CircleSide::Outside);
    EXPECT_EQ(Circle(0.1, 0.0, 1.0).minusBSide(), CircleSide::Inside);
}

// The circle through +b: F = G = 0 gives the unit circle (b = 1); F = 0.1
// gives 1/1.1; F = 0, G = 0.75 gives 1/1.25 = 0.8. In each, +b lies on it.
TEST(Circle, SharpEdgeBPutsPlusBOnTheCircle)
{
    EXPECT_DOUBLE_EQ(wingmap::SharpEdgeB(0.0, 0.0), 1.0);
    EXPECT_DOUBLE_EQ(wingmap::SharpEdgeB(0.1, 0.0), 1.0 / 1.1);
    EXPECT_DOUBLE_EQ(wingmap::SharpEdgeB(0.0, 0.75), 0.8);
    for (const double F : {0.0, 0.1, 0.3})
        for (const double G : {0.0, 0.1, 0.5})
            EXPECT_EQ(Circle(F, G, wingmap::SharpEdgeB(F, G)).plusBSide(), CircleSide::On);
}

// The b limit: where the circle about the stored centre crosses the positive
// x axis, and the b scroll value that stands for it.
struct LimitCase
{
    const char *what;
    double Fb, Gb;
    bool reaches;
    double X;
    int scrollValue; // the b scroll bar's, 1 to 200
};

void PrintTo(const LimitCase &c, std::ostream *os)
{
    *os << c.what;
}

class BLimit : public testing::TestWithParam<LimitCase>
{
};

TEST_P(BLimit, CrossingAndItsScrollValueRoundingHalvesToEven)
{
    const LimitCase &c = GetParam();
    const wingmap::BLimit limit = wingmap::LimitAbscissa(c.Fb, c.Gb);
    ASSERT_EQ(limit.reaches, c.reaches) << c.what;
    if (!c.reaches)
        return;
    EXPECT_EQ(limit.X, c.X) << c.what;
    EXPECT_EQ(wingmap::LimitScrollValue(limit.X, 100, 1, 200), c.scrollValue) << c.what;
}

// Products as the F and G scroll bars form them, F or G (value / 100) times
// the b of that moment.
INSTANTIATE_TEST_SUITE_P(
    Cases, BLimit,
    testing::Values(LimitCase{"F 0.1, b 1: X = 1 - 0.1", 0.1 * 1.0, 0.0, true, 0.9, 90},
                    // 0.1 * 0.95 rounds to the double of 0.095, and 1 minus it to the
                    // double of 0.905, 0.905 + 2.7e-17; times 100 that is 90.5 + 2.7e-15,
                    // which rounds to 90.5 itself (its doubles lie 1.4e-14 apart). Halves
                    // go to the even 90, not up to 91.
                    LimitCase{"F 0.1, b 0.95: 100 X is 90.5", 0.1 * 0.95, 0.0, true, 0.905, 90},
                    // Likewise 1 - 0.06 * 1.25 is the double of 0.925, and 100 X is 92.5.
                    LimitCase{"F 0.06, b 1.25: 100 X is 92.5", 0.06 * 1.25, 0.0, true, 0.925, 92},
                    LimitCase{"G 0.5, b 1: X = sqrt(0.75)", 0.0, 0.5 * 1.0, true,
                              0.8660254037844386, 87},
                    // The circle about (0, 1.5) never reaches the axis.
                    LimitCase{"G 0.5, b 3", 0.0, 0.5 * 3.0, false, 0.0, 0},
                    // X = 0 and X = 2.5 lie outside the bar's range: held at its ends.
                    LimitCase{"F 1, b 1: X = 0", 1.0 * 1.0, 0.0, true, 0.0, 1},
                    LimitCase{"F 1, b -1.5: X = 2.5", 1.0 * -1.5, 0.0, true, 2.5, 200}));

} // namespace
