#include "geometry/flow/polar_grid.h"

#include "geometry/circle.h"
#include "geometry/flow/private/level_tracer.h"
#include "geometry/numeric/complex_numbers.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace wingmap {

using numeric::kTwoPi;

namespace {

constexpr double kRingsAcross = 8.0; // rings 1 + m |Scale| / 8 apart
constexpr double kRayDegrees = 15.0;
constexpr int kRingPieces = 64;
constexpr int kRayPieces = 16;
constexpr int kMaxHalvings = 40;
constexpr int kRingSamples = 1440;
// Rays run this far beyond the farthest point of either pane's edges.
constexpr double kBeyond = 1.05;

// The distance of p from the chord from a to b.
double FromChord(std::complex<double> p, std::complex<double> a, std::complex<double> b)
{
    const std::complex<double> d = b - a;
    const double length = std::abs(d);
    if (!(length > 0.0))
        return std::abs(p - a);
    const double t = std::clamp(((p - a) * std::conj(d)).real() / (length * length), 0.0, 1.0);
    return std::abs(p - (a + t * d));
}

class GridTracer
{
public:
    GridTracer(const Circle &circle, const StreamlineView &view)
        : m_circle(circle), m_circleTolerance(AimedSagitta(view.circlePixel)),
          m_profileTolerance(AimedSagitta(view.profilePixel))
    {
    }

    // The curve z(t), t from 0 to 1, in `pieces` equal parameter steps, each
    // halved until the curve's points at a quarter, half and three quarters
    // of its parameter lie within the sagitta aimed at of its chord, in both
    // planes.
    GridLine line(GridLine::Kind kind, double value,
                  const std::function<std::complex<double>(double)> &at, int pieces) const
    {
        GridLine line{kind, value, {at(0.0)}, {}};
        for (int k = 0; k < pieces; ++k)
            refine(at, double(k) / pieces, double(k + 1) / pieces, line.circle.back(),
                   at(double(k + 1) / pieces), 0, line.circle);
        line.profile.reserve(line.circle.size());
        for (const std::complex<double> z : line.circle)
            line.profile.push_back(m_circle.map(z));
        return line;
    }

private:
    void refine(const std::function<std::complex<double>(double)> &at, double t0, double t1,
                std::complex<double> a, std::complex<double> b, int depth,
                std::vector<std::complex<double>> &points) const
    {
        bool close = depth >= kMaxHalvings;
        const std::complex<double> imageA = m_circle.map(a);
        const std::complex<double> imageB = m_circle.map(b);
        for (const double f : {0.25, 0.5, 0.75}) {
            if (close)
                break;
            const std::complex<double> p = at(t0 + f * (t1 - t0));
            close = FromChord(p, a, b) <= m_circleTolerance &&
                    FromChord(m_circle.map(p), imageA, imageB) <= m_profileTolerance;
            if (!close)
                break;
        }
        if (close) {
            points.push_back(b);
            return;
        }
        const double middle = 0.5 * (t0 + t1);
        const std::complex<double> m = at(middle);
        refine(at, t0, middle, a, m, depth + 1, points);
        refine(at, middle, t1, m, b, depth + 1, points);
    }

    const Circle &m_circle;
    double m_circleTolerance;
    double m_profileTolerance;
};

} // namespace

std::vector<GridLine> PolarGrid(const Circle &circle, const StreamlineView &view)
{
    std::vector<GridLine> grid;
    if (!ViewUsable(view))
        return grid;
    const std::complex<double> centre = circle.centre();
    double farthest = 0.0;
    for (const std::complex<double> z : PaneEdgePoints(circle, view.panes))
        farthest = std::max(farthest, std::abs(z - centre));
    const GridTracer tracer(circle, view);
    const double spacing = view.panes.circle.halfWidth() / kRingsAcross;

    // A ring shows when a point of it lies in the circle pane or its image
    // in the profile pane; beyond the farthest point of the panes' edges
    // none does.
    const auto shows = [&](double radius) {
        for (int k = 0; k < kRingSamples; ++k) {
            const std::complex<double> z = centre + std::polar(radius, kTwoPi * k / kRingSamples);
            if (view.panes.circle.distanceOutside(z) == 0.0 ||
                view.panes.profile.distanceOutside(circle.map(z)) == 0.0)
                return true;
        }
        return false;
    };
    for (int m = 1;; ++m) {
        const double radius = Circle::radius() + m * spacing;
        if (radius > farthest)
            break;
        if (!shows(radius))
            continue;
        grid.push_back(tracer.line(
            GridLine::Kind::Ring, radius,
            [&](double t) { return centre + std::polar(radius, kTwoPi * t); }, kRingPieces));
        // The last vertex is the first.
        grid.back().circle.back() = grid.back().circle.front();
        grid.back().profile.back() = grid.back().profile.front();
    }
    const double outer = kBeyond * farthest;
    for (int k = 0; k * kRayDegrees < 360.0; ++k) {
        const double degrees = k * kRayDegrees;
        const std::complex<double> direction = std::polar(1.0, degrees * std::numbers::pi / 180.0);
        grid.push_back(tracer.line(
            GridLine::Kind::Ray, degrees,
            [&](double t) {
                return centre + (Circle::radius() + t * (outer - Circle::radius())) * direction;
            },
            kRayPieces));
    }
    return grid;
}

} // namespace wingmap
