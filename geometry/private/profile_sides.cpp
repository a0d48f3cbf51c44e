#include "geometry/private/profile_sides.h"

#include "geometry/numeric/bracketed_newton.h"
#include "geometry/numeric/complex_numbers.h"
#include "geometry/private/edge_search.h"
#include "geometry/private/profile_curve.h"
#include "geometry/private/self_crossing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wingmap {

using numeric::isFinite;
using numeric::kTwoPi;

namespace {

// Beyond this the squares of the profile's distances leave the double range.
constexpr double kLargestReach = 1e150;

// Samples this close in angle to an edge add nothing to a side.
constexpr double kEdgeAngleGap = 1e-9;

// Chord fractions: how far a side may step back along the chord (rounding)
// before it counts as turning back, and when a solve along a side is done.
constexpr double kFoldTolerance = 1e-9;
// Between two samples a side is looked at again in angle steps of at most
// this fraction of the arc's least distance from the origin, b^2/z changing
// on that scale; at most kMaxFoldSteps steps an interval.
constexpr double kFoldStep = 0.25;
constexpr double kMaxFoldSteps = 1 << 14;
constexpr double kSolveTolerance = 1e-12;
constexpr int kMaxSolveSteps = 60;
// Mean heights of the two sides closer than this (chord fractions) differ by
// rounding alone.
constexpr double kSideAreaRounding = 1e-12;

} // namespace

ProfileSides::ProfileSides(double F, double G, double b) : m_circle(F, G, b)
{
    if (!std::isfinite(F) || !std::isfinite(G) || !std::isfinite(b) || b == 0.0) {
        m_failure = ShapeFailure::NotSampled;
        return;
    }
    const std::complex<double> centre = m_circle.centre();
    const double bSquared = m_circle.bSquared();
    // The circle must enclose the origin, where b^2/z has its pole.
    if (!std::isfinite(bSquared) || !isFinite(centre) || std::norm(centre) >= Circle::radius()) {
        m_failure = ShapeFailure::NotSampled;
        return;
    }
    // The profile reaches at most this far from the origin; squared
    // distances between its points must stay finite.
    const double reach = 1.0 + std::abs(centre) + bSquared / (1.0 - std::abs(centre));
    if (!(reach < kLargestReach)) {
        m_failure = ShapeFailure::NotSampled;
        return;
    }

    if (!SampleProfileRing(m_circle, m_ring)) {
        m_failure = ShapeFailure::NotSampled;
        return;
    }
    if (ProfileCrossesItself(m_circle)) {
        m_failure = ShapeFailure::SelfCrossing;
        return;
    }
    const ProfileEdges edges = FindProfileEdges(m_circle, m_ring);
    m_leadingAngle = edges.leadingAngle;
    m_trailingAngle = edges.trailingAngle;
    m_leading = edges.leading;
    m_trailing = edges.trailing;
    m_chord = std::abs(m_trailing - m_leading);
    m_frameScale = numeric::reciprocal(m_trailing - m_leading);
    if (!std::isfinite(m_chord) || !(m_chord > 0.0)) {
        m_failure = ShapeFailure::NotSampled;
        return;
    }
    splitIntoSides();
    if (!sidesAreSingleValued())
        m_failure = ShapeFailure::NotSingleValued;
}

std::complex<double> ProfileSides::toFrame(std::complex<double> zeta) const
{
    return (zeta - m_leading) * m_frameScale;
}

