#include "geometry/flow/flow.h"
#include "geometry/flow/flow_files.h"
#include "geometry/flow/time_lines.h"
#include "tests/geometry/csv_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <complex>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Point = std::complex<double>;
using wingmap::FlowPlane;
using wingmap::TimeLine;
constexpr double kPi = std::numbers::pi;

// The flow written out: w = s e^(-i a) + e^(i a) / s + (i Gamma / 2 pi) ln s,
// s = z - z0, z0 = -F b + i G b, and the map zeta = z + b^2 / z. The stream's
// angle a and Gamma are the flow's own (tested with the flow).
struct Model
{
    Point z0;
    Point stream; // e^(-i a)
    double gamma = 0.0;
    double b = 0.0;

    Model(double F, double G, double b_, const wingmap::Flow &flow)
        : z0(-F * b_, G * b_), stream(std::polar(1.0, -flow.alphaX())), gamma(flow.gamma()), b(b_)
    {
    }
    Point dw(Point z) const
    {
        const Point s = z - z0;
        return stream - std::conj(stream) / (s * s) + Point(0.0, gamma / (2.0 * kPi)) / s;
    }
    double psi(Point z) const
    {
        const Point s = z - z0;
        return (s * stream + std::conj(stream) / s).imag() +
               gamma / (2.0 * kPi) * std::log(std::abs(s));
    }
    Point map(Point z) const { return z + b * b / z; }
    // Of the roots of z^2 - zeta z + b^2 = 0, the one outside the circle.
    Point inverse(Point zeta) const
    {
        const Point root = std::sqrt(zeta * zeta - 4.0 * b * b);
        const Point one = 0.5 * (zeta + root);
        const Point other = 0.5 * (zeta - root);
        return std::abs(one - z0) > std::abs(other - z0) ? one : other;
    }
    Point in(FlowPlane plane, Point z) const { return plane == FlowPlane::Circle ? z : map(z); }
    Point from(FlowPlane plane, Point p) const
    {
        return plane == FlowPlane::Circle ? p : inverse(p);
    }
    // dz/dt of a particle of the plane, in the circle plane: conj(dw/dz), or
    // conj(dw/dzeta) / (dzeta/dz) = conj(dw/dz) / |dzeta/dz|^2.
    Point drift(FlowPlane plane, Point z) const
    {
        const Point velocity = std::conj(dw(z));
        if (plane == FlowPlane::Circle)
            return velocity;
        return velocity / std::norm(1.0 - b * b / (z * z));
    }
    // One classical Runge-Kutta step of h seconds.
    Point step(FlowPlane plane, Point z, double h) const
    {
        const Point k1 = drift(plane, z);
        const Point k2 = drift(plane, z + 0.5 * h * k1);
        const Point k3 = drift(plane, z + 0.5 * h * k2);
        const Point k4 = drift(plane, z + h * k3);
        return z + h / 6.0 * (k1 + 2.0 * k2 + 2.0 * k3 + k4);
    }
};

constexpr double kStep = 1e-3; // seconds, for the Runge-Kutta steps
constexpr double kCirclePixels = 300.0;
constexpr double kProfilePixels = 600.0;

struct TimeCase
{
    const char *name;
    double F, G, b, alpha, scale;
};

struct Scene
{
    wingmap::Flow flow;
    Model model;
    wingmap::StreamlineView view;
    wingmap::TimeLines lines;
    double sigma; // +1 where the stream runs to the right

