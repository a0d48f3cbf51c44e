#ifndef WINGMAP_SELIG_H
#define WINGMAP_SELIG_H

#include "geometry/profile_shape.h"

#include <string>
#include <string_view>
#include <vector>

namespace wingmap {

// Decimals of a coordinate in the coordinates file (and the flow's files).
inline constexpr int kCoordinateDecimals = 6;

// A point in the chord frame: fractions of the chord, x from the leading
// edge towards the trailing edge, y up.
struct ChordPoint
{
    double x = 0.0;
    double y = 0.0;
};

class ProfileSides;

struct ProfileCoordinates
{
    ShapeFailure failure = ShapeFailure::None;
    std::vector<ChordPoint> points; // empty on failure
    // For each point, in the same order, the angle (radians) about the
    // circle's centre of its pre-image: the circle point centre + e^(i angle)
    // whose image under z + b^2/z it is.
    std::vector<double> circleAngles;

    bool ok() const { return failure == ShapeFailure::None; }
};

// The profile of F, G and b in the chord frame of ProfileShape, in the order
// airfoil coordinate files use: from the trailing edge (1, 0) over the upper
// side to the leading edge (0, 0) and back along the lower side to the
// trailing edge. 161 points: both sides at the same 81 cosine-spaced chord
// positions, so denser near the edges (11 points with x below 0.01), each
// point on the exact profile to rounding. A profile that cannot be measured
// (see ShapeFailure) gives no points.
[[nodiscard]] ProfileCoordinates SeligCoordinates(double F, double G, double b);
// The same from a profile already split into its sides.
[[nodiscard]] ProfileCoordinates SeligCoordinates(const ProfileSides &sides);

// The file text: the name on the first line (a line break in it written as a
// blank), then one "x y" line a point with 6 decimals, "." as the decimal
// separator whatever the locale, "-0.000000" written "0.000000"; every line
// ends with a line feed.
std::string SeligText(std::string_view name, const std::vector<ChordPoint> &points);

} // namespace wingmap

#endif
