#include "geometry/circle.h"
#include "geometry/flow/flow.h"
#include "geometry/flow/potential_branch.h"
#include "geometry/flow/streamlines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

using wingmap::Flow;
using wingmap::FlowCirculation;
using Point = std::complex<double>;

namespace {

constexpr double kPi = std::numbers::pi;
const Point kI(0, 1);

// The flow written out afresh, as in the textbooks: centre z0 = -Fb + iGb,
// radius 1, stream at alpha_x, circulation gamma (clockwise),
// w = (z - z0) e^(-i ax) + e^(i ax) / (z - z0) + (i gamma / 2 pi) ln(z - z0).
struct Field
{
    Point z0;
    double b, alphaX, gamma;

    Point dw(Point z) const
    {
        const Point s = z - z0;
        return std::polar(1.0, -alphaX) - std::polar(1.0, alphaX) / (s * s) +
               kI * gamma / (2 * kPi * s);
    }
    // Re w with the angle of z - z0 in (-pi, pi].
    double principalPhi(Point z) const
    {
        const Point s = z - z0;
        return (s * std::polar(1.0, -alphaX) + std::polar(1.0, alphaX) / s).real() -
               gamma / (2 * kPi) * std::arg(s);
    }
    Point map(Point z) const { return z + b * b / z; }
};

struct NetCase
{
    const char *name;
    double F, G, b, alpha;
    bool kutta;
    double gamma; // without the Kutta condition
    double scale;
    int width; // the circle pane's pixels; the profile pane is twice as wide
};

void PrintTo(const NetCase &c, std::ostream *os)
{
    *os << c.name;
}

const double kSharp = wingmap::SharpEdgeB(0.1, 0.1);

class FlowNet : public testing::TestWithParam<NetCase>
{
protected:
    Flow flow() const
    {
        const NetCase &c = GetParam();
        return Flow(c.F, c.G, c.b, c.alpha, FlowCirculation{c.kutta, c.gamma});
    }
    wingmap::StreamlineView view() const
    {
        const NetCase &c = GetParam();
        const wingmap::PaneExtents panes = wingmap::PaneExtentsAt(c.scale);
        return {panes, panes.circle.pixelSize(c.width), panes.profile.pixelSize(2 * c.width)};
    }
    Field field(const Flow &f) const
    {
        const NetCase &c = GetParam();
        return {Point(-c.F * c.b, c.G * c.b), c.b, f.alphaX(), f.gamma()};
    }
};

// phi on the branch is Re w up to whole circulations; it is continuous off
// the cut (across the principal branch's own cut too) and jumps by Gamma
// across it, greater on its left (counter-clockwise about z0).
TEST_P(FlowNet, BranchIsContinuousOffTheCutAndJumpsByGammaAcrossIt)
{
    const Flow f = flow();
    ASSERT_TRUE(f.ok());
    const Field field = this->field(f);
    const wingmap::Streamlines lines = wingmap::TraceStreamlines(f, view());
    ASSERT_TRUE(lines.ok());
    const wingmap::PotentialBranch branch(f, lines);
    const double gamma = field.gamma;

    // A ring of points about z0 at several radii: whole multiples of Gamma
    // from Re w, and changing by Gamma only between neighbours either side
    // of the cut (one pair per ring), by little between all others.
    for (const double r : {1.0 + 1e-9, 1.3, 2.0, 3.7, 9.0}) {
        constexpr int kAround = 2000;
        int jumps = 0;
        double previous = branch.phi(field.z0 + std::polar(r, -kPi));
        for (int i = 0; i <= kAround; ++i) {
            const Point z = field.z0 + std::polar(r, -kPi + 2 * kPi * i / kAround);
            const double phi = branch.phi(z);
            if (gamma != 0) {
                const double turns = (field.principalPhi(z) - phi) / gamma;
                ASSERT_NEAR(turns, std::round(turns), 1e-9) << r << " " << i;
            } else {
                ASSERT_NEAR(phi, field.principalPhi(z), 1e-12);
            }
            const double step = phi - previous;
            previous = phi;
            if (i == 0)
                continue;
            // Between neighbours 2 pi r / 2000 apart phi changes by at most
            // that times the largest speed, |dw/dz| <= 2 + |gamma| / 2 pi r.
            const double smooth = 2 * kPi * r / kAround * (2 + std::abs(gamma) / (2 * kPi));
            if (std::abs(step) > smooth) {
                ++jumps;
                // Counter-clockwise across the cut: up by Gamma.
                EXPECT_NEAR(step, gamma, smooth) << r << " " << i;
            }
        }
        EXPECT_EQ(jumps, gamma == 0 ? 0 : 1) << r;
    }

    // Either side of the traced downstream dividing streamline, a hundredth
    // of a chord's length off it at the chord's middle.
    for (const wingmap::Streamline &line : lines.lines) {
        if (line.part != wingmap::Streamline::Part::Downstream)
            continue;
        for (std::size_t k = 1; k < line.circle.size(); k += 7) {
            const Point a = line.circle[k - 1], b = line.circle[k];
            const Point middle = 0.5 * (a + b);
            const Point left = kI * (b - a) * 0.01;
            if (std::abs(middle - field.z0) < 1 + 2 * std::abs(left))
                continue;
            EXPECT_NEAR(branch.phi(middle + left) - branch.phi(middle - left), gamma,
                        1e-6 + 0.1 * std::abs(left) * std::abs(field.dw(middle)))
                << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    States, FlowNet,
    testing::Values(NetCase{"plate", 0, 0, 1, 6, true, 0, 2, 300},
                    NetCase{"cambered", 0.1, 0.1, kSharp, 8, true, 0, 2, 300},
                    NetCase{"roundedWith", 0.1, 0.1, 0.9, -5, false, -4, 1.5, 300},
                    NetCase{"roundedWithout", 0.1, 0.1, 0.9, 10, false, 0, 1.5, 300},
                    NetCase{"offBody", 0.1, 0.1, kSharp, 4, false, 15, 2, 300},
                    NetCase{"offBodyBelow", 0, 0, 1, 4, false, -20, 3, 300}),
    [](const testing::TestParamInfo<NetCase> &info) { return std::string(info.param.name); });

} // namespace