    explicit Scene(const TimeCase &c)
        : flow(c.F, c.G, c.b, c.alpha, true),
          model(c.F, c.G, c.b, flow), view{wingmap::PaneExtentsAt(c.scale),
                                           2.0 * c.scale / kCirclePixels,
                                           4.0 * c.scale / kProfilePixels},
          lines(flow, view), sigma(std::cos(flow.alphaX()) < 0.0 ? -1.0 : 1.0)
    {
    }
    double halfWidth(FlowPlane plane) const
    {
        return plane == FlowPlane::Circle ? view.panes.circle.halfWidth()
                                          : view.panes.profile.halfWidth();
    }
    double halfHeight(FlowPlane plane) const
    {
        return plane == FlowPlane::Circle ? view.panes.circle.halfHeight()
                                          : view.panes.profile.halfHeight();
    }
    double pixel(FlowPlane plane) const
    {
        return plane == FlowPlane::Circle ? view.circlePixel : view.profilePixel;
    }
    // The release line's x: the upstream edge, or 1 upstream of the body's
    // most upstream point (found among 100000 points of the circle's image).
    double releaseX(FlowPlane plane) const
    {
        double upstream = INFINITY;
        for (int i = 0; i < 100000; ++i)
            upstream = std::min(
                upstream,
                sigma * model.in(plane, model.z0 + std::polar(1.0, i * 2e-5 * kPi)).real());
        return sigma * std::min(-halfWidth(plane), upstream - 1.0);
    }
    // Where psi = psiBody + j deltaPsi / 4 crosses the release line within
    // the pane's height, by bisection (psi runs monotonically along it);
    // false when it does not.
    bool releasePoint(FlowPlane plane, double x, int level, Point &z) const
    {
        const double psi = level * halfWidth(FlowPlane::Circle) / 32.0;
        const auto miss = [&](double y) { return model.psi(model.from(plane, {x, y})) - psi; };
        double low = -halfHeight(plane);
        double high = halfHeight(plane);
        if (miss(low) * miss(high) > 0.0)
            return false;
        for (int i = 0; i < 100; ++i)
            (miss(0.5 * (low + high)) * miss(low) > 0.0 ? low : high) = 0.5 * (low + high);
        z = model.from(plane, {x, 0.5 * (low + high)});
        return true;
    }
};

// Release k's particles at time t, by level.
std::map<int, Point> particlesOf(const wingmap::TimeLines &lines, double t, FlowPlane plane, int k)
{
    std::map<int, Point> found;
    for (const TimeLine &line : lines.at(t, plane))
        for (const wingmap::Particle &p : line.particles)
            if (p.release == k)
                found[p.level] = p.at;
    return found;
}

class TimeLinesCase : public testing::TestWithParam<TimeCase>
{
};

// At t = 3T the third release has just left: one particle on every level
// whose point on the release line lies within the pane's height, there.
TEST_P(TimeLinesCase, ReleaseOnEveryLevelThatCrossesTheReleaseLineInThePane)
{
    const Scene s(GetParam());
    ASSERT_TRUE(s.lines.ok());
    const double T = GetParam().scale / 4.0;
    EXPECT_EQ(s.lines.releaseInterval(), T);
    for (const FlowPlane plane : {FlowPlane::Circle, FlowPlane::Profile}) {
        const double x = s.releaseX(plane);
        const std::map<int, Point> released = particlesOf(s.lines, 3.0 * T, plane, 3);
        int expected = 0;
        for (int level = -80; level <= 80; ++level) {
            Point z;
            if (level == 0 || !s.releasePoint(plane, x, level, z)) {
                EXPECT_EQ(released.count(level), 0u) << int(plane) << " " << level;
                continue;
            }
            ++expected;
            ASSERT_EQ(released.count(level), 1u) << int(plane) << " " << level;
            EXPECT_LT(std::abs(released.at(level) - s.model.in(plane, z)), 0.25 * s.pixel(plane))
                << int(plane) << " " << level;
        }
        EXPECT_GT(expected, 40) << int(plane);
        for (const TimeLine &line : s.lines.at(3.0 * T, plane))
            EXPECT_EQ(line.releasedAt, line.release * T);
    }
}

// Each particle lies within a quarter pixel of where the exact velocity of
// its plane carries it from its release point, integrated independently.
TEST_P(TimeLinesCase, ParticlesMoveWithTheExactVelocityOfTheirPlane)
{
    const Scene s(GetParam());
    ASSERT_TRUE(s.lines.ok());
    const double T = GetParam().scale / 4.0;
    const int k = 2;
    for (const FlowPlane plane : {FlowPlane::Circle, FlowPlane::Profile}) {
        const double x = s.releaseX(plane);
        const double drop = s.halfWidth(plane) + 1.0;
        int compared = 0;
        for (const int level : {-30, -12, -5, -2, -1, 1, 2, 5, 12, 30}) {
            Point z;
            if (!s.releasePoint(plane, x, level, z))
                continue;
            double travelled = 0.0;
            for (const double travel : {0.8, 2.0, 3.5}) {
                for (; travelled < travel - 0.5 * kStep; travelled += kStep)
                    z = s.model.step(plane, z, kStep);
                const Point expected = s.model.in(plane, z);
                const std::map<int, Point> shown = particlesOf(s.lines, k * T + travel, plane, k);
                if (s.sigma * expected.real() > drop) {
                    EXPECT_EQ(shown.count(level), 0u) << int(plane) << " " << level;
                    continue;
                }
                ASSERT_EQ(shown.count(level), 1u) << int(plane) << " " << level << " " << travel;
                EXPECT_LT(std::abs(shown.at(level) - expected), 0.25 * s.pixel(plane))
                    << int(plane) << " " << level << " " << travel;
                ++compared;
            }
        }
        EXPECT_GT(compared, 15) << int(plane);
    }
}

