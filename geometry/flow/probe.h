#ifndef WINGMAP_FLOW_PROBE_H
#define WINGMAP_FLOW_PROBE_H

#include <complex>

namespace wingmap {

class Flow;
class PotentialBranch;

// What the probe reads at a point and its image: z in the circle plane,
// zeta = z + b^2 / z in the profile plane.
struct ProbeReading
{
    enum class Where {
        Flow,          // in the flow: every number is read
        InsideCircle,  // z lies inside the circle: only z
        InsideProfile, // zeta lies inside the profile: only zeta
    } where = Where::Flow;
    std::complex<double> z;
    std::complex<double> zeta;
    double mapScale = 0.0;    // |d zeta / dz|
    double turnDegrees = 0.0; // arg d zeta / dz, degrees in (-180, 180]
    double circleSpeed = 0.0; // q / U at z in the circle plane's flow
    double profileSpeed = 0.0; // q / U at zeta in the profile plane's flow
    double circleCp = 0.0;
    double profileCp = 0.0;
    double psi = 0.0;
    double phi = 0.0; // on the branch given
};

// The probe at a point of the circle plane, and at a point of the profile
// plane (its pre-image outside the circle, Circle::inverse).
[[nodiscard]] ProbeReading ProbeCircle(const Flow &flow, const PotentialBranch &branch,
                                       std::complex<double> z);
[[nodiscard]] ProbeReading ProbeProfile(const Flow &flow, const PotentialBranch &branch,
                                        std::complex<double> zeta);

// The two surface points at a chord fraction x/c (0 to 1), on the upper and
// the lower side, with their pre-images on the circle and their Cp.
struct SurfaceProbe
{
    struct Point
    {
        std::complex<double> circle;
        std::complex<double> profile;
        double cp = 0.0;
    };
    bool ok = false; // false when x/c is outside 0 to 1 or not a number
    double chordFraction = 0.0;
    Point upper;
    Point lower;
};

[[nodiscard]] SurfaceProbe ProbeChordFraction(const Flow &flow, double chordFraction);

} // namespace wingmap

#endif
