#include "geometry/private/self_crossing.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace wingmap {

namespace {

// Distances in the circle's plane, whose radius is 1. A meeting of the circle
// with its mirror image this close to +-b is the sharp trailing edge (a
// tangency spoilt by rounding), not a crossing: a loop it could hide is of
// the order of the square of this in the profile.
constexpr double kFixedPointTolerance = 1e-6;
constexpr double kSameCircleTolerance = 1e-9;

} // namespace

bool ProfileCrossesItself(const Circle &circle)
{
    const std::complex<double> centre = circle.centre();
    const double bSquared = circle.bSquared();
    const double b = circle.b();
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

} // namespace wingmap
