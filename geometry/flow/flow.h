#ifndef WINGMAP_FLOW_FLOW_H
#define WINGMAP_FLOW_FLOW_H

#include "geometry/circle.h"
#include "geometry/profile_shape.h"

#include <cmath>
#include <complex>
#include <vector>

namespace wingmap {

class ProfileSides;

// Why a state has no flow.
enum class FlowFailure {
    None,
    Shape,          // the measured shape refuses the profile (FlowRefusal::shape says why)
    PlusBOutside,   // +b lies strictly outside the circle
    MinusBOutside,  // -b lies strictly outside the circle (and +b does not)
    AngleNotFinite, // the angle of attack is NaN or infinite
    CirculationNotFinite, // a given circulation is NaN or infinite
};

struct FlowRefusal
{
    FlowFailure failure = FlowFailure::None;
    // The measured shape's verdict, kept alongside a critical point outside
    // (where the profile usually crosses itself).
    ShapeFailure shape = ShapeFailure::None;
    // For PlusBOutside and MinusBOutside: that point's distance from the
    // circle's centre, in plot units (the radius is 1); otherwise 0.
    double distance = 0.0;
};

// Which side of the coordinates file a point is on: Upper from the trailing
// edge up to and including the leading edge, Lower the rest.
enum class SurfaceSide { Upper, Lower };

// The pressure at one point of the coordinates file (SeligCoordinates).
struct SurfacePressure
{
    double x = 0.0; // chord frame, fractions of the chord, y up, as in the file
    double y = 0.0;
    std::complex<double> circlePoint; // its pre-image on the circle, plot units
    double cp = 0.0;                  // -inf where the flow turns round an edge
    SurfaceSide side = SurfaceSide::Upper;
};

// How the circulation is chosen: by the Kutta condition, or given (plot
// units, U = 1, positive clockwise, giving positive lift).
struct FlowCirculation
{
    bool kutta = true;
    double gamma = 0.0; // read only without the Kutta condition
};

// The Kutta condition's lift and moment coefficients at one angle of attack.
struct KuttaCoefficients
{
    double lift = 0.0;   // C_L = 2 Gamma / c
    double moment = 0.0; // C_M about the quarter chord, positive nose up
};

// What the flow gives at one point of the circle plane.
struct FlowSample
{
    double psi = 0.0;                      // the stream function Im w
    std::complex<double> velocity;         // dw/dz
    std::complex<double> secondDerivative; // d^2w/dz^2
};

// The potential flow past the profile of F, G and b at an angle of attack,
// solved in the circle plane and carried to the profile plane by the map
// of `Circle`. Plot units, y up, free stream of speed U = 1.
//
// The circle has radius R = 1 about z0 = -F b + i G b. The angle of attack
// alpha is measured from the chord line of the measured shape (leading edge
// to trailing edge, ProfileShape); that line makes the angle phi with the x
// axis, so the stream at infinity runs at alpha_x = alpha + phi. For a
// negative b the whole picture is that of -b turned through 180 degrees
// (zeta(-z) = -zeta(z)): the measured edges swap their parts, the trailing
// edge is the one with the smaller x, and lift, moment and the angle of no
// lift are those of -b.
//
// With the circulation Gamma (positive clockwise, giving positive lift):
//     w(z) = (z - z0) e^(-i alpha_x) + e^(i alpha_x) / (z - z0) + (i Gamma / 2 pi) ln(z - z0),
// and in the profile plane dw/dzeta = (dw/dz) / (d zeta/dz). Complex
// velocities are u - i v for the velocity (u, v).
//
// The Kutta condition holds the rear stagnation point at the pre-image z_T
// of the measured trailing edge (z_T = b when the circle passes through +b,
// the sharp edge): z_T - z0 = e^(-i beta), Gamma = 4 pi sin(alpha_x + beta).
// Without it Gamma is given (FlowCirculation; the bool constructor gives 0).
// The stream function is 0 on the body.
//
// The stagnation points are the roots of dw/dz = 0: with
// u = (z - z0) e^(-i alpha_x) and g = Gamma / 4 pi, u^2 + 2 i g u - 1 = 0.
// For |g| <= 1 both lie on the body, u = +-cos t - i sin t with sin t = g
// (they meet at u = -i g when |g| = 1). For |g| > 1 one root lies outside
// the circle, u = -i (g + sign(g) sqrt(g^2 - 1)), below the body (on the
// right of the stream) for Gamma > 0, the other its reflection inside: the
// flow has one stagnation point, a saddle, and frontStagnation() and
// rearStagnation() both give it.
//
// Refused (ok() false, only refusal() may be read): the measured shape's
// refusals, +b or -b strictly outside the circle (a critical point of the
// map in the flow), a non-finite angle, a non-finite given circulation. A circle through +b or -b is a
// profile with a sharp edge (a flat plate, a circular arc), which is valid:
// where the flow goes round such an edge its speed there is unbounded.
class Flow
{
public:
    Flow(double F, double G, double b, double alphaDegrees, FlowCirculation circulation);
    // The Kutta condition, or no circulation.
    Flow(double F, double G, double b, double alphaDegrees, bool kutta)
        : Flow(F, G, b, alphaDegrees, FlowCirculation{kutta, 0.0})
    {
    }

