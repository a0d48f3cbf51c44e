#include "geometry/profile_sides.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace wingmap {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Beyond this the squares of the profile's distances leave the double range.
constexpr double kLargestReach = 1e150;

// The circle is sampled at equal angles first. Where two neighbours lie
// farther apart in the profile than kMaxGap of its extent (near the origin,
// which the map blows up, when the circle passes close to it), the angle
// step between them is halved, at most kMaxRefineDepth times.
constexpr std::size_t kGridSize = 128;
constexpr double kGridStep = kTwoPi / kGridSize;
constexpr double kMaxGap = 1.0 / 32.0;
constexpr int kMaxRefineDepth = 14;
constexpr std::size_t kMaxSamples = 4096;

// The edges: every second sample is paired with every other (a quarter of
// the work; Newton's method needs no finer seeds), the widest pairs, and any
// within kCandidateMargin of them that the seeds may have misjudged, are
// refined on the exact curve. Newton's steps are at most the seeds' spacing
// (radians); once one is shorter than kNewtonSettled, the next would be of
// the order of its square.
constexpr std::size_t kSeedStride = 2;
constexpr double kMaxEdgeStep = kGridStep * kSeedStride;
constexpr double kCandidateMargin = 0.01;
constexpr std::size_t kMaxEdgeCandidates = 6;
constexpr int kMaxEdgeSteps = 50;
constexpr int kMaxHalvings = 40;
constexpr double kEdgeAngleTolerance = 1e-12;
constexpr double kNewtonSettled = 1e-6;

// Distances in the circle's plane, whose radius is 1. A meeting of the circle
// with its mirror image this close to +-b is the sharp trailing edge (a
// tangency spoilt by rounding), not a crossing: a loop it could hide is of
// the order of the square of this in the profile.
constexpr double kFixedPointTolerance = 1e-6;
constexpr double kSameCircleTolerance = 1e-9;

// Samples this close in angle to an edge add nothing to a side.
constexpr double kEdgeAngleGap = 1e-9;

// Chord fractions: how far a side may step back along the chord (rounding)
// before it counts as turning back, and when a solve along a side is done.
constexpr double kFoldTolerance = 1e-9;
constexpr double kSolveTolerance = 1e-12;
constexpr int kMaxSolveSteps = 60;

struct CurvePoint
{
    std::complex<double> zeta;  // the profile point
    std::complex<double> slope; // d zeta / d angle
    std::complex<double> bend;  // d^2 zeta / d angle^2, only when asked for
};

// The profile point of the circle point centre + e^(i angle) and its
// derivatives along the circle: with dz/d angle = i e, zeta' = i e zeta_z and
// zeta'' = -e zeta_z - e^2 zeta_zz.
CurvePoint curveAt(const Circle &circle, double angle, bool withBend)
{
    const std::complex<double> e(std::cos(angle), std::sin(angle));
    const std::complex<double> z = circle.pointToward(e);
    const std::complex<double> squeeze = circle.derivative(z);
    CurvePoint point{circle.map(z), std::complex<double>(-e.imag(), e.real()) * squeeze, {}};
    if (withBend)
        point.bend = -e * squeeze - e * e * circle.secondDerivative(z);
    return point;
}

// The same angle in [0, 2 pi).
double wrapped(double angle)
{
    const double turn = std::fmod(angle, kTwoPi);
    return turn < 0.0 ? turn + kTwoPi : turn;
}

bool isFinite(std::complex<double> z)
{
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

const std::array<std::complex<double>, kGridSize> &gridDirections()
{
    static const auto directions = [] {
        std::array<std::complex<double>, kGridSize> d;
        for (std::size_t i = 0; i < kGridSize; ++i)
            d[i] = std::polar(1.0, kGridStep * static_cast<double>(i));
        return d;
    }();
    return directions;
}

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

    if (!sampleRing()) {
        m_failure = ShapeFailure::NotSampled;
        return;
    }
    if (crossesItself()) {
        m_failure = ShapeFailure::SelfCrossing;
        return;
    }
    findEdges();
    if (!std::isfinite(m_chord) || !(m_chord > 0.0)) {
        m_failure = ShapeFailure::NotSampled;
        return;
    }
    splitIntoSides();
    if (!sidesAreSingleValued())
        m_failure = ShapeFailure::NotSingleValued;
}

std::complex<double> ProfileSides::zetaFrom(std::complex<double> direction) const
{
    return m_circle.map(m_circle.pointToward(direction));
}

std::complex<double> ProfileSides::zeta(double angle) const
{
    return zetaFrom({std::cos(angle), std::sin(angle)});
}

std::complex<double> ProfileSides::toFrame(std::complex<double> zeta) const
{
    return (zeta - m_leading) * m_frameScale;
}

