#ifndef WINGMAP_EDGE_SEARCH_H
#define WINGMAP_EDGE_SEARCH_H

#include "geometry/circle.h"
#include "geometry/private/profile_ring.h"

#include <complex>
#include <vector>

namespace wingmap {

// Internal to geometry/. The profile's leading and trailing edges: the two
// profile points farthest apart, the trailing one with the larger x (the
// larger y when the x are equal). Angles are about the circle's centre.
struct ProfileEdges
{
    double leadingAngle = 0.0;  // in [0, 2 pi)
    double trailingAngle = 0.0; // in [leadingAngle, leadingAngle + 2 pi)
    std::complex<double> leading;
    std::complex<double> trailing;
};

// Finds the edges from the widest pairs of the ring's samples, widened on the
// exact curve. `ring` is SampleProfileRing's, not empty.
[[nodiscard]] ProfileEdges FindProfileEdges(const Circle &circle,
                                            const std::vector<ProfileSample> &ring);

} // namespace wingmap

#endif
