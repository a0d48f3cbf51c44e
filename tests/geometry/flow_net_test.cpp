#include "geometry/circle.h"
#include "geometry/flow/equipotentials.h"
#include "geometry/flow/flow.h"
#include "geometry/flow/flow_files.h"
#include "geometry/flow/polar_grid.h"
#include "geometry/flow/potential_branch.h"
#include "geometry/flow/streamlines.h"
#include "tests/geometry/csv_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <complex>
#include <numbers>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
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
    // Re w with the angle of z - z0 continued from `near`.
    double phiNear(Point z, double near) const
    {
        const double theta = near + std::arg((z - z0) * std::polar(1.0, -near));
        return principalPhi(z) - gamma / (2 * kPi) * (theta - std::arg(z - z0));
    }
    Point map(Point z) const { return z + b * b / z; }
    // The root of z^2 - zeta z + b^2 = 0 farther from z0.
    Point preimage(Point zeta) const
    {
        const Point root = std::sqrt(zeta * zeta - 4 * b * b);
        const Point p = (zeta + root) / 2.0, q = (zeta - root) / 2.0;
        return std::abs(p - z0) > std::abs(q - z0) ? p : q;
    }
    // The point of the level curve phi (continued from the angle `near`)
    // nearest to z: Newton's method along grad phi = conj(w').
    Point ontoLevel(Point z, double phi, double near) const
    {
        for (int i = 0; i < 50; ++i) {
            const double miss = phiNear(z, near) - phi;
            z -= miss / dw(z);
            if (std::abs(miss) < 1e-14)
                break;
        }
        return z;
    }
};

// The distance from p to the segment from a to b.
double toSegment(Point p, Point a, Point b)
{
    const double t = std::clamp(((p - a) * std::conj(b - a)).real() / std::norm(b - a), 0.0, 1.0);
    return std::abs(p - (a + t * (b - a)));
}

// Where the segments a-b and c-d cross: the parameters along each, or none.
bool crossing(Point a, Point b, Point c, Point d, double &s, double &t)
{
    const Point r = b - a, q = d - c;
    const double denominator = (std::conj(r) * q).imag();
    if (denominator == 0)
        return false;
    s = (std::conj(c - a) * q).imag() / denominator;
    t = (std::conj(c - a) * r).imag() / denominator;
    return s >= 0 && s <= 1 && t >= 0 && t <= 1;
}

// Whether the box round the chord from p to q meets the pane of half-widths
// (width, height).
bool touches(Point p, Point q, double width, double height)
{
    return std::min(p.real(), q.real()) <= width && std::max(p.real(), q.real()) >= -width &&
           std::min(p.imag(), q.imag()) <= height && std::max(p.imag(), q.imag()) >= -height;
}

using csvtext::number;
using csvtext::split;

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