// Walks the circle from the leading edge: the samples up to the trailing edge
// make the first side, the rest the second side back to the leading edge.
void ProfileSides::splitIntoSides()
{
    const double start = m_leadingAngle;
    const double trailing = m_trailingAngle;
    m_samples.clear();
    m_samples.reserve(m_ring.size() + 3);
    m_samples.push_back({start, toFrame(m_leading)});
    const auto first = static_cast<std::size_t>(
        std::upper_bound(m_ring.begin(), m_ring.end(), start,
                         [](double angle, const ProfileSample &s) { return angle < s.angle; }) -
        m_ring.begin());
    bool trailingPlaced = false;
    const auto placeTrailing = [&] {
        m_trailingIndex = m_samples.size();
        m_samples.push_back({trailing, toFrame(m_trailing)});
        trailingPlaced = true;
    };
    for (std::size_t n = 0; n < m_ring.size(); ++n) {
        const ProfileSample &s = m_ring[(first + n) % m_ring.size()];
        const double angle = first + n < m_ring.size() ? s.angle : s.angle + kTwoPi;
        if (!trailingPlaced && angle >= trailing - kEdgeAngleGap)
            placeTrailing();
        const bool nearEdge = angle < start + kEdgeAngleGap ||
                              std::abs(angle - trailing) < kEdgeAngleGap ||
                              angle > start + kTwoPi - kEdgeAngleGap;
        if (!nearEdge)
            m_samples.push_back({angle, toFrame(s.point)});
    }
    if (!trailingPlaced)
        placeTrailing();
    m_samples.push_back({start + kTwoPi, toFrame(m_leading)});

    // Mean height of each side over the chord: the integral of y dx.
    double firstArea = 0.0;
    double secondArea = 0.0;
    for (std::size_t k = 0; k + 1 < m_samples.size(); ++k) {
        const std::complex<double> p = m_samples[k].point;
        const std::complex<double> q = m_samples[k + 1].point;
        const double strip = 0.5 * (p.imag() + q.imag()) * (q.real() - p.real());
        if (k < m_trailingIndex)
            firstArea += strip;
        else
            secondArea -= strip;
    }
    // Walked by rising angle the profile runs counter-clockwise, so the second
    // side is the higher one; where the two differ only by rounding (a flat
    // plate or a circular arc, whose sides share their points) it is still
    // the side the circle reaches counter-clockwise from the trailing edge,
    // which the flow passes above.
    m_firstSideIsUpper = firstArea > secondArea + kSideAreaRounding;
}

// Where the circle passes close to the origin, the map can fold a side back
// over an arc far shorter than the samples' spacing (a spike that the
// samples on either side do not see), so each interval is walked on the
// exact curve in steps short against its distance from the origin.
bool ProfileSides::sidesAreSingleValued() const
{
    // The circle point nearest to the origin, and its distance.
    const double nearestAngle = m_circle.angleOf(0.0);
    const double nearestDistance = Circle::radius() - std::abs(m_circle.centre());
    const auto frameX = [this](double angle) {
        return toFrame(m_circle.map(m_circle.pointAt(angle))).real();
    };
    for (std::size_t k = 0; k + 1 < m_samples.size(); ++k) {
        const double sign = k < m_trailingIndex ? 1.0 : -1.0;
        const ProfileSample &from = m_samples[k];
        const ProfileSample &to = m_samples[k + 1];
        const double arc = to.angle - from.angle;
        const double turns = std::ceil((from.angle - nearestAngle) / kTwoPi);
        const bool passesNearest = nearestAngle + turns * kTwoPi <= to.angle;
        const double least = passesNearest ? nearestDistance
                                           : std::min(std::abs(m_circle.pointAt(from.angle)),
                                                      std::abs(m_circle.pointAt(to.angle)));
        const double steps = std::min(std::ceil(arc / (kFoldStep * least)), kMaxFoldSteps);
        double previous = from.point.real();
        for (double j = 1.0; j < steps; ++j) {
            const double x = frameX(from.angle + arc * (j / steps));
            if (sign * (x - previous) < -kFoldTolerance)
                return false;
            previous = x;
        }
        if (sign * (to.point.real() - previous) < -kFoldTolerance)
            return false;
    }
    return true;
}

ProfileSides::SidePoint ProfileSides::sidePointAt(Side side, double x) const
{
    const bool first = (side == Side::Upper) == m_firstSideIsUpper;
    if (!(x > 0.0))
        return {m_samples[0].point, m_leadingAngle};
    if (x >= 1.0)
        return {m_samples[m_trailingIndex].point, m_trailingAngle};

    // The bracketing samples: x grows along the first side, shrinks along the second.
    const ProfileSample *begin = first ? &m_samples[0] : &m_samples[m_trailingIndex];
    const ProfileSample *end =
        first ? &m_samples[m_trailingIndex] + 1 : m_samples.data() + m_samples.size();
    const ProfileSample *after =
        std::partition_point(begin + 1, end - 1, [x, first](const ProfileSample &s) {
            return first ? s.point.real() < x : s.point.real() > x;
        });
    const ProfileSample *before = after - 1;

    // Newton's method on x(angle) = x, kept inside the bracket by bisection.
    const double low = before->angle;
    const double high = after->angle;
    const double lowValue = before->point.real() - x;
    const double span = after->point.real() - before->point.real();
    const double start = span != 0.0 ? low + (high - low) * (-lowValue / span) : 0.5 * (low + high);
    SidePoint found;
    numeric::BracketedNewton(
        low, high, lowValue, start, kSolveTolerance, kMaxSolveSteps, [&](double angle) {
            const CurvePoint c = CurveAt(m_circle, angle, false);
            found = {toFrame(c.zeta), angle};
            return numeric::NewtonValue{found.point.real() - x, (c.slope * m_frameScale).real()};
        });
    return found;
}

} // namespace wingmap
