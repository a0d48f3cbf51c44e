#ifndef WINGMAP_PROFILE_CURVE_H
#define WINGMAP_PROFILE_CURVE_H

#include "geometry/circle.h"
#include "geometry/numeric/complex_numbers.h"

#include <cmath>
#include <complex>

namespace wingmap {

// Internal to geometry/. The profile point of the circle point
// centre + e^(i angle) and its derivatives along the circle.
struct CurvePoint
{
    std::complex<double> zeta;             // the profile point
    std::complex<double> slope;            // d zeta / d angle
    std::complex<double> secondDerivative; // d^2 zeta / d angle^2, only when asked for
};

// With dz / d angle = i e: zeta' = i e zeta_z and zeta'' = -e zeta_z - e^2 zeta_zz,
// where zeta_zz = 2 b^2 / z^3. The second derivative's products are taken in this order,
// which fixes where a symmetric profile's equal thickness peaks are found.
inline CurvePoint CurveAt(const Circle &circle, double angle, bool withSecondDerivative)
{
    const std::complex<double> e(std::cos(angle), std::sin(angle));
    const std::complex<double> z = circle.pointToward(e);
    const std::complex<double> mapDerivative = circle.derivative(z);
    CurvePoint point{circle.map(z), std::complex<double>(-e.imag(), e.real()) * mapDerivative, {}};
    if (withSecondDerivative) {
        const std::complex<double> inverse = numeric::reciprocal(z);
        point.secondDerivative =
            -e * mapDerivative - 2.0 * circle.bSquared() * e * e * inverse * inverse * inverse;
    }
    return point;
}

} // namespace wingmap

#endif