// The flow net: every vertex on its level of phi (written afresh, continued
// along the line, so a line keeps to one sheet and never crosses the cut),
// every chord within a quarter pixel of the curve in both panes, each end
// on the body, on the cut or beyond both panes, no curve drawn twice, and
// right angles where it crosses the streamlines, in both planes (away from
// the stagnation points and +-b, where the map is not conformal), and every
// level shown drawn.
TEST_P(FlowNet, EquipotentialsLieOnTheirLevelsEndOnTheBoundariesAndCrossStreamlinesSquarely)
{
    const NetCase &c = GetParam();
    const Flow f = flow();
    const Field field = this->field(f);
    const wingmap::StreamlineView v = view();
    const wingmap::Streamlines lines = wingmap::TraceStreamlines(f, v);
    ASSERT_TRUE(lines.ok());
    const wingmap::PotentialBranch branch(f, lines);
    const wingmap::Equipotentials net = wingmap::TraceEquipotentials(f, v, lines, branch);
    ASSERT_TRUE(net.ok());
    const double s = std::abs(c.scale);
    const double dphi = s / 8;
    EXPECT_DOUBLE_EQ(net.deltaPhi, dphi);
    ASSERT_GE(net.lines.size(), 20u);

    // The cut: the downstream dividing streamline, and off the body the ray
    // from the body to the saddle.
    std::vector<Point> cut;
    if (!f.stagnationOnBody())
        cut.push_back(field.z0 +
                      (f.rearStagnation() - field.z0) / std::abs(f.rearStagnation() - field.z0));
    for (const wingmap::Streamline &line : lines.lines)
        if (line.part == wingmap::Streamline::Part::Downstream)
            cut.insert(cut.end(), line.circle.begin(), line.circle.end());
    ASSERT_GE(cut.size(), 2u);
    const auto onCut = [&](Point z) {
        for (std::size_t k = 1; k < cut.size(); ++k)
            if (toSegment(z, cut[k - 1], cut[k]) < 1e-9)
                return true;
        return false;
    };
    const auto beyondPanes = [&](Point z) {
        return v.panes.circle.distanceOutside(z) > 0 &&
               v.panes.profile.distanceOutside(field.map(z)) > 0;
    };

    std::set<std::pair<std::pair<double, double>, std::pair<double, double>>> ends;
    double previousPhi = -1e300;
    for (const wingmap::Equipotential &line : net.lines) {
        ASSERT_GE(line.circle.size(), 2u);
        ASSERT_EQ(line.profile.size(), line.circle.size());
        EXPECT_DOUBLE_EQ(line.phi, line.level * dphi);
        EXPECT_GE(line.phi, previousPhi);
        previousPhi = line.phi;
        // The sheet: the angle of the second vertex continued along the line.
        const Point inner = line.circle[line.circle.size() > 2 ? 1 : 0];
        const double turns = c.kutta || c.gamma != 0
                                 ? std::round((field.principalPhi(inner) - line.phi) / field.gamma)
                                 : 0;
        double angle = std::arg(inner - field.z0);
        for (std::size_t k = 0; k < line.circle.size(); ++k) {
            const Point z = line.circle[k];
            ASSERT_GE(std::abs(z - field.z0), 1 - 1e-12);
            ASSERT_LE(std::abs(line.profile[k] - field.map(z)), 1e-12 * (1 + std::abs(z)));
            angle += k == 0 ? 0 : std::arg((z - field.z0) / (line.circle[k - 1] - field.z0));
            if (k == 0)
                angle = std::arg(inner - field.z0) - std::arg((inner - field.z0) / (z - field.z0));
            ASSERT_NEAR(field.phiNear(z, angle) - turns * field.gamma, line.phi, 1e-6 * dphi)
                << line.level << " " << k;
            if (k == 0)
                continue;
            const Point a = line.circle[k - 1];
            const Point p = line.profile[k - 1];
            const double circleLimit =
                touches(a, z, s, s) ? 0.25 * v.circlePixel : std::max(0.25 * v.circlePixel, 1e-3);
            const double profileLimit = touches(p, line.profile[k], 2 * s, s)
                                            ? 0.25 * v.profilePixel
                                            : std::max(0.25 * v.profilePixel, 1e-3);
            for (const double t : {0.25, 0.5, 0.75}) {
                const double level = line.phi + turns * field.gamma;
                const Point onChord = a + t * (z - a);
                EXPECT_LE(std::abs(field.ontoLevel(onChord, level, angle) - onChord), circleLimit)
                    << line.level << " " << k;
                const Point onImage = p + t * (line.profile[k] - p);
                const Point curve =
                    field.map(field.ontoLevel(field.preimage(onImage), level, angle));
                EXPECT_LE(std::abs(curve - onImage), profileLimit) << line.level << " " << k;
            }
        }
        for (const Point end : {line.circle.front(), line.circle.back()}) {
            const bool onBody = std::abs(std::abs(end - field.z0) - 1) < 1e-9;
            EXPECT_TRUE(onBody || onCut(end) || beyondPanes(end))
                << line.level << " " << end.real() << " " << end.imag();
        }
        std::pair<double, double> first{line.circle.front().real(), line.circle.front().imag()};
        std::pair<double, double> last{line.circle.back().real(), line.circle.back().imag()};
        EXPECT_TRUE(ends.insert({std::min(first, last), std::max(first, last)}).second)
            << "drawn twice: " << line.level;
    }

    // Right angles: the tangents at the point of crossing of the circles
    // through each chord and a neighbouring vertex.
    const auto tangent = [](const std::vector<Point> &points, std::size_t k, double t) {
        const Point a = points[k], b = points[k + 1];
        const Point at = a + t * (b - a);
        const Point chord = (b - a) / std::abs(b - a);
        const Point c = t < 0.5 && k > 0        ? points[k - 1]
                        : k + 2 < points.size() ? points[k + 2]
                        : k > 0                 ? points[k - 1]
                                                : b;
        // The circumcentre of a, b and c.
        const Point ab = b - a, ac = c - a;
        const double d = 2 * (std::conj(ab) * ac).imag();
        if (std::abs(d) < 1e-15)
            return chord;
        const Point centre = a + kI * (std::norm(ac) * ab - std::norm(ab) * ac) / d;
        // On the arc near the chord the radius to it is the normal.
        Point along = kI * (at - centre);
        along /= std::abs(along);
        return (std::conj(along) * chord).real() < 0 ? -along : along;
    };
    const auto away = [&](Point z) {
        return std::abs(z - f.frontStagnation()) > 0.1 && std::abs(z - f.rearStagnation()) > 0.1 &&
               std::abs(z - field.b) > 0.1 && std::abs(z + field.b) > 0.1;
    };
    int crossings = 0;
    for (const bool profile : {false, true}) {
        for (const wingmap::Equipotential &e : net.lines) {
            const std::vector<Point> &ep = profile ? e.profile : e.circle;
            for (const wingmap::Streamline &l : lines.lines) {
                const std::vector<Point> &lp = profile ? l.profile : l.circle;
                for (std::size_t i = 0; i + 1 < ep.size(); ++i) {
                    if (!away(e.circle[i]) || v.panes.circle.distanceOutside(e.circle[i]) > 0)
                        continue;
                    for (std::size_t j = 0; j + 1 < lp.size(); ++j) {
                        double si = 0, tj = 0;
                        if (!crossing(ep[i], ep[i + 1], lp[j], lp[j + 1], si, tj))
                            continue;
                        const double cosine =
                            (std::conj(tangent(ep, i, si)) * tangent(lp, j, tj)).real();
                        EXPECT_LT(std::abs(cosine), 0.05)
                            << profile << " " << e.level << " " << l.level;
                        ++crossings;
                    }
                }
            }
        }
    }
    EXPECT_GT(crossings, 100);

    // Every level the panes show is drawn: all of them without circulation
    // (phi is single-valued), those upstream of z0 with it. There the
    // branch's angle lies within a quarter turn of alpha_x + pi (the cut runs
    // downstream), so phi is written afresh with that angle.
    std::set<int> levels;
    for (const wingmap::Equipotential &line : net.lines)
        levels.insert(line.level);
    double low = 1e300, high = -1e300;
    for (int i = 0; i <= 60; ++i) {
        for (int j = 0; j <= 60; ++j) {
            const double x = i / 30.0 - 1, y = j / 30.0 - 1;
            for (const Point z : {Point(x * s, y * s), field.preimage(Point(2 * x * s, y * s))}) {
                const Point u = (z - field.z0) * std::polar(1.0, -field.alphaX);
                if (std::abs(u) <= 1 || (u.real() >= 0 && field.gamma != 0))
                    continue;
                const double phi = field.phiNear(z, field.alphaX + kPi);
                low = std::min(low, phi);
                high = std::max(high, phi);
            }
        }
    }
    ASSERT_LT(low, high);
    for (int k = static_cast<int>(std::ceil(low / dphi)); k * dphi <= high; ++k)
        EXPECT_EQ(levels.count(k), 1u) << k;
}

