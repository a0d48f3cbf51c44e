// The probe's numbers at hand-chosen points of both planes, and the two
// surface points at a chord fraction.
#include "geometry/circle.h"
#include "geometry/flow/flow.h"
#include "geometry/flow/potential_branch.h"
#include "geometry/flow/probe.h"
#include "geometry/flow/streamlines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>

using wingmap::Flow;
using wingmap::ProbeReading;
using Point = std::complex<double>;

namespace {

constexpr double kPi = std::numbers::pi;
const Point kI(0, 1);
const double kSharp = 1 / std::sqrt(1.22); // F = G = 0.1 through +b

// A flow and its potential's branch, as the window holds them.
struct Probed
{
    Probed(double F, double G, double b, double alpha, bool kutta)
        : flow(F, G, b, alpha, kutta),
          lines(wingmap::TraceStreamlines(flow, {wingmap::PaneExtentsAt(2), 4.0 / 300, 8.0 / 600})),
          branch(flow, lines)
    {
    }
    Flow flow;
    wingmap::Streamlines lines;
    wingmap::PotentialBranch branch;
};

struct ReadingCase
{
    const char *name;
    double F, G, b, alpha;
    bool kutta;
    bool fromProfile; // probe at zeta = z + b^2/z in the profile pane
    Point z;
    // Expected, to the readout's three decimals (the turn to one):
    Point zeta;
    double mapScale, turnDegrees, circleSpeed, profileSpeed, circleCp, profileCp, psi;
    double principalPhi; // phi on the logarithm's principal branch
};

void PrintTo(const ReadingCase &c, std::ostream *os)
{
    *os << c.name;
}

class ProbeReadings : public testing::TestWithParam<ReadingCase>
{
};

// Another branch of phi differs from the principal one by whole turns of
// Gamma.
TEST_P(ProbeReadings, ReadTheFlowAtAPointAndItsImage)
{
    const ReadingCase &c = GetParam();
    const Probed probed(c.F, c.G, c.b, c.alpha, c.kutta);
    ASSERT_TRUE(probed.flow.ok());
    ASSERT_TRUE(probed.lines.ok());
    const Point zeta = c.z + c.b * c.b / c.z;
    const ProbeReading r = c.fromProfile
                               ? wingmap::ProbeProfile(probed.flow, probed.branch, zeta)
                               : wingmap::ProbeCircle(probed.flow, probed.branch, c.z);
    ASSERT_EQ(r.where, ProbeReading::Where::Flow);
    constexpr double kThird = 5e-4;
    EXPECT_NEAR(std::abs(r.z - c.z), 0.0, c.fromProfile ? 1e-12 : 0.0);
    EXPECT_NEAR(std::abs(r.zeta - c.zeta), 0.0, kThird);
    EXPECT_NEAR(r.mapScale, c.mapScale, kThird);
    EXPECT_NEAR(r.turnDegrees, c.turnDegrees, 0.05);
    EXPECT_NEAR(r.circleSpeed, c.circleSpeed, kThird);
    EXPECT_NEAR(r.profileSpeed, c.profileSpeed, kThird);
    EXPECT_NEAR(r.circleCp, c.circleCp, kThird);
    EXPECT_NEAR(r.profileCp, c.profileCp, kThird);
    EXPECT_NEAR(r.psi, c.psi, kThird);
    const double gamma = probed.flow.gamma();
    const double off = r.phi - c.principalPhi;
    EXPECT_NEAR(gamma == 0.0 ? off : std::remainder(off, gamma), 0.0, kThird);
}

// The worked reading of the cambered sharp profile at 8 degrees; the top
// of the centred circle (b = 0.8: an ellipse) at 0 degrees without
// circulation, where dw/dz = 1 - 1/z^2 = 2 and d zeta/dz = 1 + b^2 = 1.64,
// so q/U = 2 and 2 / 1.64, Cp = -3 and 1 - (2 / 1.64)^2, psi = phi = 0; a
// point beside it at z = 2: dw/dz = 3/4, d zeta/dz = 1 - 0.16, w = 2.5.
INSTANTIATE_TEST_SUITE_P(
    Points, ProbeReadings,
    testing::Values(
        ReadingCase{"cambered", 0.1, 0.1, kSharp, 8, true, false, {0.3, 1.4}, {0.420, 0.840},
                    1.375, 6.8, 1.740, 1.266, -2.027, -0.602, 0.719, 0.290},
        ReadingCase{"camberedFromProfile", 0.1, 0.1, kSharp, 8, true, true, {0.3, 1.4},
                    {0.420, 0.840}, 1.375, 6.8, 1.740, 1.266, -2.027, -0.602, 0.719, 0.290},
        ReadingCase{"centredTop", 0, 0, 0.8, 0, false, false, kI, {0, 0.36}, 1.64, 0, 2,
                    2 / 1.64, -3, 1 - (2 / 1.64) * (2 / 1.64), 0, 0},
        ReadingCase{"centredTopFromProfile", 0, 0, 0.8, 0, false, true, kI, {0, 0.36}, 1.64, 0,
                    2, 2 / 1.64, -3, 1 - (2 / 1.64) * (2 / 1.64), 0, 0},
        ReadingCase{"centredAhead", 0, 0, 0.8, 0, false, false, {2, 0}, {2.32, 0}, 0.84, 0,
                    0.75, 0.75 / 0.84, 1 - 0.5625, 1 - (0.75 / 0.84) * (0.75 / 0.84), 0, 2.5}),
    [](const testing::TestParamInfo<ReadingCase> &info) { return std::string(info.param.name); });

// Inside the circle, or inside the profile (both pre-images inside the
// circle), the probe reads only the point; on the surface it reads the flow.
TEST(Probe, TellsThePointsInsideTheBodyFromThoseOnAndOutsideIt)
{
    const Probed cambered(0.1, 0.1, kSharp, 8, true);
    const Probed ellipse(0, 0, 0.8, 0, false);
    const Point z0 = cambered.flow.circle().centre();
    using Where = ProbeReading::Where;
    const auto circleAt = [](const Probed &p, Point z) {
        return wingmap::ProbeCircle(p.flow, p.branch, z).where;
    };
    const auto profileAt = [](const Probed &p, Point zeta) {
        return wingmap::ProbeProfile(p.flow, p.branch, zeta).where;
    };
    EXPECT_EQ(circleAt(cambered, z0), Where::InsideCircle);
    EXPECT_EQ(circleAt(cambered, z0 + 0.999), Where::InsideCircle);
    EXPECT_EQ(circleAt(cambered, z0 + 1.001 * kI), Where::Flow);
    const ProbeReading inside = wingmap::ProbeCircle(cambered.flow, cambered.branch, z0 + 0.5);
    EXPECT_EQ(inside.z, z0 + 0.5);
    EXPECT_EQ(inside.circleSpeed, 0.0);

    // The ellipse of half axes 1 + b^2 = 1.64 and 1 - b^2 = 0.36.
    EXPECT_EQ(profileAt(ellipse, 0.0), Where::InsideProfile);
    EXPECT_EQ(profileAt(ellipse, Point(1.6, 0.05)), Where::InsideProfile);
    EXPECT_EQ(profileAt(ellipse, Point(0.0, 0.35)), Where::InsideProfile);
    EXPECT_EQ(profileAt(ellipse, Point(1.65, 0.0)), Where::Flow);
    EXPECT_EQ(profileAt(ellipse, Point(0.0, 0.37)), Where::Flow);
    const ProbeReading inProfile = wingmap::ProbeProfile(ellipse.flow, ellipse.branch, 0.3);
    EXPECT_EQ(inProfile.zeta, Point(0.3));
    EXPECT_EQ(inProfile.profileSpeed, 0.0);

    // Between the sides of the cambered profile: half-way from an upper to
    // a lower point of the coordinates file at the same index from the
    // leading edge.
    const auto upper = cambered.flow.upperSide();
    const auto lower = cambered.flow.lowerSide();
    const wingmap::Circle &circle = cambered.flow.circle();
    for (const std::size_t k : {std::size_t(10), upper.size() / 2, upper.size() - 10}) {
        const Point between =
            0.5 * (circle.map(upper[k].circlePoint) + circle.map(lower[k].circlePoint));
        EXPECT_EQ(profileAt(cambered, between), Where::InsideProfile) << k;
    }
    // On the surface, the sharp trailing edge 2b included.
    for (const double angle : {-2.5, -1.0, 0.5, 1.5, 2.5, 3.0})
        EXPECT_EQ(profileAt(cambered, circle.map(circle.pointAt(angle))), Where::Flow) << angle;
    EXPECT_EQ(profileAt(cambered, 2 * kSharp), Where::Flow);
}

// The flow written out afresh: the speed in the profile plane,
// |dw/dz| / |d zeta/dz| with dw/dz = e^(-i ax) - e^(i ax)/s^2 + i Gamma/(2 pi s).
double profileCp(const Flow &f, Point z)
{
    const Point s = z - f.circle().centre();
    const Point dw = std::polar(1.0, -f.alphaX()) - std::polar(1.0, f.alphaX()) / (s * s) +
                     kI * f.gamma() / (2 * kPi * s);
    const double b2 = f.circle().b() * f.circle().b();
    return 1 - std::norm(dw / (1.0 - b2 / (z * z)));
}

// Both points at a chord fraction lie on the circle, their images at that
// x/c, the upper one above the chord's lower one (in the chord's frame);
// their Cp is the surface's there. At x/c = 0 both are the leading edge.
// Near the nose the upper side crosses the angle of +-180 degrees.
TEST(Probe, FindsBothSurfacePointsAtAChordFraction)
{
    for (const double alpha : {8.0, -4.0}) {
        const Flow flow(0.1, 0.1, kSharp, alpha, true);
        const Point lead = flow.leadingEdge();
        const Point chord = flow.trailingEdge() - lead;
        const Point z0 = flow.circle().centre();
        for (const double t : {0.0, 1e-3, 0.02, 0.25, 0.5, 0.9, 1.0}) {
            const wingmap::SurfaceProbe probe = wingmap::ProbeChordFraction(flow, t);
            ASSERT_TRUE(probe.ok) << t;
            EXPECT_EQ(probe.chordFraction, t);
            for (const auto *p : {&probe.upper, &probe.lower}) {
                EXPECT_NEAR(std::abs(p->circle - z0), 1.0, 1e-12) << t;
                const Point image = p->circle + kSharp * kSharp / p->circle;
                EXPECT_NEAR(std::abs(p->profile - image), 0.0, 1e-12) << t;
                EXPECT_NEAR(((image - lead) / chord).real(), t, 1e-9) << t;
                if (t > 0.0 && t < 1.0) {
                    EXPECT_NEAR(p->cp, profileCp(flow, p->circle), 1e-9) << t;
                }
            }
            const double above = ((probe.upper.profile - lead) / chord).imag();
            const double below = ((probe.lower.profile - lead) / chord).imag();
            if (t > 0.0 && t < 1.0) {
                EXPECT_GT(above, below) << t;
                EXPECT_GT(above, 0.0) << t;
            }
        }
        const wingmap::SurfaceProbe nose = wingmap::ProbeChordFraction(flow, 0.0);
        EXPECT_NEAR(std::abs(nose.upper.profile - lead), 0.0, 1e-9);
        EXPECT_NEAR(std::abs(nose.lower.profile - lead), 0.0, 1e-9);
        // Suction above, pressure below at mid-chord with lift.
        const wingmap::SurfaceProbe mid = wingmap::ProbeChordFraction(flow, 0.5);
        if (alpha > 0) {
            EXPECT_LT(mid.upper.cp, mid.lower.cp);
        }
    }
    const Flow flow(0.1, 0.1, kSharp, 8, true);
    for (const double t : {-0.01, 1.01, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(wingmap::ProbeChordFraction(flow, t).ok) << t;
}

} // namespace