const double kSharp = wingmap::SharpEdgeB(0.1, 0.1);

INSTANTIATE_TEST_SUITE_P(
    Profiles, TimeLinesCase,
    testing::Values(TimeCase{"FlatPlate", 0.0, 0.0, 1.0, 8.0, 2.0},
                    TimeCase{"CamberedSharp", 0.1, 0.1, kSharp, 8.0, 2.0},
                    TimeCase{"Rounded", 0.1, 0.1, 0.9, 8.0, 2.0},
                    // the release lines 1 upstream of the body, outside the panes
                    TimeCase{"RoundedSmallScale", 0.1, 0.1, 0.9, 8.0, 1.0},
                    // the stream runs to the left
                    TimeCase{"Turned", 0.1, 0.1, -kSharp, 8.0, 2.0}),
    [](const testing::TestParamInfo<TimeCase> &info) { return std::string(info.param.name); });

// The travel times from the release line to the vertical through the
// trailing edge (2b at a sharp edge, 1 + b^2 on the ellipse F = G = 0) on
// psiBody +- deltaPsi / 4 in the profile plane, integrated independently:
// on a lifting profile the upper level gets there first (by more than a
// tenth of a second), on a symmetric one at 0 degrees both at once.
TEST(TimeLines, TrailingEdgeLeadIsTheDifferenceOfTheTravelTimes)
{
    struct LeadCase
    {
        TimeCase scene;
        double trailingX;
        bool lifting;
    };
    const LeadCase cases[] = {{{"CamberedSharp", 0.1, 0.1, kSharp, 8.0, 2.0}, 2.0 * kSharp, true},
                              {{"FlatPlate", 0.0, 0.0, 1.0, 8.0, 2.0}, 2.0, true},
                              {{"Ellipse", 0.0, 0.0, 0.9, 0.0, 2.0}, 1.81, false}};
    for (const LeadCase &c : cases) {
        const Scene s(c.scene);
        ASSERT_TRUE(s.lines.ok());
        const double x = s.releaseX(FlowPlane::Profile);
        double arrival[2] = {0.0, 0.0};
        for (const int level : {1, -1}) {
            Point z;
            ASSERT_TRUE(s.releasePoint(FlowPlane::Profile, x, level, z)) << c.scene.name;
            double t = 0.0;
            double before = s.model.map(z).real();
            while (before < c.trailingX && t < 30.0) {
                z = s.model.step(FlowPlane::Profile, z, kStep);
                const double after = s.model.map(z).real();
                if (after >= c.trailingX)
                    t += kStep * (c.trailingX - before) / (after - before);
                else
                    t += kStep;
                before = after;
            }
            arrival[level > 0 ? 0 : 1] = t;
        }
        const double lead = s.lines.trailingEdgeLead();
        EXPECT_NEAR(lead, arrival[0] - arrival[1], 0.01) << c.scene.name;
        if (c.lifting)
            EXPECT_LT(lead, -0.1) << c.scene.name;
        else
            EXPECT_NEAR(lead, 0.0, 0.01) << c.scene.name;
    }
}

