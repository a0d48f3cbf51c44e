#include "geometry/circle.h"

#include "geometry/numeric/complex_numbers.h"

#include <algorithm>
#include <cmath>

namespace wingmap {

using numeric::reciprocal;

Circle::Circle(double F, double G, double b)
    : m_F(F), m_G(G), m_b(b), m_bSquared(b * b), m_centre(-F * b, G * b)
{
}

std::complex<double> Circle::pointAt(double angle) const
{
    return m_centre + std::complex<double>(std::cos(angle), std::sin(angle));
}

double Circle::angleOf(std::complex<double> point) const
{
    return std::arg(point - m_centre);
}

CircleSide Circle::sideOf(std::complex<double> point, double tolerance) const
{
    const double distance = std::abs(point - m_centre);
    if (std::abs(distance - kCircleRadius) <= tolerance)
        return CircleSide::On;
    return distance < kCircleRadius ? CircleSide::Inside : CircleSide::Outside;
}

std::complex<double> Circle::map(std::complex<double> z) const
{
    return z + m_bSquared * reciprocal(z);
}

std::complex<double> Circle::derivative(std::complex<double> z) const
{
    const std::complex<double> inverse = reciprocal(z);
    return 1.0 - m_bSquared * inverse * inverse;
}

std::complex<double> Circle::secondDerivative(std::complex<double> z) const
{
    const std::complex<double> inverse = reciprocal(z);
    return 2.0 * m_bSquared * inverse * inverse * inverse;
}

std::complex<double> Circle::thirdDerivative(std::complex<double> z) const
{
    const std::complex<double> inverse = reciprocal(z);
    const std::complex<double> square = inverse * inverse;
    return -6.0 * m_bSquared * square * square;
}

std::complex<double> Circle::inverse(std::complex<double> zeta) const
{
    // The roots' product is b^2: the larger one is taken with the sign of
    // the root that adds to zeta, the smaller as b^2 over it, so neither
    // loses its digits to cancellation.
    std::complex<double> root = std::sqrt(zeta * zeta - 4.0 * m_bSquared);
    if ((std::conj(zeta) * root).real() < 0.0)
        root = -root;
    const std::complex<double> larger = 0.5 * (zeta + root);
    if (larger == 0.0)
        return larger;
    const std::complex<double> smaller = m_bSquared * reciprocal(larger);
    return std::norm(larger - m_centre) >= std::norm(smaller - m_centre) ? larger : smaller;
}

BLimit LimitAbscissa(double Fb, double Gb)
{
    const double rootArgument = kCircleRadius - Gb * Gb;
    const double X = std::sqrt(std::max(rootArgument, 0.0)) - Fb;
    return {rootArgument >= 0.0 && std::isfinite(X), X};
}

double SharpEdgeB(double F, double G)
{
    return kCircleRadius / std::hypot(1.0 + F, G);
}

int LimitScrollValue(double X, double divisor, int low, int high)
{
    // nearbyint rounds in the current mode, which is to the nearest with
    // halves to the even neighbour: 100 * 0.905 is 90.5 and gives 90, where
    // round() would give 91.
    const double k = std::nearbyint(X * divisor);
    return static_cast<int>(std::clamp(k, double(low), double(high)));
}

} // namespace wingmap
