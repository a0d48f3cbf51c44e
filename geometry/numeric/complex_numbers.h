#ifndef WINGMAP_NUMERIC_COMPLEX_NUMBERS_H
#define WINGMAP_NUMERIC_COMPLEX_NUMBERS_H

#include <cmath>
#include <complex>
#include <numbers>

namespace wingmap::numeric {

// A full turn, in radians.
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Both parts finite: no infinity and no NaN.
inline bool isFinite(std::complex<double> z)
{
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

// 1 / z as conj(z) / |z|^2, without the library's slow path for infinities.
inline std::complex<double> reciprocal(std::complex<double> z)
{
    return std::conj(z) / std::norm(z);
}

} // namespace wingmap::numeric

#endif
