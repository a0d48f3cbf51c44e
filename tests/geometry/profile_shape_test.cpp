#include "geometry/profile_shape.h"
#include "geometry/selig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <numeric>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using wingmap::ChordPoint;
using wingmap::MeasureProfile;
using wingmap::ShapeFailure;
using Point = std::complex<double>;

namespace {

struct Shape
{
    double chord, thickness, thicknessAt, camber, camberAt;
    Point leading, trailing;
};

// An independent measurement by brute force: 20000 circle points, the edges
// by taking the farthest point in turn, both sides linearly interpolated at
// every 1/4000 of the chord; y[1] is the upper side.
Shape bruteForce(double F, double G, double b)
{
    constexpr int kPoints = 20000;
    constexpr int kSteps = 4000;
    std::vector<Point> zeta(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        const Point z = Point(-F * b, G * b) + std::polar(1.0, 2 * std::numbers::pi * i / kPoints);
        zeta[i] = z + b * b / z;
    }
    const auto farthestFrom = [&zeta](int from) {
        const auto nearer = [&](Point p, Point q) {
            return std::abs(p - zeta[from]) < std::abs(q - zeta[from]);
        };
        return static_cast<int>(std::max_element(zeta.begin(), zeta.end(), nearer) - zeta.begin());
    };
    int le = farthestFrom(0);
    int te = farthestFrom(le);
    for (int round = 0; round < 10; ++round)
        le = std::exchange(te, farthestFrom(te));
    if (zeta[le].real() > zeta[te].real())
        std::swap(le, te);

    std::vector<double> y[2] = {std::vector<double>(kSteps + 1), std::vector<double>(kSteps + 1)};
    const auto frame = [&](int k) {
        return (zeta[k % kPoints] - zeta[le]) / (zeta[te] - zeta[le]);
    };
    for (int k = 0; k < kPoints; ++k) {
        const Point p = frame(le + k);
        const Point q = frame(le + k + 1);
        const double from = std::max(0.0, std::min(p.real(), q.real()));
        const double to = std::min(1.0, std::max(p.real(), q.real()));
        for (int j = static_cast<int>(std::ceil(from * kSteps)); j <= to * kSteps && from < to;
             ++j) {
            const double along = (j * 1.0 / kSteps - p.real()) / (q.real() - p.real());
            y[k < (te - le + kPoints) % kPoints ? 0 : 1][j] =
                p.imag() + (q.imag() - p.imag()) * along;
        }
    }
    if (std::accumulate(y[0].begin(), y[0].end(), 0.0) >
        std::accumulate(y[1].begin(), y[1].end(), 0.0))
        std::swap(y[0], y[1]);
    Shape s{std::abs(zeta[te] - zeta[le]), 0, 0, 0, 0, zeta[le], zeta[te]};
    for (int j = 0; j <= kSteps; ++j) {
        if (y[1][j] - y[0][j] > s.thickness)
            std::tie(s.thickness, s.thicknessAt) = std::tuple(y[1][j] - y[0][j], j * 1.0 / kSteps);
        if (std::abs(y[1][j] + y[0][j]) / 2 > std::abs(s.camber))
            std::tie(s.camber, s.camberAt) = std::tuple((y[1][j] + y[0][j]) / 2, j * 1.0 / kSteps);
    }
    return s;
}

// Closed forms, for the circle of radius 1 about c = (-Fb, Gb), z on it,
// profile z + b^2/z:
// - Ellipse, c = 0: z = e^(it) gives (1 + b^2) cos t + i (1 - b^2) sin t:
//   chord 2 (1 + b^2), thickness |1 - b^2| / (1 + b^2) at 50 %. b = 0.5: 2.5
//   and 60 %; b = 1.5 (+b outside, yet no crossing): 6.5 and 5/13; b = 1: the
//   segment 2 cos t, chord 4, no thickness.
Shape ellipse(double, double, double b)
{
    const double half = 1 + b * b;
    return {2 * half, std::abs(1 - b * b) / half, 0.5, 0, 0, -half, half};
}

// - Arc, F = 0 and b^2 (1 + G^2) = 1: the circle about ik, k = Gb, passes
//   through +-b. Its top and bottom i(k +- 1) both map to 2ik (b^2 = 1 - k^2:
//   i(k + 1) - i(1 - k^2)/(k + 1) = 2ik), so the profile is the circular arc
//   through +-2b and 2ik traced out and back: chord 4b, thickness 0, camber
//   2Gb / 4b = G/2 at 50 %.
Shape arc(double, double G, double b)
{
    return {4 * b, 0, 0, G / 2, 0.5, -2 * b, 2 * b};
}

// - Symmetric with a sharp trailing edge, G = 0 and b (1 + F) = 1: the
//   trailing edge is the cusp 2b, the leading edge the image of -b (1 + 2F).
//   Thickness by brute force.
Shape symmetricSharp(double F, double, double b)
{
    Shape s = bruteForce(F, 0, b);
    s.leading = -b * (1 + 2 * F) - b / (1 + 2 * F);
    s.trailing = 2 * b;
    s.chord = s.trailing.real() - s.leading.real();
    return s;
}

struct ShapeCase
{
    const char *name;
    double F, G, b;
    Shape (*expected)(double F, double G, double b);
    double edgeTolerance; // of the chord, for where the edges are (the chord: 0.001 at most)
};

class ProfileTest : public testing::TestWithParam<ShapeCase>
{
};

TEST_P(ProfileTest, MatchesTheExactProfile)
{
    const ShapeCase &c = GetParam();
    const Shape e = c.expected(c.F, c.G, c.b);
    const wingmap::ProfileShape s = MeasureProfile(c.F, c.G, c.b);
    ASSERT_TRUE(s.ok());
    EXPECT_NEAR(s.chord, e.chord, std::min(c.edgeTolerance, 1e-3) * e.chord);
    EXPECT_NEAR(std::abs(Point(s.leadingX, s.leadingY) - e.leading), 0, c.edgeTolerance * e.chord);
    EXPECT_NEAR(std::abs(Point(s.trailingX, s.trailingY) - e.trailing), 0,
                c.edgeTolerance * e.chord);
    EXPECT_NEAR(s.thickness, e.thickness, 5e-4);
    EXPECT_NEAR(s.camber, e.camber, 5e-4);
    // Where a value is 0 everywhere, it has no position.
    EXPECT_TRUE(e.thickness == 0 || std::abs(s.thicknessAt - e.thicknessAt) <= 0.01);
    EXPECT_TRUE(e.camber == 0 || std::abs(s.camberAt - e.camberAt) <= 0.01);
}

// How far a chord-frame point lies from the exact profile: back to the plot
// plane through the measured edges, then z^2 - zeta z + b^2 = 0 gives the
// two circle candidates; each is moved onto the circle radially and mapped
// again.
double distanceFromProfile(const ShapeCase &p, const wingmap::ProfileShape &shape, ChordPoint c)
{
    const Point leading(shape.leadingX, shape.leadingY);
    const Point chord = Point(shape.trailingX, shape.trailingY) - leading;
    const Point zeta = leading + chord * Point(c.x, c.y);
    const Point centre(-p.F * p.b, p.G * p.b);
    const Point root = std::sqrt(zeta * zeta - 4 * p.b * p.b);
    double distance = std::numeric_limits<double>::infinity();
    for (const Point z : {(zeta + root) / 2.0, (zeta - root) / 2.0}) {
        const Point onCircle = centre + (z - centre) / std::abs(z - centre);
        distance = std::min(distance, std::abs(onCircle + p.b * p.b / onCircle - zeta));
    }
    return distance / std::abs(chord);
}

TEST_P(ProfileTest, SeligPointsRunOverTheUpperSideAndBackOnTheExactProfile)
{
    const ShapeCase &p = GetParam();
    const auto coordinates = wingmap::SeligCoordinates(p.F, p.G, p.b);
    const auto &points = coordinates.points;
    ASSERT_TRUE(coordinates.ok());
    ASSERT_GE(points.size(), 100u);
    for (const ChordPoint end : {points.front(), points.back()})
        EXPECT_NEAR(std::hypot(end.x - 1, end.y), 0.0, 1e-12);

    const auto nose = std::min_element(points.begin(), points.end(),
                                       [](ChordPoint l, ChordPoint r) { return l.x < r.x; });
    EXPECT_NEAR(std::hypot(nose->x, nose->y), 0.0, 1e-12);
    EXPECT_TRUE(std::is_sorted(points.begin(), nose + 1,
                               [](ChordPoint l, ChordPoint r) { return l.x > r.x; }));
    EXPECT_TRUE(
        std::is_sorted(nose, points.end(), [](ChordPoint l, ChordPoint r) { return l.x < r.x; }));
    EXPECT_GE(std::count_if(points.begin(), points.end(), [](ChordPoint c) { return c.x < 0.01; }),
              4);

    // The same chord positions on both sides, the upper side first.
    const auto upper = static_cast<std::size_t>(nose - points.begin());
    ASSERT_EQ(points.size(), 2 * upper + 1);
    for (std::size_t k = 0; k < upper; ++k) {
        EXPECT_NEAR(points[k].x, points[points.size() - 1 - k].x, 1e-12);
        EXPECT_GE(points[k].y, points[points.size() - 1 - k].y - 1e-12);
    }

    const wingmap::ProfileShape shape = wingmap::MeasureProfile(p.F, p.G, p.b);
    for (const ChordPoint c : points)
        ASSERT_LE(distanceFromProfile(p, shape, c), 1e-6) << c.x << " " << c.y;

    // Each point is the image of the circle point at its angle.
    ASSERT_EQ(coordinates.circleAngles.size(), points.size());
    const Point leading(shape.leadingX, shape.leadingY);
    const Point chord = Point(shape.trailingX, shape.trailingY) - leading;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const Point z = Point(-p.F * p.b, p.G * p.b) + std::polar(1.0, coordinates.circleAngles[k]);
        const Point frame = (z + p.b * p.b / z - leading) / chord;
        ASSERT_LE(std::abs(frame - Point(points[k].x, points[k].y)), 1e-9) << k;
    }
}

