#include "geometry/flow/private/level_tracer.h"

#include "geometry/flow/flow.h"
#include "geometry/numeric/adaptive_step.h"
#include "geometry/numeric/complex_numbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace wingmap {

using numeric::isFinite;
using numeric::kTwoPi;

namespace {

// Away from both panes nothing is drawn: there the sagitta may grow to this
// (plot units) when it is above the pixels', so that a tiny Scale, whose
// pixels are tiny, does not trace the whole line in tiny steps. Such steps
// stop at half the way to a pane, so a chord never crosses one.
constexpr double kAwaySagitta = 1e-3;
constexpr double kApproach = 0.5;
// The shortest step, as a fraction of the sagitta aimed at.
constexpr double kShortestStep = 1e-6;
// A step is at most this fraction of the distance to the nearest point where
// the field or the map is singular (z0, 0, +-b; all inside or on the circle):
// over it the curvature the steps are based on changes little.
constexpr double kReach = 0.3;
constexpr int kNewtonSteps = 8;
constexpr double kSteadyRadius = 2.5;
constexpr double kSteadyMargin = 1.05;
// Points along each edge of a pane.
constexpr int kEdgeSamples = 64;

} // namespace

double SteadyRadius(const Flow &flow)
{
    const double g = std::abs(flow.gamma()) / (2.0 * kTwoPi);
    if (g <= 1.0)
        return kSteadyRadius;
    return std::max(kSteadyRadius, kSteadyMargin * (g + std::hypot(g, 1.0)));
}

LevelTracer::LevelTracer(const Flow &flow, const StreamlineView &view, double spacing,
                         LevelFunction function)
    : m_flow(flow), m_circle(flow.circle()), m_function(function), m_centre(flow.circle().centre()),
      m_stream(std::polar(1.0, -flow.alphaX())), m_spacing(spacing),
      m_circleTolerance(AimedSagitta(view.circlePixel)),
      m_profileTolerance(AimedSagitta(view.profilePixel)),
      m_circleAway(std::max(m_circleTolerance, level_tracing::kSagittaAim * kAwaySagitta)),
      m_profileAway(std::max(m_profileTolerance, level_tracing::kSagittaAim * kAwaySagitta)),
      m_panes(view.panes), m_longestStep(std::max(m_panes.circle.halfWidth(), 1.0)),
      m_shortestStep(kShortestStep * std::min(m_circleTolerance, m_profileTolerance)),
      m_saddle(!flow.stagnationOnBody()), m_saddlePoint(flow.rearStagnation())
{
}

bool ViewUsable(const StreamlineView &view)
{
    const double scale = view.panes.circle.halfWidth();
    const auto sized = [](const PaneExtent &pane) {
        return std::isfinite(pane.halfWidth()) && pane.halfWidth() > 0.0 &&
               std::isfinite(pane.halfHeight()) && pane.halfHeight() > 0.0;
    };
    const auto fits = [scale](double pixel) {
        return std::isfinite(pixel) && pixel > 0.0 && pixel * kMaxPixelsAcross >= scale;
    };
    return sized(view.panes.circle) && sized(view.panes.profile) && fits(view.circlePixel) &&
           fits(view.profilePixel);
}

std::vector<std::complex<double>> LevelTracer::paneEdges() const
{
    return PaneEdgePoints(m_circle, m_panes);
}

std::vector<std::complex<double>> PaneEdgePoints(const Circle &circle, const PaneExtents &panes)
{
    const auto edges = [](const PaneExtent &pane, double fraction) {
        const double w = pane.halfWidth();
        const double h = pane.halfHeight();
        const double x = w * fraction;
        const double y = h * fraction;
        return std::array<std::complex<double>, 4>{{{x, -h}, {x, h}, {-w, y}, {w, y}}};
    };
    std::vector<std::complex<double>> points;
    points.reserve(8 * (kEdgeSamples + 1));
    for (int i = 0; i <= kEdgeSamples; ++i) {
        const double fraction = 2.0 * i / kEdgeSamples - 1.0;
        for (const std::complex<double> z : edges(panes.circle, fraction))
            points.push_back(z);
        for (const std::complex<double> zeta : edges(panes.profile, fraction))
            points.push_back(circle.inverse(zeta));
    }
    return points;
}

double LevelTracer::angleNear(std::complex<double> z, double near) const
{
    return near + std::remainder(std::arg(z - m_centre) - near, kTwoPi);
}

// Re (i Gamma / 2 pi) ln(z - z0) is -Gamma theta / 2 pi: on the sheet of the
// angle theta, phi is Re w of the principal branch less Gamma for each turn
// theta lies above the principal angle.
double LevelTracer::potentialOn(std::complex<double> z, double angle) const
{
    const double principal = std::arg(z - m_centre);
    const double theta = angle + std::remainder(principal - angle, kTwoPi);
    return m_flow.potential(z).real() - m_flow.gamma() * std::round((theta - principal) / kTwoPi);
}