    bool ok() const { return m_refusal.failure == FlowFailure::None; }
    const FlowRefusal &refusal() const { return m_refusal; }

    const Circle &circle() const { return m_circle; }
    double alphaDegrees() const { return m_alphaDegrees; }
    bool kutta() const { return m_circulation.kutta; }

    double gamma() const { return m_gamma; }
    // The circulation the Kutta condition gives this profile at this angle,
    // whatever the circulation used.
    double kuttaGamma() const { return m_kuttaGamma; }
    // C_L = 2 Gamma / c, with c the measured chord.
    double liftCoefficient() const { return m_lift; }
    // About the quarter-chord point (x/c = 0.25 on the chord line), positive
    // nose up, per 1/2 rho U^2 c^2, from Blasius' theorem: it includes the
    // suction at an edge the flow goes round.
    double momentCoefficient() const { return m_moment; }
    // The angle of attack of no lift, -(phi + beta) in degrees, given in
    // (-90, 90]: the lift 4 pi sin(alpha_x + beta) vanishes every 180 degrees.
    double zeroLiftDegrees() const { return m_zeroLiftDegrees; }
    // The chord line, from the leading to the trailing edge, points to the
    // left (phi beyond +-90 degrees): the profile faces the other way, as
    // for a negative b, whose sharp edge is at the left.
    bool facesLeft() const { return std::cos(m_phi) < 0.0; }
    // alpha_x, in radians.
    double alphaX() const { return m_alphaX; }

    // The Kutta condition's coefficients of this profile at another angle of
    // attack (degrees), in closed form: the lift curve.
    KuttaCoefficients kuttaCoefficientsAt(double alphaDegrees) const;
    // The slope of that lift curve, dC_L/d alpha per radian, at an angle of
    // attack in degrees: 8 pi cos(alpha_x + beta) / c.
    double liftSlopeAt(double alphaDegrees) const;

    // The stagnation points (the rear one is z_T under the Kutta condition),
    // and their images in the profile plane. Off the body (|Gamma| > 4 pi)
    // both are the one saddle in the flow.
    bool stagnationOnBody() const { return m_onBody; }
    std::complex<double> frontStagnation() const { return m_front; }
    std::complex<double> rearStagnation() const { return m_rear; }
    std::complex<double> frontStagnationImage() const { return m_circle.map(m_front); }
    std::complex<double> rearStagnationImage() const { return m_circle.map(m_rear); }
    // The rear stagnation point's angle about the circle's centre, degrees in
    // (-180, 180], and its image's chord position.
    double rearStagnationDegrees() const;
    double rearStagnationChordFraction() const { return chordFraction(rearStagnationImage()); }
    // The measured leading and trailing edges in the profile plane (for a
    // negative b the edges the flow takes, see above).
    std::complex<double> leadingEdge() const { return m_leading; }
    std::complex<double> trailingEdge() const { return m_trailing; }
    // A point of the profile plane projected onto the chord line, as a
    // fraction of the chord from the leading edge (0 there, 1 at the
    // trailing edge; for a negative b the edges the flow takes, see above).
    double chordFraction(std::complex<double> zeta) const;

