#ifndef WINGMAP_CIRCLE_H
#define WINGMAP_CIRCLE_H

#include <complex>

namespace wingmap {

// The circle of every plot: radius 1 in plot units.
inline constexpr double kCircleRadius = 1.0;

// Where a point lies against the circle.
enum class CircleSide { Inside, On, Outside };

// The one model of the circle and its map for given F, G and b. In the plot
// plane (x + iy, plot units, y up) the circle has radius 1 about the centre
// z0 = -F*b + i*G*b; the map is zeta = z + b^2/z, whose critical points +-b
// are where d zeta / d z = 0 and whose images of them are +-2b. In the plane
// normalised by b the circle has radius a = 1 / b about (-F, G).
//
// Nothing here is checked: a b of 0, or values whose products leave the
// double range, give infinities or NaN, which callers test for.
class Circle
{
public:
    Circle(double F, double G, double b);

    double F() const { return m_F; }
    double G() const { return m_G; }
    double b() const { return m_b; }
    double bSquared() const { return m_bSquared; }
    static constexpr double radius() { return kCircleRadius; }
    // The radius in the normalised plane, 1 / b.
    double normalisedRadius() const { return kCircleRadius / m_b; }
    std::complex<double> centre() const { return m_centre; }

    // The circle point centre + e^(i angle), angle in radians about the centre.
    std::complex<double> pointAt(double angle) const;
    // The circle point centre + direction, direction of length 1.
    std::complex<double> pointToward(std::complex<double> direction) const
    {
        return m_centre + direction;
    }
    // The angle of a point about the centre, in radians in (-pi, pi]: the
    // angle whose pointAt is the point when it lies on the circle.
    double angleOf(std::complex<double> point) const;

    // How far, in plot units, a point may be from the circle and count as on
    // it: b is read back from a text of 15 significant digits.
    static constexpr double kOnTolerance = 1e-9;
    CircleSide sideOf(std::complex<double> point, double tolerance = kOnTolerance) const;
    // Where the critical point +b, or -b, lies against the circle.
    CircleSide plusBSide(double tolerance = kOnTolerance) const { return sideOf(m_b, tolerance); }
    CircleSide minusBSide(double tolerance = kOnTolerance) const
    {
        return sideOf(-m_b, tolerance);
    }

    // zeta = z + b^2/z.
    std::complex<double> map(std::complex<double> z) const;
    // d zeta / d z = 1 - b^2/z^2.
    std::complex<double> derivative(std::complex<double> z) const;
    // d^2 zeta / d z^2 = 2 b^2/z^3.
    std::complex<double> secondDerivative(std::complex<double> z) const;
    // d^3 zeta / d z^3 = -6 b^2/z^4.
    std::complex<double> thirdDerivative(std::complex<double> z) const;
    // The z outside (or on) the circle that maps to zeta: of the two roots of
    // z^2 - zeta z + b^2 = 0 (whose product is b^2), the one farther from the
    // centre. Unique while +-b lie inside or on the circle.
    std::complex<double> inverse(std::complex<double> zeta) const;

private:
    double m_F;
    double m_G;
    double m_b;
    double m_bSquared;
    std::complex<double> m_centre;
};

// The b limit: the abscissa X = sqrt(1 - Gb^2) - Fb at which the circle of
// radius 1 about (-Fb, Gb) crosses the positive x axis; b <= X keeps (b, 0)
// inside or on that circle. `reaches` is false when the circle does not
// reach the x axis (|Gb| > 1) or X is not finite; X is then meaningless.
struct BLimit
{
    bool reaches = false;
    double X = 0.0;
};
[[nodiscard]] BLimit LimitAbscissa(double Fb, double Gb);

// The b for which the circle of radius 1 about (-F b, G b) passes through
// +b, so that the profile's trailing edge is sharp: |b + F b - i G b| = 1
// gives b = 1 / sqrt((1 + F)^2 + G^2). Infinite for F = -1, G = 0.
[[nodiscard]] double SharpEdgeB(double F, double G);

// The scroll value that stands for X: X * divisor rounded to the nearest
// integer, halves to the even neighbour, held inside [low, high].
[[nodiscard]] int LimitScrollValue(double X, double divisor, int low, int high);

} // namespace wingmap

#endif