// Every time line holds consecutive levels of one release by rising psi, on
// one side of the dividing streamline; the lines come by rising release,
// and two lines of one release are apart only where a level between them
// has no particle or the dividing streamline runs between them. On the body
// that streamline is psiBody, which carries no particle; off the body
// (Gamma = 4.6 pi > 4 pi) it runs through the saddle, u = (z - z0) e^(-i a) =
// -i (g + sqrt(g^2 - 1)) with g = Gamma / 4 pi, and psiBody is a level like
// the others (at Scale 5 and -8 degrees the saddle's level crosses the
// release lines in the panes).
TEST(TimeLines, TimeLinesRunByRisingPsiAndBreakAtTheDividingStreamline)
{
    const double S = 5.0;
    const double T = S / 4.0;
    const double spacing = S / 32.0;
    const wingmap::StreamlineView view{wingmap::PaneExtentsAt(S), 2.0 * S / kCirclePixels,
                                       4.0 * S / kProfilePixels};
    for (const bool onBody : {true, false}) {
        const wingmap::Flow flow(0.1, 0.1, 0.9, onBody ? 8.0 : -8.0,
                                 onBody ? wingmap::FlowCirculation{true, 0.0}
                                        : wingmap::FlowCirculation{false, 4.6 * kPi});
        const Model model(0.1, 0.1, 0.9, flow);
        const double g = flow.gamma() / (4.0 * kPi);
        const double dividing =
            onBody ? 0.0
                   : model.psi(model.z0 +
                               Point(0.0, -(g + std::sqrt(g * g - 1.0))) * std::conj(model.stream));
        const wingmap::TimeLines lines(flow, view);
        ASSERT_TRUE(lines.ok());
        int breaksAtDividing = 0;
        int gaps = 0;
        bool levelZero = false;
        for (const FlowPlane plane : {FlowPlane::Circle, FlowPlane::Profile}) {
            // Later on, faster levels in the middle of a release are gone.
            for (const double t : {4.1 * T, 8.1 * T}) {
                const std::vector<TimeLine> shown = lines.at(t, plane);
                ASSERT_GT(shown.size(), 4u);
                for (std::size_t i = 0; i < shown.size(); ++i) {
                    const TimeLine &line = shown[i];
                    ASSERT_FALSE(line.particles.empty());
                    EXPECT_EQ(line.releasedAt, line.release * T);
                    const bool below = line.particles.front().psi < dividing;
                    for (std::size_t k = 0; k < line.particles.size(); ++k) {
                        const wingmap::Particle &p = line.particles[k];
                        EXPECT_EQ(p.release, line.release);
                        EXPECT_EQ(p.psi, p.level * spacing);
                        EXPECT_EQ(p.psi < dividing, below) << p.level;
                        levelZero = levelZero || p.level == 0;
                        if (k > 0) {
                            EXPECT_EQ(p.level, line.particles[k - 1].level + 1) << t;
                        }
                    }
                    if (i == 0)
                        continue;
                    const TimeLine &previous = shown[i - 1];
                    EXPECT_GE(line.release, previous.release);
                    if (line.release != previous.release)
                        continue;
                    const wingmap::Particle &last = previous.particles.back();
                    const wingmap::Particle &first = line.particles.front();
                    EXPECT_LT(last.psi, first.psi);
                    const bool across = (last.psi < dividing) != (first.psi < dividing);
                    EXPECT_TRUE(first.level != last.level + 1 || across) << first.level;
                    breaksAtDividing += across && (onBody ? last.level == -1 && first.level == 1
                                                          : first.level == last.level + 1);
                    gaps += !across;
                }
            }
        }
        EXPECT_GE(breaksAtDividing, 6) << onBody;
        if (onBody) {
            EXPECT_GT(gaps, 0);
        }
        EXPECT_EQ(levelZero, !onBody);
    }
}

// A particle is dropped once it is more than 1 plot unit beyond the pane's
// downstream edge: a level far from the body loses its particle when the
// independent integration crosses that line, and none is shown beyond it.
TEST(TimeLines, ParticlesAreDroppedOneUnitBeyondTheDownstreamEdge)
{
    for (const TimeCase &c : {TimeCase{"Rounded", 0.1, 0.1, 0.9, 8.0, 2.0},
                              TimeCase{"Turned", 0.1, 0.1, -kSharp, 8.0, 2.0}}) {
        const Scene s(c);
        ASSERT_TRUE(s.lines.ok());
        for (const FlowPlane plane : {FlowPlane::Circle, FlowPlane::Profile}) {
            const double drop = s.halfWidth(plane) + 1.0;
            Point z;
            const int level = 24;
            ASSERT_TRUE(s.releasePoint(plane, s.releaseX(plane), level, z)) << c.name;
            double t = 0.0;
            double before = s.sigma * s.model.in(plane, z).real();
            while (before <= drop && t < 30.0) {
                z = s.model.step(plane, z, kStep);
                const double after = s.sigma * s.model.in(plane, z).real();
                t += after > drop ? kStep * (drop - before) / (after - before) : kStep;
                before = after;
            }
            ASSERT_LT(t, 30.0) << c.name;
            EXPECT_EQ(particlesOf(s.lines, t - 0.02, plane, 0).count(level), 1u) << c.name;
            EXPECT_EQ(particlesOf(s.lines, t + 0.02, plane, 0).count(level), 0u) << c.name;
            for (const TimeLine &line : s.lines.at(30.0, plane))
                for (const wingmap::Particle &p : line.particles)
                    EXPECT_LE(s.sigma * p.at.real(), drop + 1e-9) << c.name;
        }
    }
}

