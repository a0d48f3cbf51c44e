#include "geometry/circle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

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

// X = sqrt(1 - Gb^2) - Fb: (0.1, 0) gives 0.9; (0, 0.6) gives 0.8; a
// centre 1.2 above the axis never reaches it.
TEST(Circle, LimitAbscissaIsWhereTheCircleCrossesTheAxis)
{
    EXPECT_DOUBLE_EQ(wingmap::LimitAbscissa(0.1, 0.0).X, 0.9);
    EXPECT_DOUBLE_EQ(wingmap::LimitAbscissa(0.0, 0.6).X, 0.8);
    EXPECT_TRUE(wingmap::LimitAbscissa(0.0, 0.6).reaches);
    EXPECT_FALSE(wingmap::LimitAbscissa(0.0, 1.2).reaches);
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

} // namespace