// The grid: rings of radius 1 + m |Scale| / 8 about z0 while any of one
// shows in either pane, rays every 15 degrees from the body out beyond both
// panes, each image vertex z + b^2 / z of its vertex, and each chord within
// a quarter pixel of its curve in both panes.
TEST_P(FlowNet, PolarGridAndItsImage)
{
    const NetCase &c = GetParam();
    const Flow f = flow();
    const Field field = this->field(f);
    const wingmap::StreamlineView v = view();
    const std::vector<wingmap::GridLine> grid = wingmap::PolarGrid(f.circle(), v);
    const double s = std::abs(c.scale);
    const auto shows = [&](Point z) {
        return v.panes.circle.distanceOutside(z) == 0 ||
               v.panes.profile.distanceOutside(field.map(z)) == 0;
    };
    int rings = 0;
    std::vector<double> rays;
    for (const wingmap::GridLine &line : grid) {
        ASSERT_GE(line.circle.size(), 2u);
        ASSERT_EQ(line.profile.size(), line.circle.size());
        const bool ring = line.kind == wingmap::GridLine::Kind::Ring;
        if (ring) {
            ++rings;
            EXPECT_NEAR(line.value, 1 + rings * s / 8, 1e-12);
            EXPECT_EQ(line.circle.front(), line.circle.back());
        } else {
            rays.push_back(line.value);
            EXPECT_NEAR(std::abs(line.circle.front() - field.z0), 1, 1e-12);
            EXPECT_FALSE(shows(line.circle.back()));
        }
        bool seen = false;
        for (std::size_t k = 0; k < line.circle.size(); ++k) {
            const Point z = line.circle[k];
            seen = seen || shows(z);
            ASSERT_LE(std::abs(line.profile[k] - field.map(z)), 1e-12 * (1 + std::abs(z)));
            if (ring) {
                ASSERT_NEAR(std::abs(z - field.z0), line.value, 1e-12);
            } else {
                ASSERT_NEAR(std::remainder(std::arg(z - field.z0) * 180 / kPi - line.value, 360), 0,
                            1e-9);
            }
            if (k == 0)
                continue;
            // Points of the curve between the two vertices, by the angle or
            // the radius, against the chord and its image.
            const Point a = line.circle[k - 1] - field.z0, b = z - field.z0;
            for (const double t : {0.25, 0.5, 0.75}) {
                const Point curve = ring ? field.z0 + a * std::polar(1.0, t * std::arg(b / a))
                                         : field.z0 + a + t * (b - a);
                EXPECT_LE(toSegment(curve, line.circle[k - 1], z), 0.25 * v.circlePixel);
                EXPECT_LE(toSegment(field.map(curve), line.profile[k - 1], line.profile[k]),
                          0.25 * v.profilePixel)
                    << line.value << " " << k;
            }
        }
        if (ring) {
            EXPECT_TRUE(seen) << line.value;
        }
    }
    // The next ring shows nowhere.
    const double next = 1 + (rings + 1) * s / 8;
    for (int k = 0; k < 36000; ++k)
        ASSERT_FALSE(shows(field.z0 + std::polar(next, 2 * kPi * k / 36000))) << k;
    ASSERT_EQ(rays.size(), 24u);
    for (std::size_t k = 0; k < rays.size(); ++k)
        EXPECT_EQ(rays[k], 15.0 * k);
}

