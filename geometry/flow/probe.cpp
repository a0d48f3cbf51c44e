#include "geometry/flow/probe.h"

#include "geometry/circle.h"
#include "geometry/flow/flow.h"
#include "geometry/flow/potential_branch.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace wingmap {

namespace {

using Complex = std::complex<double>;

// Every number at a point z outside or on the circle.
void readFlow(const Flow &flow, const PotentialBranch &branch, ProbeReading &reading)
{
    const Circle &circle = flow.circle();
    const Complex z = reading.z;
    const Complex derivative = circle.derivative(z);
    reading.mapScale = std::abs(derivative);
    reading.turnDegrees = std::arg(derivative) * 180.0 / std::numbers::pi;
    // arg gives -180 for a negative real number with a negative zero part.
    if (reading.turnDegrees <= -180.0)
        reading.turnDegrees = 180.0;
    reading.circleSpeed = std::abs(flow.circleVelocity(z));
    reading.circleCp = 1.0 - reading.circleSpeed * reading.circleSpeed;
    reading.profileSpeed = std::abs(flow.profileVelocity(z));
    reading.profileCp = flow.profileCp(z);
    reading.psi = flow.streamFunction(z);
    reading.phi = branch.phi(z);
}

// A point of the surface at the circle's angle `angle`, and its chord
// fraction.
double fractionAt(const Flow &flow, double angle)
{
    return flow.chordFraction(flow.circle().map(flow.circle().pointAt(angle)));
}

// The circle point of one side whose image lies at the chord fraction t:
// the side's points (by rising x/c) bracket it, then bisection on the
// circle's angle between the two bracketing points. Outside the side's
// range of fractions, its nearer end.
SurfaceProbe::Point pointAtFraction(const Flow &flow, const std::vector<SurfacePressure> &side,
                                    double t)
{
    const Circle &circle = flow.circle();
    Complex at = side.empty() ? Complex() : side.front().circlePoint;
    if (side.size() > 1 && t >= fractionAt(flow, circle.angleOf(side.back().circlePoint)))
        at = side.back().circlePoint;
    for (std::size_t k = 1; k < side.size(); ++k) {
        double from = circle.angleOf(side[k - 1].circlePoint);
        // The angle continued from the last point's, across +-180 degrees.
        double to = from + std::remainder(circle.angleOf(side[k].circlePoint) - from,
                                          2.0 * std::numbers::pi);
        const double fromFraction = fractionAt(flow, from) - t;
        const double toFraction = fractionAt(flow, to) - t;
        if (fromFraction > 0.0 || toFraction < 0.0)
            continue;
        // fraction(from) <= t <= fraction(to): halve until the angles meet.
        for (int i = 0; i < 200; ++i) {
            const double middle = 0.5 * (from + to);
            if (middle == from || middle == to)
                break;
            if (fractionAt(flow, middle) < t)
                from = middle;
            else
                to = middle;
        }
        at = circle.pointAt(to);
        break;
    }
    return {at, circle.map(at), flow.profileCp(at)};
}

} // namespace

ProbeReading ProbeCircle(const Flow &flow, const PotentialBranch &branch, std::complex<double> z)
{
    ProbeReading reading;
    reading.z = z;
    if (flow.circle().sideOf(z) == CircleSide::Inside) {
        reading.where = ProbeReading::Where::InsideCircle;
        return reading;
    }
    reading.zeta = flow.circle().map(z);
    readFlow(flow, branch, reading);
    return reading;
}

// Of the two pre-images of a point, Circle::inverse gives the one farther
// from the centre: outside or on the circle for a point in the flow, inside
// it (with the other) for a point inside the profile, whose pre-images both
// lie inside.
ProbeReading ProbeProfile(const Flow &flow, const PotentialBranch &branch,
                          std::complex<double> zeta)
{
    ProbeReading reading;
    reading.zeta = zeta;
    const Complex z = flow.circle().inverse(zeta);
    if (flow.circle().sideOf(z) == CircleSide::Inside) {
        reading.where = ProbeReading::Where::InsideProfile;
        return reading;
    }
    reading.z = z;
    readFlow(flow, branch, reading);
    return reading;
}

SurfaceProbe ProbeChordFraction(const Flow &flow, double chordFraction)
{
    SurfaceProbe probe;
    probe.chordFraction = chordFraction;
    if (!(chordFraction >= 0.0 && chordFraction <= 1.0) || !flow.ok())
        return probe;
    probe.upper = pointAtFraction(flow, flow.upperSide(), chordFraction);
    probe.lower = pointAtFraction(flow, flow.lowerSide(), chordFraction);
    probe.ok = true;
    return probe;
}

} // namespace wingmap