bool ProfileSides::sampleRing()
{
    std::array<Sample, kGridSize> grid;
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    std::complex<double> low(kInfinity, kInfinity);
    std::complex<double> high(-kInfinity, -kInfinity);
    for (std::size_t i = 0; i < kGridSize; ++i) {
        grid[i] = {kGridStep * static_cast<double>(i), zetaFrom(gridDirections()[i])};
        const std::complex<double> p = grid[i].point;
        low = {std::min(low.real(), p.real()), std::min(low.imag(), p.imag())};
        high = {std::max(high.real(), p.real()), std::max(high.imag(), p.imag())};
    }
    const double gap = kMaxGap * std::max(high.real() - low.real(), high.imag() - low.imag());

    m_ring.clear();
    m_ring.reserve(2 * kGridSize);
    for (std::size_t i = 0; i < kGridSize; ++i) {
        Sample next = grid[(i + 1) % kGridSize];
        if (i + 1 == kGridSize)
            next.angle = kTwoPi;
        m_ring.push_back(grid[i]);
        refine(grid[i], next, gap, 0);
    }
    return std::isfinite(gap) && std::all_of(m_ring.begin(), m_ring.end(),
                                             [](const Sample &s) { return isFinite(s.point); });
}

// Adds, in order of angle, the samples between two neighbours that are too
// far apart in the profile.
void ProfileSides::refine(const Sample &from, const Sample &to, double gap, int depth)
{
    if (depth >= kMaxRefineDepth || m_ring.size() >= kMaxSamples ||
        !(std::abs(to.point - from.point) > gap))
        return;
    const double angle = 0.5 * (from.angle + to.angle);
    const Sample middle{angle, zeta(angle)};
    refine(from, middle, gap, depth + 1);
    m_ring.push_back(middle);
    refine(middle, to, gap, depth + 1);
}

// Two circle points have the same image exactly when their product is b^2.
// So the profile meets itself where the circle meets its mirror image under
// z -> b^2/z, except at the fixed points +-b (the edge of a sharp trailing
// edge). When the mirror image is the circle itself (a circle through both
// +-b), every point pairs with another: the profile is traced out and back,
// with no thickness, which is a valid profile.
bool ProfileSides::crossesItself() const
{
    const std::complex<double> centre = m_circle.centre();
    const double bSquared = m_circle.bSquared();
    const double b = m_circle.b();
    const double power = 1.0 - std::norm(centre);
    const std::complex<double> mirrorCentre = -bSquared * std::conj(centre) / power;
    const double mirrorRadius = bSquared / power;
    const std::complex<double> offset = mirrorCentre - centre;
    const double distance = std::abs(offset);

    if (distance <= kSameCircleTolerance && std::abs(mirrorRadius - 1.0) <= kSameCircleTolerance)
        return false;
    if (distance > 1.0 + mirrorRadius || distance < std::abs(1.0 - mirrorRadius))
        return false;

    const double along =
        (1.0 - mirrorRadius * mirrorRadius + distance * distance) / (2.0 * distance);
    const double across = std::sqrt(std::max(0.0, 1.0 - along * along));
    const std::complex<double> direction = offset / distance;
    for (const double side : {-1.0, 1.0}) {
        const std::complex<double> meeting =
            centre + direction * std::complex<double>(along, side * across);
        const double toFixedPoint = std::min(std::abs(meeting - b), std::abs(meeting + b));
        if (toFixedPoint > kFixedPointTolerance)
            return true;
    }
    return false;
}

// The edges are the two profile points farthest apart: the widest pairs of
// seeds, widened on the exact curve.
void ProfileSides::findEdges()
{
    const std::size_t seeds = (m_ring.size() + kSeedStride - 1) / kSeedStride;
    const auto seed = [this](std::size_t i) -> const Sample & { return m_ring[i * kSeedStride]; };
    std::vector<double> widest(seeds);
    std::vector<std::size_t> partner(seeds);
    for (std::size_t i = 0; i < seeds; ++i) {
        for (std::size_t j = i + 1; j < seeds; ++j) {
            const double width = std::norm(seed(i).point - seed(j).point);
            if (width > widest[i]) {
                widest[i] = width;
                partner[i] = j;
            }
            if (width > widest[j]) {
                widest[j] = width;
                partner[j] = i;
            }
        }
    }
    const double overall = *std::max_element(widest.begin(), widest.end());

    std::vector<bool> locallyWidest(seeds);
    for (std::size_t i = 0; i < seeds; ++i) {
        locallyWidest[i] = widest[i] >= widest[(i + seeds - 1) % seeds] &&
                           widest[i] >= widest[(i + 1) % seeds] &&
                           widest[i] >= (1.0 - kCandidateMargin) * overall;
    }
    // A pair found from both of its ends is refined once.
    std::vector<std::size_t> candidates;
    for (std::size_t i = 0; i < seeds; ++i) {
        const std::size_t j = partner[i];
        const bool twinTaken = partner[j] == i && j < i && locallyWidest[j];
        if (locallyWidest[i] && !twinTaken)
            candidates.push_back(i);
    }
    std::sort(candidates.begin(), candidates.end(),
              [&widest](std::size_t l, std::size_t r) { return widest[l] > widest[r]; });
    candidates.resize(std::min(candidates.size(), kMaxEdgeCandidates));

    EdgePair best;
    for (const std::size_t i : candidates) {
        const EdgePair pair = widen({seed(i).angle, seed(partner[i]).angle, 0.5 * widest[i]});
        if (pair.halfSquaredWidth > best.halfSquaredWidth)
            best = pair;
    }

    std::complex<double> first = zeta(best.first);
    std::complex<double> second = zeta(best.second);
    m_leadingAngle = wrapped(best.first);
    m_trailingAngle = wrapped(best.second);
    if (first.real() > second.real() ||
        (first.real() == second.real() && first.imag() > second.imag())) {
        std::swap(first, second);
        std::swap(m_leadingAngle, m_trailingAngle);
    }
    // The sides are walked from the leading edge with rising angle.
    if (m_trailingAngle < m_leadingAngle)
        m_trailingAngle += kTwoPi;
    m_leading = first;
    m_trailing = second;
    m_chord = std::abs(second - first);
    m_frameScale = std::conj(second - first) / std::norm(second - first);
}

