#ifndef WINGMAP_FLOW_POLAR_GRID_H
#define WINGMAP_FLOW_POLAR_GRID_H

#include "geometry/flow/streamlines.h"

#include <complex>
#include <vector>

namespace wingmap {

class Circle;

// One line of the polar grid about the circle's centre: vertices in the
// circle plane and their images under the map, one for one.
struct GridLine
{
    enum class Kind { Ring, Ray } kind = Kind::Ring;
    double value = 0.0; // a ring's radius, or a ray's angle in degrees
    std::vector<std::complex<double>> circle;
    std::vector<std::complex<double>> profile;
};

// The polar grid outside the circle: rings of radius 1 + m |Scale| / 8
// (m = 1, 2, ...) and rays every 15 degrees from the circle outwards, as far
// as either pane shows them, with their images under zeta = z + b^2 / z
// drawn from the same vertices: each polyline within a quarter pixel of its
// curve in both panes. Empty for a view the streamlines refuse.
[[nodiscard]] std::vector<GridLine> PolarGrid(const Circle &circle, const StreamlineView &view);

} // namespace wingmap

#endif
