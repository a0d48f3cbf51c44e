#include "geometry/flow/potential_branch.h"

#include "geometry/flow/flow.h"
#include "geometry/flow/streamlines.h"
#include "geometry/numeric/complex_numbers.h"

#include <algorithm>
#include <cmath>

namespace wingmap {

using numeric::kTwoPi;

namespace {

// The angle of the point at radius r on the chord from a to b (about the
// origin, |a| <= r <= |b|), continued from aAngle, the angle of a.
double AngleOnChord(std::complex<double> a, std::complex<double> b, double aAngle, double r)
{
    // |a + t (b - a)|^2 = r^2: the root in [0, 1] (|p(t)| grows along the chord
    // where the cut is kept).
    const std::complex<double> d = b - a;
    const double A = std::norm(d);
    const double B = (std::conj(a) * d).real();
    const double C = std::norm(a) - r * r;
    double t = 0.0;
    if (A > 0.0) {
        const double root = std::sqrt(std::max(B * B - A * C, 0.0));
        t = std::clamp((-B + root) / A, 0.0, 1.0);
    }
    const std::complex<double> p = a + t * d;
    return aAngle + std::arg(p * std::conj(a));
}

} // namespace

// The radius about z0 grows strictly along the downstream dividing
// streamline: d|z - z0|/dt = (r - 1/r) cos(theta - alpha_x), and the line
// never crosses back upstream over the line through z0 across the stream
// beyond the saddle, so it keeps in the half plane downstream of z0. A
// vertex whose radius does not exceed the one before (rounding at the
// stagnation point) is passed over.
PotentialBranch::PotentialBranch(const Flow &flow, const Streamlines &lines) : m_flow(&flow)
{
    if (!flow.ok())
        return;
    const std::complex<double> centre = flow.circle().centre();
    const Streamline *downstream = nullptr;
    for (const Streamline &line : lines.lines) {
        if (line.part == Streamline::Part::Downstream) {
            downstream = &line;
            break;
        }
    }
    std::vector<std::complex<double>> cut;
    if (!flow.stagnationOnBody()) {
        // From the body straight out to the saddle.
        const std::complex<double> saddle = flow.rearStagnation() - centre;
        cut.push_back(saddle / std::abs(saddle) * Circle::radius());
    }
    if (downstream != nullptr) {
        for (const std::complex<double> z : downstream->circle)
            cut.push_back(z - centre);
    }
    if (cut.empty())
        cut.push_back(flow.rearStagnation() - centre);

    std::complex<double> previous = cut.front();
    m_points.push_back(previous);
    m_radius.push_back(std::abs(previous));
    m_angle.push_back(std::arg(previous));
    for (const std::complex<double> s : cut) {
        const double r = std::abs(s);
        if (!(r > m_radius.back()) || !std::isfinite(r))
            continue;
        m_angle.push_back(m_angle.back() + std::arg(s * std::conj(previous)));
        m_radius.push_back(r);
        m_points.push_back(s);
        previous = s;
    }
}

double PotentialBranch::cutAngle(double r) const
{
    if (m_radius.empty())
        return 0.0;
    if (!(r > m_radius.front()))
        return m_angle.front();
    if (!(r < m_radius.back()))
        return m_angle.back();
    const std::size_t i =
        std::upper_bound(m_radius.begin(), m_radius.end(), r) - m_radius.begin();
    return AngleOnChord(m_points[i - 1], m_points[i], m_angle[i - 1], r);
}

int PotentialBranch::sheet(std::complex<double> z) const
{
    const std::complex<double> s = z - m_flow->circle().centre();
    const double principal = std::arg(s);
    const double low = cutAngle(std::abs(s));
    // theta in [low, low + 2 pi), the angle the branch takes; it differs from
    // the principal one by whole turns.
    double turned = std::fmod(principal - low, kTwoPi);
    if (turned < 0.0)
        turned += kTwoPi;
    return static_cast<int>(std::lround((low + turned - principal) / kTwoPi));
}

// Re of (i Gamma / 2 pi) ln(z - z0) is -Gamma theta / 2 pi: a turn more of
// theta takes Gamma off phi.
double PotentialBranch::phi(std::complex<double> z) const
{
    return m_flow->potential(z).real() - m_flow->gamma() * sheet(z);
}

} // namespace wingmap
