#ifndef WINGMAP_PROFILE_SIDES_H
#define WINGMAP_PROFILE_SIDES_H

#include "geometry/circle.h"
#include "geometry/private/profile_ring.h"
#include "geometry/profile_shape.h"

#include <complex>
#include <cstddef>
#include <vector>

namespace wingmap {

// Internal to geometry/: the exact profile of F, G and b (the image of the
// circle of radius 1 about (-F*b, G*b) under z + b^2/z) split at its leading
// and trailing edges into its two sides, with the chord frame of ProfileShape.
// MeasureProfile and SeligCoordinates both read the profile through it.
//
// Plot-plane points are complex numbers x + iy in plot units, y up; frame
// points are x + iy with the leading edge at 0 and the trailing edge at 1.
// Circle points are named by their angle about the circle's centre.
// Construction does all the work: it samples the circle (more densely where
// the map stretches it), refuses what cannot be measured, finds the edges
// and splits the samples into the sides. When failure() is not None, only
// failure() may be read.
class ProfileSides
{
public:
    enum class Side { Upper, Lower };

    ProfileSides(double F, double G, double b);

    // A frame point of the profile and the angle about the circle's centre
    // of the circle point it is the image of.
    struct SidePoint
    {
        std::complex<double> point;
        double angle = 0.0;
    };

    ShapeFailure failure() const { return m_failure; }
    double chord() const { return m_chord; }
    std::complex<double> leadingEdge() const { return m_leading; }
    std::complex<double> trailingEdge() const { return m_trailing; }
    // The circle angles of the edges' pre-images: the leading one in
    // [0, 2 pi), the trailing one in [leadingAngle, leadingAngle + 2 pi).
    double leadingAngle() const { return m_leadingAngle; }
    double trailingAngle() const { return m_trailingAngle; }

    // The frame point of `side` whose x is the given chord position (clamped
    // to 0..1), solved for on the exact curve: the returned point lies on the
    // profile to rounding, and its x is the one asked for within 1e-12.
    std::complex<double> pointAt(Side side, double x) const { return sidePointAt(side, x).point; }
    // The same point with the angle of its pre-image (an edge's angle at 0 and 1).
    SidePoint sidePointAt(Side side, double x) const;

private:
    std::complex<double> toFrame(std::complex<double> zeta) const;
    void splitIntoSides();
    bool sidesAreSingleValued() const;

    ShapeFailure m_failure = ShapeFailure::None;
    Circle m_circle;
    double m_leadingAngle = 0.0;  // in [0, 2 pi)
    double m_trailingAngle = 0.0; // in [m_leadingAngle, m_leadingAngle + 2 pi)
    std::complex<double> m_leading;
    std::complex<double> m_trailing;
    double m_chord = 0.0;
    std::complex<double> m_frameScale; // 1 / (trailing - leading)

    // Plot-plane points round the circle by rising angle, 0 to 2 pi.
    std::vector<ProfileSample> m_ring;
    // Frame points from the leading edge round the circle to it again: the
    // first side up to the trailing edge at m_trailingIndex, then the second.
    std::vector<ProfileSample> m_samples;
    std::size_t m_trailingIndex = 0;
    bool m_firstSideIsUpper = true;
};

} // namespace wingmap

#endif
