#include "geometry/private/edge_search.h"

#include "geometry/numeric/complex_numbers.h"
#include "geometry/private/profile_curve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace wingmap {

using numeric::kTwoPi;

namespace {

// The edges: every second sample is paired with every other (a quarter of
// the work; Newton's method needs no finer seeds), the widest pairs, and any
// within kCandidateMargin of them that the seeds may have misjudged, are
// refined on the exact curve. Newton's steps are at most the seeds' spacing
// (radians); once one is shorter than kNewtonSettled, the next would be of
// the order of its square.
constexpr std::size_t kSeedStride = 2;
constexpr double kMaxEdgeStep = kProfileRingGridStep * kSeedStride;
constexpr double kCandidateMargin = 0.01;
constexpr std::size_t kMaxEdgeCandidates = 6;
constexpr int kMaxEdgeSteps = 50;
constexpr int kMaxHalvings = 40;
constexpr double kEdgeAngleTolerance = 1e-12;
constexpr double kNewtonSettled = 1e-6;

struct EdgePair
{
    double first = 0.0; // circle angles
    double second = 0.0;
    double halfSquaredWidth = 0.0;
};

// The same angle in [0, 2 pi).
double wrapped(double angle)
{
    const double turn = std::fmod(angle, kTwoPi);
    return turn < 0.0 ? turn + kTwoPi : turn;
}

// Newton's method on half the squared distance between the points at two
// circle angles; where the surface is not a cap, a climb along the gradient
// instead. Every step is at most the seeds' spacing and is kept only if it
// widens the pair.
EdgePair widen(const Circle &circle, EdgePair pair)
{
    for (int step = 0; step < kMaxEdgeSteps; ++step) {
        const CurvePoint p = CurveAt(circle, pair.first, true);
        const CurvePoint q = CurveAt(circle, pair.second, true);
        const std::complex<double> d = std::conj(p.zeta - q.zeta);
        const double g1 = (d * p.slope).real();
        const double g2 = -(d * q.slope).real();
        const double h11 = std::norm(p.slope) + (d * p.secondDerivative).real();
        const double h22 = std::norm(q.slope) - (d * q.secondDerivative).real();
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
            const double width = 0.5 * std::norm(circle.map(circle.pointAt(pair.first + s1)) -
                                                 circle.map(circle.pointAt(pair.second + s2)));
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

} // namespace

// The edges are the two profile points farthest apart: the widest pairs of
// seeds, widened on the exact curve.
ProfileEdges FindProfileEdges(const Circle &circle, const std::vector<ProfileSample> &ring)
{
    const std::size_t seeds = (ring.size() + kSeedStride - 1) / kSeedStride;
    const auto seed = [&ring](std::size_t i) -> const ProfileSample & {
        return ring[i * kSeedStride];
    };
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
        const EdgePair pair =
            widen(circle, {seed(i).angle, seed(partner[i]).angle, 0.5 * widest[i]});
        if (pair.halfSquaredWidth > best.halfSquaredWidth)
            best = pair;
    }

    std::complex<double> first = circle.map(circle.pointAt(best.first));
    std::complex<double> second = circle.map(circle.pointAt(best.second));
    ProfileEdges edges{wrapped(best.first), wrapped(best.second), {}, {}};
    if (first.real() > second.real() ||
        (first.real() == second.real() && first.imag() > second.imag())) {
        std::swap(first, second);
        std::swap(edges.leadingAngle, edges.trailingAngle);
    }
    // The sides are walked from the leading edge with rising angle.
    if (edges.trailingAngle < edges.leadingAngle)
        edges.trailingAngle += kTwoPi;
    edges.leading = first;
    edges.trailing = second;
    return edges;
}

} // namespace wingmap