const double kArc5 = 1 / std::sqrt(1.25);
const double kArc2 = 1 / std::sqrt(1.04);

INSTANTIATE_TEST_SUITE_P(
    Profiles, ProfileTest,
    testing::Values(ShapeCase{"ellipse", 0, 0, 0.5, ellipse, 1e-9},
                    ShapeCase{"wideEllipse", 0, 0, 1.5, ellipse, 1e-9},
                    ShapeCase{"segment", 0, 0, 1, ellipse, 1e-9},
                    ShapeCase{"arc", 0, 0.5, kArc5, arc, 1e-9},
                    ShapeCase{"flatArc", 0, 0.2, kArc2, arc, 1e-9},
                    ShapeCase{"symmetricSharp", 0.1, 0, 1 / 1.1, symmetricSharp, 1e-9},
                    ShapeCase{"camberedSharp", 0.1, 0.1, 1 / std::sqrt(1.22), bruteForce, 1e-2},
                    ShapeCase{"camberedRound", 0.1, 0.1, 0.9, bruteForce, 1e-2},
                    ShapeCase{"camberedDown", 0.05, -0.15, 0.9, bruteForce, 1e-2},
                    ShapeCase{"thickCambered", 0.3, 1.2, 0.5, bruteForce, 1e-2},
                    ShapeCase{"nearOrigin", 0.4, 0.3, 1.9, bruteForce, 1e-2}),
    [](const testing::TestParamInfo<ShapeCase> &info) { return std::string(info.param.name); });

