#include "geometry/flow/flow.h"

#include "geometry/numeric/complex_numbers.h"
#include "geometry/private/profile_sides.h"
#include "geometry/selig.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <numbers>

namespace wingmap {

using numeric::kTwoPi;
using numeric::reciprocal;

namespace {

constexpr double kPi = std::numbers::pi;
// A stagnation point this close to a critical point on the circle is taken
// to lie on it: under the Kutta condition at a sharp edge the rear one is
// e^(-i beta) from the centre, which is +b to the circle's own tolerance.
constexpr double kStagnationAtEdge = 10.0 * Circle::kOnTolerance;

const std::complex<double> kUnbounded(std::numeric_limits<double>::infinity(), 0.0);

} // namespace

Flow::Flow(double F, double G, double b, double alphaDegrees, FlowCirculation circulation)
    : m_circle(F, G, b), m_alphaDegrees(alphaDegrees), m_circulation(circulation)
{
    const ProfileSides sides(F, G, b);
    m_refusal.shape = sides.failure();
    if (m_refusal.shape == ShapeFailure::NotSampled) {
        m_refusal.failure = FlowFailure::Shape;
        return;
    }
    if (m_circle.plusBSide() == CircleSide::Outside) {
        m_refusal.failure = FlowFailure::PlusBOutside;
        m_refusal.distance = std::abs(b - m_circle.centre());
        return;
    }
    if (m_circle.minusBSide() == CircleSide::Outside) {
        m_refusal.failure = FlowFailure::MinusBOutside;
        m_refusal.distance = std::abs(-b - m_circle.centre());
        return;
    }
    if (m_refusal.shape != ShapeFailure::None) {
        m_refusal.failure = FlowFailure::Shape;
        return;
    }
    if (!std::isfinite(alphaDegrees)) {
        m_refusal.failure = FlowFailure::AngleNotFinite;
        return;
    }
    if (!m_circulation.kutta && !std::isfinite(m_circulation.gamma)) {
        m_refusal.failure = FlowFailure::CirculationNotFinite;
        return;
    }
    solve(sides);
    findEdges();
    measureSurface(sides);
}

void Flow::solve(const ProfileSides &sides)
{
    // zeta(-z) = -zeta(z): the flow of -b is that of b turned through 180
    // degrees, so for a negative b the measured edges swap their parts and
    // the trailing edge is the one with the smaller x (the sharp one, where
    // the circle passes through +b).
    const double b = m_circle.b();
    const bool turned = b < 0.0;
    const std::complex<double> leading = turned ? sides.trailingEdge() : sides.leadingEdge();
    const std::complex<double> trailing = turned ? sides.leadingEdge() : sides.trailingEdge();
    const double trailingAngle = turned ? sides.leadingAngle() : sides.trailingAngle();
    const double chord = sides.chord();
    m_phi = std::arg(trailing - leading);
    m_leading = leading;
    m_trailing = trailing;
    m_chord = chord;

    const std::complex<double> trailingPreimage = m_circle.plusBSide() == CircleSide::On
                                                      ? std::complex<double>(b, 0.0)
                                                      : m_circle.pointAt(trailingAngle);
    const double beta = -m_circle.angleOf(trailingPreimage);
    m_beta = beta;
    m_alphaX = m_alphaDegrees * kPi / 180.0 + m_phi;

    // The stagnation points on the body: z - z0 = e^(i alpha_x) (+-cos t - i sin t)
    // with Gamma = 4 pi sin t, t the stagnation angle; the Kutta condition
    // sets t = alpha_x + beta, so that the rear one is e^(-i beta).
    m_kuttaGamma = 4.0 * kPi * std::sin(m_alphaX + beta);
    if (m_circulation.kutta) {
        const double stagnationAngle = m_alphaX + beta;
        m_gamma = 4.0 * kPi * std::sin(stagnationAngle);
        m_rear = m_circle.pointToward(std::polar(1.0, -beta));
        m_front = m_circle.pointToward(-std::polar(1.0, m_alphaX + stagnationAngle));
    } else {
        m_gamma = m_circulation.gamma;
        const double g = m_gamma / (4.0 * kPi);
        if (std::abs(g) < 1.0) {
            const double stagnationAngle = std::asin(g);
            m_rear = m_circle.pointToward(std::polar(1.0, m_alphaX - stagnationAngle));
            m_front = m_circle.pointToward(-std::polar(1.0, m_alphaX + stagnationAngle));
        } else {
            // The root of u^2 + 2 i g u - 1 = 0 on or outside the circle.
            const std::complex<double> u(0.0, -(g + std::copysign(std::sqrt(g * g - 1.0), g)));
            m_rear = m_circle.pointToward(std::polar(1.0, m_alphaX) * u);
            m_front = m_rear;
            m_onBody = std::abs(g) == 1.0;
        }
    }

    m_stream = std::polar(1.0, -m_alphaX);
    m_doublet = std::polar(Circle::radius() * Circle::radius(), m_alphaX);
    m_vortex = std::complex<double>(0.0, m_gamma / kTwoPi);

    m_lift = 2.0 * m_gamma / chord;
    m_moment = momentFor(m_alphaX, m_gamma);
    // remainder gives [-pi/2, pi/2]; the lower end is the upper one.
    double zeroLift = -std::remainder(m_phi + beta, kPi);
    if (zeroLift <= -0.5 * kPi)
        zeroLift += kPi;
    m_zeroLiftDegrees = zeroLift * 180.0 / kPi;
}

// C_M,c/4 for the stream at alpha_x and the circulation gamma.
double Flow::momentFor(double alphaX, double gamma) const
{
    // Blasius: the moment about the origin (counter-clockwise) is
    // -(rho/2) Re of the integral of zeta (dw/dzeta)^2 d zeta round the body,
    // that is of zeta(z) (dw/dz)^2 / zeta'(z) dz round the circle: 2 pi i
    // times its 1/(z - z0) coefficient at infinity,
    // k^2 - 2 + 2 e^(-i alpha_x) k z0 + 2 e^(-2i alpha_x) b^2 with k = i Gamma / 2 pi,
    // which gives M0 = rho Gamma Re(e^(-i alpha_x) z0) - 2 pi rho b^2 sin 2 alpha_x.
    // The lift rho Gamma i e^(i alpha_x) at the origin moves it to the
    // quarter-chord point q; nose up is clockwise.
    const std::complex<double> quarter = m_leading + 0.25 * (m_trailing - m_leading);
    const double arm = (std::polar(1.0, -alphaX) * (quarter - m_circle.centre())).real();
    return (4.0 * kPi * m_circle.bSquared() * std::sin(2.0 * alphaX) + 2.0 * gamma * arm) /
           (m_chord * m_chord);
}

KuttaCoefficients Flow::kuttaCoefficientsAt(double alphaDegrees) const
{
    const double alphaX = alphaDegrees * kPi / 180.0 + m_phi;
    const double gamma = 4.0 * kPi * std::sin(alphaX + m_beta);
    return {2.0 * gamma / m_chord, momentFor(alphaX, gamma)};
}

double Flow::liftSlopeAt(double alphaDegrees) const
{
    const double alphaX = alphaDegrees * kPi / 180.0 + m_phi;
    return 8.0 * kPi * std::cos(alphaX + m_beta) / m_chord;
}

double Flow::rearStagnationDegrees() const
{
    return m_circle.angleOf(m_rear) * 180.0 / kPi;
}

double Flow::chordFraction(std::complex<double> zeta) const
{
    return ((zeta - m_leading) / (m_trailing - m_leading)).real();
}

void Flow::findEdges()
{
    const double b = m_circle.b();
    for (const double at : {b, -b}) {
        if (m_circle.sideOf(at) != CircleSide::On)
            continue;
        const double nearest = std::min(std::abs(m_front - at), std::abs(m_rear - at));
        m_edges.push_back({at, nearest <= kStagnationAtEdge});
    }
}

void Flow::measureSurface(const ProfileSides &sides)
{
    const ProfileCoordinates coordinates = SeligCoordinates(sides);
    // The file's upper side runs from the trailing edge to the leading edge,
    // the middle point, and its lower side back.
    const std::size_t leadingEdge = coordinates.points.size() / 2;
    m_surface.reserve(coordinates.points.size());
    for (std::size_t k = 0; k < coordinates.points.size(); ++k) {
        const std::complex<double> z = m_circle.pointAt(coordinates.circleAngles[k]);
        const SurfaceSide side = k <= leadingEdge ? SurfaceSide::Upper : SurfaceSide::Lower;
        m_surface.push_back(
            {coordinates.points[k].x, coordinates.points[k].y, z, profileCp(z), side});
    }
}

std::vector<SurfacePressure> Flow::upperSide() const
{
    const auto lower =
        std::find_if(m_surface.begin(), m_surface.end(),
                     [](const SurfacePressure &p) { return p.side == SurfaceSide::Lower; });
    return {std::make_reverse_iterator(lower), m_surface.rend()};
}

// The last Upper point is the leading edge.
std::vector<SurfacePressure> Flow::lowerSide() const
{
    if (m_surface.empty())
        return {};
    const auto lower =
        std::find_if(m_surface.begin(), m_surface.end(),
                     [](const SurfacePressure &p) { return p.side == SurfaceSide::Lower; });
    return {lower - 1, m_surface.end()};
}

std::complex<double> Flow::potential(std::complex<double> z) const
{
    const std::complex<double> s = z - m_circle.centre();
    return m_stream * s + m_doublet * reciprocal(s) + m_vortex * std::log(s);
}

double Flow::streamFunction(std::complex<double> z) const
{
    return sample(z).psi;
}

FlowSample Flow::sample(std::complex<double> z) const
{
    const std::complex<double> s = z - m_circle.centre();
    const double distanceSquared = std::norm(s);
    const std::complex<double> inverse = reciprocal(s);
    // Im of i Gamma/2pi ln(s) is Gamma/2pi ln|s|: no branch cut in psi.
    const double psi = (m_stream * s + m_doublet * inverse).imag() +
                       m_vortex.imag() * 0.5 * std::log(distanceSquared);
    return {psi, velocityFrom(inverse), secondDerivativeFrom(inverse)};
}

// The derivatives of w, from 1 / (z - z0).
std::complex<double> Flow::velocityFrom(std::complex<double> inverse) const
{
    return m_stream + (m_vortex - m_doublet * inverse) * inverse;
}

std::complex<double> Flow::secondDerivativeFrom(std::complex<double> inverse) const
{
    return (2.0 * m_doublet * inverse - m_vortex) * inverse * inverse;
}

std::complex<double> Flow::thirdDerivativeFrom(std::complex<double> inverse) const
{
    return (2.0 * m_vortex - 6.0 * m_doublet * inverse) * inverse * inverse * inverse;
}

std::complex<double> Flow::circleVelocity(std::complex<double> z) const
{
    return velocityFrom(reciprocal(z - m_circle.centre()));
}

std::complex<double> Flow::edgeVelocity(const Edge &edge, std::complex<double> z) const
{
    if (!edge.stagnation)
        return kUnbounded;
    // dw/dz and d zeta/dz both vanish at the edge c; with h = z - c their
    // ratio is (w'' + w''' h / 2) / (zeta'' + zeta''' h / 2) + O(h^2).
    const std::complex<double> h = z - edge.at;
    const std::complex<double> inverse = reciprocal(edge.at - m_circle.centre());
    return (secondDerivativeFrom(inverse) + 0.5 * thirdDerivativeFrom(inverse) * h) /
           (m_circle.secondDerivative(edge.at) + 0.5 * m_circle.thirdDerivative(edge.at) * h);
}

std::complex<double> Flow::profileVelocity(std::complex<double> z) const
{
    for (const Edge &edge : m_edges) {
        if (std::abs(z - edge.at) <= kEdgeRadius)
            return edgeVelocity(edge, z);
    }
    const std::complex<double> mapDerivative = m_circle.derivative(z);
    if (mapDerivative == 0.0)
        return kUnbounded;
    return circleVelocity(z) / mapDerivative;
}

double Flow::profileCp(std::complex<double> z) const
{
    return 1.0 - std::norm(profileVelocity(z));
}

} // namespace wingmap