// Newton's method on half the squared distance between the points at two
// circle angles; where the surface is not a cap, a climb along the gradient
// instead. Every step is at most the seeds' spacing and is kept only if it
// widens the pair.
ProfileSides::EdgePair ProfileSides::widen(EdgePair pair) const
{
    for (int step = 0; step < kMaxEdgeSteps; ++step) {
        const CurvePoint p = curveAt(m_circle, pair.first, true);
        const CurvePoint q = curveAt(m_circle, pair.second, true);
        const std::complex<double> d = std::conj(p.zeta - q.zeta);
        const double g1 = (d * p.slope).real();
        const double g2 = -(d * q.slope).real();
        const double h11 = std::norm(p.slope) + (d * p.bend).real();
        const double h22 = std::norm(q.slope) - (d * q.bend).real();
        const double h12 = -(std::conj(p.slope) * q.slope).real();
        const double det = h11 * h22 - h12 * h12;
        const bool cap = h11 < 0.0 && det > 0.0;
        double s1 = cap ? -(h22 * g1 - h12 * g2) / det : g1;
        double s2 = cap ? -(h11 * g2 - h12 * g1) / det : g2;
        const double length = std::hypot(s1, s2);
        if (!(length > kEdgeAngleTolerance))
            break;
        if (length > kMaxEdgeStep) {
            s1 *= kMaxEdgeStep / length;
            s2 *= kMaxEdgeStep / length;
        }
        bool moved = false;
        for (int halving = 0; halving < kMaxHalvings && !moved; ++halving) {
            const double width = 0.5 * std::norm(zeta(pair.first + s1) - zeta(pair.second + s2));
            if (width >= pair.halfSquaredWidth) {
                pair = {pair.first + s1, pair.second + s2, width};
                moved = true;
            }
            s1 *= 0.5;
            s2 *= 0.5;
        }
        // Newton's steps shrink quadratically: after one this short, the
        // angles are exact to the order of its square.
        if (!moved || (cap && length < kNewtonSettled))
            break;
    }
    return pair;
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
                         [](double angle, const Sample &s) { return angle < s.angle; }) -
        m_ring.begin());
    bool trailingPlaced = false;
    const auto placeTrailing = [&] {
        m_trailingIndex = m_samples.size();
        m_samples.push_back({trailing, toFrame(m_trailing)});
        trailingPlaced = true;
    };
    for (std::size_t n = 0; n < m_ring.size(); ++n) {
        const Sample &s = m_ring[(first + n) % m_ring.size()];
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
    m_firstSideIsUpper = firstArea >= secondArea;
}

bool ProfileSides::sidesAreSingleValued() const
{
    for (std::size_t k = 0; k + 1 < m_samples.size(); ++k) {
        const double step = m_samples[k + 1].point.real() - m_samples[k].point.real();
        const double forward = k < m_trailingIndex ? step : -step;
        if (forward < -kFoldTolerance)
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
    const Sample *begin = first ? &m_samples[0] : &m_samples[m_trailingIndex];
    const Sample *end =
        first ? &m_samples[m_trailingIndex] + 1 : m_samples.data() + m_samples.size();
    const Sample *after = std::partition_point(begin + 1, end - 1, [x, first](const Sample &s) {
        return first ? s.point.real() < x : s.point.real() > x;
    });
    const Sample *before = after - 1;

    // Newton's method on x(angle) = x, kept inside the bracket by bisection.
    double low = before->angle;
    double high = after->angle;
    const double lowValue = before->point.real() - x;
    const double span = after->point.real() - before->point.real();
    double angle = span != 0.0 ? low + (high - low) * (-lowValue / span) : 0.5 * (low + high);
    SidePoint found;
    for (int step = 0; step < kMaxSolveSteps; ++step) {
        const CurvePoint c = curveAt(m_circle, angle, false);
        found = {toFrame(c.zeta), angle};
        const double miss = found.point.real() - x;
        if (std::abs(miss) <= kSolveTolerance)
            break;
        if ((miss < 0.0) == (lowValue < 0.0))
            low = angle;
        else
            high = angle;
        const double slope = (c.slope * m_frameScale).real();
        double next = angle - miss / slope;
        if (!(next > std::min(low, high) && next < std::max(low, high)))
            next = 0.5 * (low + high);
        if (next == angle)
            break;
        angle = next;
    }
    return found;
}

} // namespace wingmap