using csvtext::number;
using csvtext::split;

// Written under a German numeric locale: "." decimals, the comment and the
// header, then one row a particle shown, the circle plane first, each
// release by rising psi; psi = j Scale / 32 and t_release = k Scale / 4
// read back exactly, the coordinates to their 6 decimals.
TEST(TimeLines, TextListsTheParticlesShownWithPointsInAGermanLocale)
{
    const double S = 1.25; // psi needs more than 6 decimals
    const double t = 1.3;
    const wingmap::StreamlineView view{wingmap::PaneExtentsAt(S), 2.0 * S / kCirclePixels,
                                       4.0 * S / kProfilePixels};
    const wingmap::Flow flow(0.1, 0.1, 0.9, 4.0, true);
    const wingmap::TimeLines lines(flow, view);
    ASSERT_TRUE(lines.ok());
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
    const std::string text = wingmap::TimeLinesText(flow, lines, t);
    std::setlocale(LC_NUMERIC, previous.c_str());
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    const std::vector<std::string> rows = split(text, '\n');
    ASSERT_GT(rows.size(), 2u);
    const std::string head = "# F=0.1 G=0.1 b=0.9 alpha_deg=4 kutta=1 gamma=";
    const std::string tail = " t=1.3 release_interval=0.3125";
    ASSERT_EQ(rows[0].rfind(head, 0), 0u) << rows[0];
    ASSERT_GT(rows[0].size(), head.size() + tail.size());
    EXPECT_EQ(rows[0].substr(rows[0].size() - tail.size()), tail);
    EXPECT_EQ(number(rows[0].substr(head.size(), rows[0].size() - head.size() - tail.size())),
              flow.gamma());
    EXPECT_EQ(rows[1], "plane,release,level,psi,t_release,x,y");

    std::size_t row = 2;
    for (const FlowPlane plane : {FlowPlane::Circle, FlowPlane::Profile}) {
        const char *name = plane == FlowPlane::Circle ? "circle" : "profile";
        double lastPsi = -INFINITY;
        int lastRelease = -1;
        for (const TimeLine &line : lines.at(t, plane)) {
            for (const wingmap::Particle &p : line.particles) {
                ASSERT_LT(row, rows.size());
                const std::vector<std::string> f = split(rows[row++], ',');
                ASSERT_EQ(f.size(), 7u) << rows[row - 1];
                EXPECT_EQ(f[0], name);
                const int release = static_cast<int>(number(f[1]));
                const int level = static_cast<int>(number(f[2]));
                EXPECT_EQ(release, p.release);
                EXPECT_EQ(level, p.level);
                EXPECT_EQ(number(f[3]), level * S / 32.0);
                EXPECT_EQ(number(f[4]), release * S / 4.0);
                EXPECT_NEAR(number(f[5]), p.at.real(), 5e-7);
                EXPECT_NEAR(number(f[6]), p.at.imag(), 5e-7);
                if (release == lastRelease) {
                    EXPECT_GT(number(f[3]), lastPsi) << rows[row - 1];
                }
                lastRelease = release;
                lastPsi = number(f[3]);
            }
        }
    }
    EXPECT_EQ(row, rows.size());
    const wingmap::Flow refused(0.0, 0.0, 0.0, 4.0, true);
    EXPECT_EQ(wingmap::TimeLinesText(refused, wingmap::TimeLines(refused, view), t), "");
    EXPECT_EQ(wingmap::TimeLinesText(flow, lines, -1.0), "");
}

} // namespace
