#include "geometry/flow/flow.h"
#include "geometry/flow/flow_files.h"
#include "geometry/flow/time_lines.h"

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
    Point from(FlowPlane plane, Point p) const { return plane == FlowPlane::Circle ? p : inverse(p); }
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
        : flow(c.F, c.G, c.b, c.alpha, true), model(c.F, c.G, c.b, flow),
          view{wingmap::PaneExtentsAt(c.scale), 2.0 * c.scale / kCirclePixels,
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
            upstream = std::min(upstream, sigma * model.in(plane, model.z0 + std::polar(1.0, i * 2e-5 * kPi)).real());
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

} // namespace