// The net's file, written under a German numeric locale: the comment line,
// the header, one row a vertex in the circle plane and then of the images,
// lines numbered from 1 alike in both, "." decimals.
TEST_P(FlowNet, EquipotentialsTextHasEveryVertexWithPoints)
{
    const Flow f = flow();
    const wingmap::StreamlineView v = view();
    const wingmap::Streamlines lines = wingmap::TraceStreamlines(f, v);
    const wingmap::PotentialBranch branch(f, lines);
    const wingmap::Equipotentials net = wingmap::TraceEquipotentials(f, v, lines, branch);
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
    const std::string text = wingmap::EquipotentialsText(f, net);
    std::setlocale(LC_NUMERIC, previous.c_str());
    ASSERT_FALSE(text.empty());
    ASSERT_EQ(text.back(), '\n');
    const std::vector<std::string> rows = split(text, '\n');
    const std::vector<std::string> comment = split(rows[0], ' ');
    ASSERT_EQ(comment.size(), 8u) << rows[0];
    const char *keys[] = {"#", "F=", "G=", "b=", "alpha_deg=", "kutta=", "delta_phi=", "gamma="};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(comment[k].rfind(keys[k], 0), 0u) << rows[0];
    EXPECT_EQ(number(comment[6].substr(10)), net.deltaPhi);
    EXPECT_EQ(number(comment[7].substr(6)), f.gamma());
    EXPECT_EQ(rows[1], "plane,line,phi,x,y");
    std::size_t row = 2;
    for (const char *plane : {"circle", "profile"}) {
        for (std::size_t n = 0; n < net.lines.size(); ++n) {
            const wingmap::Equipotential &line = net.lines[n];
            const std::vector<Point> &points = plane[0] == 'c' ? line.circle : line.profile;
            for (const Point p : points) {
                ASSERT_LT(row, rows.size());
                const std::vector<std::string> fields = split(rows[row++], ',');
                ASSERT_EQ(fields.size(), 5u) << rows[row - 1];
                EXPECT_EQ(fields[0], plane);
                EXPECT_EQ(fields[1], std::to_string(n + 1));
                EXPECT_EQ(number(fields[2]), line.phi);
                EXPECT_EQ(fields[3].size() - fields[3].find('.'), 7u) << fields[3];
                EXPECT_NEAR(number(fields[3]), p.real(), 5e-7);
                EXPECT_NEAR(number(fields[4]), p.imag(), 5e-7);
            }
        }
    }
    EXPECT_EQ(row, rows.size());
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

// What the streamlines refuse, the net refuses as they did; the grid of a
// view of no size is empty.
TEST(FlowNetRefusals, FollowTheStreamlines)
{
    const Flow flow(0.1, 0.1, kSharp, 8, true);
    const wingmap::PaneExtents panes = wingmap::PaneExtentsAt(0);
    const wingmap::StreamlineView bad{panes, 0.01, 0.01};
    const wingmap::Streamlines lines = wingmap::TraceStreamlines(flow, bad);
    ASSERT_EQ(lines.failure, wingmap::StreamlineFailure::BadView);
    const wingmap::PotentialBranch branch(flow, lines);
    const wingmap::Equipotentials net = wingmap::TraceEquipotentials(flow, bad, lines, branch);
    EXPECT_EQ(net.failure, wingmap::StreamlineFailure::BadView);
    EXPECT_TRUE(net.lines.empty());
    EXPECT_EQ(wingmap::EquipotentialsText(flow, net), "");
    EXPECT_TRUE(wingmap::PolarGrid(flow.circle(), bad).empty());
}

} // namespace