struct FailureCase
{
    const char *name;
    double F, G, b;
    ShapeFailure expected;
};

class ShapeFailureTest : public testing::TestWithParam<FailureCase>
{
};

// Two circle points have one image when their product is b^2. F = 0.3, b = 1
// (-b inside, +b outside) and F = 0.1, b = 0.91 (+b just outside: a small
// loop at the trailing edge) cross; a wide ellipse does not. Arcs of more
// than a half circle (G > 1) turn back along their chord. F = 1, G = 99.9,
// b = 0.01: the circle about (-0.01, 0.999) maps nearly onto itself (chord
// about 2) but passes 1 - 0.99905 = 0.00095 from the origin, where b^2/z adds
// a spike of about 1e-4 / 0.00095 = 0.1 pointing away from the origin,
// against the chord near the trailing edge: a side turns back by some 5 % of
// the chord over an arc of a few thousandths of a radian; F = 0.89, G = -99.7
// the same below the origin.
TEST_P(ShapeFailureTest, SaysWhyAndGivesNoNumbers)
{
    const FailureCase &c = GetParam();
    const wingmap::ProfileShape s = MeasureProfile(c.F, c.G, c.b);
    EXPECT_EQ(s.failure, c.expected);
    EXPECT_EQ(wingmap::SeligCoordinates(c.F, c.G, c.b).failure, c.expected);
    if (!s.ok()) {
        EXPECT_EQ(s.chord, 0.0);
        EXPECT_EQ(s.thickness, 0.0);
        EXPECT_TRUE(wingmap::SeligCoordinates(c.F, c.G, c.b).points.empty());
    }
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Inputs, ShapeFailureTest,
    testing::Values(FailureCase{"crossing", 0.3, 0, 1, ShapeFailure::SelfCrossing},
                    FailureCase{"smallLoop", 0.1, 0, 0.91, ShapeFailure::SelfCrossing},
                    FailureCase{"wideEllipse", 0, 0, 1.5, ShapeFailure::None},
                    FailureCase{"deepArc", 0, 1.5, 1 / std::sqrt(3.25),
                                ShapeFailure::NotSingleValued},
                    FailureCase{"spike", 1, 99.9, 0.01, ShapeFailure::NotSingleValued},
                    FailureCase{"spikeBelow", 0.89, -99.7, 0.01, ShapeFailure::NotSingleValued},
                    FailureCase{"bZero", 0, 0, 0, ShapeFailure::NotSampled},
                    FailureCase{"originOutside", 0.8, 0.8, 1, ShapeFailure::NotSampled},
                    FailureCase{"originOnCircle", 1, 0, 1, ShapeFailure::NotSampled},
                    FailureCase{"notFinite", kInf, 0, 1, ShapeFailure::NotSampled},
                    FailureCase{"overflow", 0, 0, 1e200, ShapeFailure::NotSampled}),
    [](const testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

// The file must read the same in every locale: the C one, then a
// comma-decimal one when installed.
TEST(SeligText, WritesTheNameThenOnePointALineWithDecimalPoints)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const std::string expected = "wing 1 a\n"
                                 "1.000000 0.000000\n"
                                 "0.500000 0.061235\n"
                                 "0.000000 0.000000\n"
                                 "0.250000 -0.012346\n"
                                 "1.000000 0.000000\n";
    const std::vector<ChordPoint> points = {
        {1, 0}, {0.5, 0.0612345678}, {0, 0}, {0.25, -0.0123456}, {1, -1e-9}};
    for (const char *name : {"C", "de_DE.UTF-8", "de_DE.utf8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            EXPECT_EQ(wingmap::SeligText("wing 1\na", points), expected) << name;
        }
    }
    std::setlocale(LC_ALL, previous.c_str());
}

} // namespace
