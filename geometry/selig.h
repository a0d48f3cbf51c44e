#ifndef WINGMAP_SELIG_H
#define WINGMAP_SELIG_H

#include "geometry/profile_shape.h"

#include <string>
#include <string_view>
#include <vector>

namespace wingmap {

struct ChordPoint
{
    double x = 0.0;
    double y = 0.0;
};

struct ProfileCoordinates
{
    ShapeFailure failure = ShapeFailure::None;
    std::vector<ChordPoint> points; // empty on failure

    bool ok() const { return failure == ShapeFailure::None; }
};

// The profile of F, G and b in the chord frame of ProfileShape, in the order
// airfoil coordinate files use: from the trailing edge over the upper side
// to the leading edge and back along the lower side to the trailing edge.
// At least 100 points, denser near the leading edge (at least 4 within 0.01
// of it), each on the exact profile within 1e-6. A profile that crosses
// itself or whose sides are not single-valued gives no points.
[[nodiscard]] ProfileCoordinates SeligCoordinates(double F, double G, double b);

// The file text: the name on the first line, then one "x y" line a point,
// "." as the decimal separator whatever the locale, 6 decimals or more.
std::string SeligText(std::string_view name, const std::vector<ChordPoint> &points);

} // namespace wingmap

#endif
