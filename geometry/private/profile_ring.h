#ifndef WINGMAP_PROFILE_RING_H
#define WINGMAP_PROFILE_RING_H

#include "geometry/circle.h"
#include "geometry/numeric/complex_numbers.h"

#include <complex>
#include <cstddef>
#include <vector>

namespace wingmap {

// Internal to geometry/. A point of the profile (in the plot plane or the
// chord frame) and the angle about the circle's centre of the circle point
// it comes from.
struct ProfileSample
{
    double angle = 0.0;
    std::complex<double> point;
};

// Samples taken at equal angles before the ring is refined, and their
// angle step in radians.
inline constexpr std::size_t kProfileRingGridSize = 128;
inline constexpr double kProfileRingGridStep = numeric::kTwoPi / kProfileRingGridSize;

// Samples the profile of `circle` round the circle by rising angle, 0 to
// 2 pi (2 pi excluded): at equal angles first, then more densely where two
// neighbours lie far apart in the profile (near the origin, which the map
// blows up). Returns false when a point or the profile's extent is not
// finite; `ring` is then of no use.
[[nodiscard]] bool SampleProfileRing(const Circle &circle, std::vector<ProfileSample> &ring);

} // namespace wingmap

#endif
