#ifndef WINGMAP_FLOW_POTENTIAL_BRANCH_H
#define WINGMAP_FLOW_POTENTIAL_BRANCH_H

#include <complex>
#include <vector>

namespace wingmap {

class Flow;
struct Streamlines;

// The velocity potential phi = Re w on one branch. With a circulation Gamma
// phi is many-valued: it changes by Gamma round the body. This branch cuts
// the plane outside the circle along the downstream dividing streamline
// (from the rear stagnation point, or off the body from the body to the
// saddle and on from it, as traced), so that the flow net's lines end on a
// drawn line. Within the cut plane phi is continuous; it differs from
// Re Flow::potential (the principal branch) by a whole multiple of Gamma.
class PotentialBranch
{
public:
    // The cut is the Downstream part of `lines` (traced for `flow`),
    // continued beyond its last vertex straight away from z0. The branch
    // keeps a reference to `flow`, which must outlive it.
    PotentialBranch(const Flow &flow, const Streamlines &lines);

    // phi at a point of the circle plane outside the circle.
    double phi(std::complex<double> z) const;
    // The whole turns n of this branch at z: phi(z) = Re Flow::potential(z)
    // - n Gamma. It changes by one across the cut.
    int sheet(std::complex<double> z) const;
    // The angle theta of z - z0 on this branch, radians: from the cut's angle
    // at |z - z0| up to a turn more (just left of the cut, counter-clockwise
    // about z0, the least). phi is Re w with ln(z - z0) = ln|z - z0| + i theta.
    double angle(std::complex<double> z) const;
    // The cut in the circle plane, from the body outwards by rising radius:
    // beyond its last point it runs on straight away from z0.
    std::vector<std::complex<double>> cut() const;

private:
    // The cut's angle about the centre (continuous along it) at a radius.
    double cutAngle(double r) const;

    const Flow *m_flow = nullptr;
    // The cut's vertices relative to the centre, by rising radius, with
    // their radii and continuous angles.
    std::vector<std::complex<double>> m_points;
    std::vector<double> m_radius;
    std::vector<double> m_angle;
};

} // namespace wingmap

#endif