    // At a point z of the circle plane outside or on the circle (inside it
    // the numbers continue the field and mean nothing; z0 itself gives
    // infinities):
    // w(z), with the logarithm's principal branch (its cut only affects Re w).
    std::complex<double> potential(std::complex<double> z) const;
    double streamFunction(std::complex<double> z) const;
    // dw/dz in the circle plane.
    std::complex<double> circleVelocity(std::complex<double> z) const;
    FlowSample sample(std::complex<double> z) const;
    // The stream function on the body.
    static constexpr double psiBody() { return 0.0; }
    // dw/dzeta at the image of z, and Cp = 1 - |dw/dzeta|^2 there. Within
    // kEdgeRadius of a critical point +-b on the circle the point counts as
    // that edge: where a stagnation point lies there (the Kutta condition at
    // a sharp trailing edge), the limit along the surface,
    // (d^2w/dz^2) / (d^2zeta/dz^2), corrected to first order in z - (+-b);
    // otherwise the speed is unbounded: velocity (inf, 0), Cp -inf.
    static constexpr double kEdgeRadius = 1e-6;
    std::complex<double> profileVelocity(std::complex<double> z) const;
    double profileCp(std::complex<double> z) const;

    // Cp at the 161 points of the coordinates file, in the file's order
    // (upper side from the trailing edge, then the lower side: the file's
    // sides, also where the profile has no thickness), each with its side.
    // Empty when refused.
    const std::vector<SurfacePressure> &surfacePressure() const { return m_surface; }
    // The same points side by side, each from the leading edge to the
    // trailing edge (by rising x/c): the Upper points, and the leading edge
    // with the Lower points. Empty when refused.
    std::vector<SurfacePressure> upperSide() const;
    std::vector<SurfacePressure> lowerSide() const;

private:
    struct Edge
    {
        std::complex<double> at; // +b or -b, on the circle
        bool stagnation = false; // a stagnation point lies there
    };

    void solve(const ProfileSides &sides);
    void findEdges();
    void measureSurface(const ProfileSides &sides);
    std::complex<double> edgeVelocity(const Edge &edge, std::complex<double> z) const;
    std::complex<double> velocityFrom(std::complex<double> inverse) const;
    std::complex<double> secondDerivativeFrom(std::complex<double> inverse) const;
    std::complex<double> thirdDerivativeFrom(std::complex<double> inverse) const;
    double momentFor(double alphaX, double gamma) const;

    Circle m_circle;
    double m_alphaDegrees;
    FlowCirculation m_circulation;
    FlowRefusal m_refusal;

    double m_gamma = 0.0;
    double m_kuttaGamma = 0.0;
    double m_beta = 0.0;
    double m_chord = 0.0;
    std::complex<double> m_leading;
    std::complex<double> m_trailing;
    bool m_onBody = true;
    double m_lift = 0.0;
    double m_moment = 0.0;
    double m_zeroLiftDegrees = 0.0;
    double m_phi = 0.0;
    double m_alphaX = 0.0;
    std::complex<double> m_front;
    std::complex<double> m_rear;
    // e^(-i alpha_x), e^(i alpha_x) and i Gamma / 2 pi: the terms of dw/dz.
    std::complex<double> m_stream;
    std::complex<double> m_doublet;
    std::complex<double> m_vortex;
    std::vector<Edge> m_edges;
    std::vector<SurfacePressure> m_surface;
};

} // namespace wingmap

#endif
