#include "geometry/private/profile_ring.h"

#include "geometry/numeric/complex_numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace wingmap {

using numeric::isFinite;
using numeric::kTwoPi;

namespace {

// The circle is sampled at equal angles first. Where two neighbours lie
// farther apart in the profile than kMaxGap of its extent (near the origin,
// which the map blows up, when the circle passes close to it), the angle
// step between them is halved, at most kMaxRefineDepth times.
constexpr std::size_t kGridSize = kProfileRingGridSize;
constexpr double kGridStep = kProfileRingGridStep;
constexpr double kMaxGap = 1.0 / 32.0;
constexpr int kMaxRefineDepth = 14;
constexpr std::size_t kMaxSamples = 4096;

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

class Refiner
{
public:
    Refiner(const Circle &circle, std::vector<ProfileSample> &ring, double gap)
        : m_circle(circle), m_ring(ring), m_gap(gap)
    {
    }

    // Adds, in order of angle, the samples between two neighbours that are
    // too far apart in the profile.
    void refine(const ProfileSample &from, const ProfileSample &to, int depth)
    {
        if (depth >= kMaxRefineDepth || m_ring.size() >= kMaxSamples ||
            !(std::abs(to.point - from.point) > m_gap))
            return;
        const double angle = 0.5 * (from.angle + to.angle);
        const ProfileSample middle{angle, m_circle.map(m_circle.pointAt(angle))};
        refine(from, middle, depth + 1);
        m_ring.push_back(middle);
        refine(middle, to, depth + 1);
    }

private:
    const Circle &m_circle;
    std::vector<ProfileSample> &m_ring;
    double m_gap;
};

} // namespace

bool SampleProfileRing(const Circle &circle, std::vector<ProfileSample> &ring)
{
    std::array<ProfileSample, kGridSize> grid;
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    std::complex<double> low(kInfinity, kInfinity);
    std::complex<double> high(-kInfinity, -kInfinity);
    for (std::size_t i = 0; i < kGridSize; ++i) {
        grid[i] = {kGridStep * static_cast<double>(i),
                   circle.map(circle.pointToward(gridDirections()[i]))};
        const std::complex<double> p = grid[i].point;
        low = {std::min(low.real(), p.real()), std::min(low.imag(), p.imag())};
        high = {std::max(high.real(), p.real()), std::max(high.imag(), p.imag())};
    }
    const double gap = kMaxGap * std::max(high.real() - low.real(), high.imag() - low.imag());

    ring.clear();
    ring.reserve(2 * kGridSize);
    Refiner refiner(circle, ring, gap);
    for (std::size_t i = 0; i < kGridSize; ++i) {
        ProfileSample next = grid[(i + 1) % kGridSize];
        if (i + 1 == kGridSize)
            next.angle = kTwoPi;
        ring.push_back(grid[i]);
        refiner.refine(grid[i], next, 0);
    }
    return std::isfinite(gap) && std::all_of(ring.begin(), ring.end(), [](const ProfileSample &s) {
               return isFinite(s.point);
           });
}

} // namespace wingmap
