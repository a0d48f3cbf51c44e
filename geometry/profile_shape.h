#ifndef WINGMAP_PROFILE_SHAPE_H
#define WINGMAP_PROFILE_SHAPE_H

namespace wingmap {

// Why a profile has no measured shape.
enum class ShapeFailure {
    None,
    NotSampled,      // b = 0, a non-finite input or result, the origin not inside the circle,
                     // or a profile too large for its squared distances
    SelfCrossing,    // the profile crosses or touches itself (also a small loop at an edge)
    NotSingleValued, // a side turns back along the chord: thickness and camber are undefined
};

// The measured shape of the profile of F, G and b, in the chord frame: the
// leading edge at (0, 0) and the trailing edge at (1, 0), where the two edges
// are the two points of the profile farthest apart and the trailing edge is
// the one with the larger x. The upper side is the side with the larger mean
// y (where the two sides share their points, as on a flat plate or a circular
// arc, the image of the circle counter-clockwise from the trailing edge);
// thickness t(x) = y_upper - y_lower, camber m(x) = (y_upper + y_lower) / 2.
// Fractions of the chord (0.123 is 12.3 %); positions from the leading edge.
struct ProfileShape
{
    ShapeFailure failure = ShapeFailure::None;
    double chord = 0.0;       // the edges' distance, in plot units
    double thickness = 0.0;   // the largest t(x)
    double thicknessAt = 0.0; // where it is
    double camber = 0.0;      // the m(x) of largest magnitude, sign kept
    double camberAt = 0.0;    // where it is
    // The edges in the plot plane, plot units, y up.
    double leadingX = 0.0;
    double leadingY = 0.0;
    double trailingX = 0.0;
    double trailingY = 0.0;

    bool ok() const { return failure == ShapeFailure::None; }
};

// Measures the profile from a dense sampling of the circle of radius 1 about
// (-F*b, G*b) and its image under z + b^2/z (independent of the drawing's
// 181 points), refined on the exact curve. Thickness and camber are within
// 0.0005 of chord of the exact values, the chord within 0.1 %, the positions
// within 0.01 of chord. A profile traced out and back (a circle through both
// +-b: a segment or a circular arc) is valid, with thickness 0. A thickness
// or camber that is 0 to rounding is reported as 0 at position 0. On failure
// every number is 0.
[[nodiscard]] ProfileShape MeasureProfile(double F, double G, double b);

} // namespace wingmap

#endif