FlowSample LevelTracer::sample(std::complex<double> z, double angle) const
{
    FlowSample field = m_flow.sample(z);
    if (m_function == LevelFunction::StreamFunction)
        return field;
    const std::complex<double> i(0.0, 1.0);
    return {potentialOn(z, angle), i * field.velocity, i * field.secondDerivative};
}

bool LevelTracer::project(std::complex<double> z, double level, double angle,
                          LevelVertex &out) const
{
    const double tolerance = kLevelTolerance * m_spacing;
    for (int step = 0; step < kNewtonSteps; ++step) {
        const FlowSample field = sample(z, angle);
        const double miss = field.psi - level;
        if (!std::isfinite(miss) || !isFinite(field.velocity))
            return false;
        if (std::abs(miss) <= tolerance) {
            out = {z, field, m_function == LevelFunction::Potential ? angleNear(z, angle) : 0.0};
            return true;
        }
        // The level function is Im f, grad Im f = i conj(f'), so the step
        // -miss grad / |grad|^2 is -i miss / f' = -i miss conj(f') / |f'|^2
        // (written so, it needs no complex division).
        z -=
            std::complex<double>(0.0, miss) * std::conj(field.velocity) / std::norm(field.velocity);
    }
    return false;
}

// The longest step from v whose chord keeps to the aimed sagitta in both
// planes. The streamline's curvature is |Im(w'' conj(w')^2)| / |w'|^3; in
// the profile plane W' = w'/Z' and W'' = (w'' Z' - w' Z'') / Z'^3 give
// |Im((w'' Z' - w' Z'') conj(w')^2 conj(Z'))| / (|Z'|^3 |w'|^3), and a step
// h in the circle plane is about |Z'| h there.
double LevelTracer::allowedStep(const LevelVertex &v) const
{
    const std::complex<double> g = v.field.velocity;
    const std::complex<double> second = v.field.secondDerivative;
    const double speed = std::abs(g);
    if (!(speed > 0.0))
        return 0.0;
    const std::complex<double> g2 = std::conj(g) * std::conj(g);
    const double speedCubed = speed * speed * speed;
    const double circleCurvature = (second * g2).imag() / speedCubed;

    const std::complex<double> mapDerivative = m_circle.derivative(v.z);
    const double mapScale = std::abs(mapDerivative);
    if (!(mapScale > 0.0))
        return 0.0;
    const std::complex<double> profileCurvatureNumerator =
        (second * mapDerivative - g * m_circle.secondDerivative(v.z)) * g2 *
        std::conj(mapDerivative);
    const double profileCurvature =
        profileCurvatureNumerator.imag() / (mapScale * mapScale * mapScale * speedCubed);

    const double b = m_circle.b();
    double nearest =
        std::min({std::abs(v.z - m_centre), std::abs(v.z - b), std::abs(v.z + b), std::abs(v.z)});
    if (m_saddle)
        nearest = std::min(nearest, std::abs(v.z - m_saddlePoint));
    const auto longest = [&](double circleTolerance, double profileTolerance) {
        return std::min({ChordForSagitta(circleCurvature, circleTolerance),
                         ChordForSagitta(profileCurvature, profileTolerance) / mapScale,
                         kReach * nearest});
    };
    const double near = longest(m_circleTolerance, m_profileTolerance);
    const double toCirclePane = m_panes.circle.distanceOutside(v.z);
    const double toProfilePane = m_panes.profile.distanceOutside(m_circle.map(v.z)) / mapScale;
    const double toPanes = kApproach * std::min(toCirclePane, toProfilePane);
    if (!(toPanes > near))
        return near;
    return std::min(longest(m_circleAway, m_profileAway), toPanes);
}

// A step of length h along the level curve, direction +1 along conj(f')
// (with the flow on a streamline) and -1 against it: a second-order predictor along the tangent and
// the curvature, projected back onto the level. Refused when the projection fails, lands inside the
// body or far from the prediction, or turns back.
bool LevelTracer::advance(const LevelVertex &from, double h, double level, int direction,
                          LevelVertex &out) const
{
    const std::complex<double> g = from.field.velocity;
    const double speed = std::abs(g);
    if (!(speed > 0.0))
        return false;
    const std::complex<double> tangent = double(direction) * std::conj(g) / speed;
    const double curvature = -double(direction) *
                             (from.field.secondDerivative * std::conj(g) * std::conj(g)).imag() /
                             (speed * speed * speed);
    const std::complex<double> predicted =
        from.z + h * tangent * std::complex<double>(1.0, 0.5 * h * curvature);
    if (!project(predicted, level, from.angle, out))
        return false;
    if (std::norm(out.z - m_centre) < Circle::radius() * Circle::radius() ||
        std::abs(out.z - predicted) > 0.5 * h || out.z == from.z)
        return false;
    const std::complex<double> onward = double(direction) * std::conj(out.field.velocity);
    return (std::conj(tangent) * onward).real() > 0.0;
}

} // namespace wingmap
