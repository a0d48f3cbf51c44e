#ifndef WINGMAP_FLOW_PRIVATE_LEVEL_TRACER_H
#define WINGMAP_FLOW_PRIVATE_LEVEL_TRACER_H

#include "geometry/flow/flow.h"
#include "geometry/flow/streamlines.h"
#include "geometry/numeric/adaptive_step.h"

#include <complex>
#include <cstddef>
#include <vector>

namespace wingmap {

// A vertex is on its level to this fraction of the spacing of the levels
// (1e-6 is promised with room for the rounding of an independent evaluation).
inline constexpr double kLevelTolerance = 1e-9;

namespace level_tracing {
// The chords' sagitta is aimed at half of the quarter pixel allowed; a step
// 1.25 times longer than aimed for at its end is still kept (1.25^2 / 2 < 1).
inline constexpr double kQuarterPixel = 0.25;
inline constexpr double kSagittaAim = 0.5;
inline constexpr double kSlack = 1.25;
inline constexpr double kGrowth = 2.0;
inline constexpr int kMaxTrials = 40;
inline constexpr std::size_t kMaxVertices = 200000;
} // namespace level_tracing

// The sagitta aimed at for chords drawn in pixels of that size.
inline double AimedSagitta(double pixel)
{
    return level_tracing::kSagittaAim * level_tracing::kQuarterPixel * pixel;
}

// Beyond this radius from z0 the velocity along the stream is positive (it
// is at least 1 - 1/r^2 - 2|g|/r, g = Gamma / 4 pi, which is positive beyond
// |g| + sqrt(g^2 + 1)): a line that has left that disc beyond the panes
// never comes back to them. At least 2.5, which serves |g| <= 1.
[[nodiscard]] double SteadyRadius(const Flow &flow);

// Whether the panes have a finite size and the pixels a finite size of at
// least 1 / kMaxPixelsAcross of the circle pane's half width.
[[nodiscard]] bool ViewUsable(const StreamlineView &view);

// Points along the edges of both panes, in the circle plane (the profile
// pane's by the inverse map).
[[nodiscard]] std::vector<std::complex<double>> PaneEdgePoints(const Circle &circle,
                                                               const PaneExtents &panes);

// One vertex of a level curve: the point, the field there (the level
// function and the first two derivatives of the analytic function whose
// imaginary part it is) and, for the potential, the angle of z - z0 continued
// along the curve, which says on which sheet of the logarithm it is.
struct LevelVertex
{
    std::complex<double> z;
    FlowSample field;
    double angle = 0.0;
};

// What the level curves are of: the stream function psi = Im w, or the
// potential phi = Re w = Im(i w), continued along a curve from its start
// (so that it stays continuous across the principal branch's cut).
enum class LevelFunction { StreamFunction, Potential };

// The tracing both the streamlines and the flow net share: Newton's
// projection onto a level, steps of a chord within a quarter pixel of the
// curve in both panes, the predictor and the step control. Both functions
// are the imaginary part of an analytic f (w, or i w), so the curvature and
// the projection are written once in f' and f''.
class LevelTracer
{
public:
    using Points = std::vector<std::complex<double>>;

    LevelTracer(const Flow &flow, const StreamlineView &view, double spacing,
                LevelFunction function = LevelFunction::StreamFunction);

    // Stream coordinate: the distance along the stream from z0.
    double along(std::complex<double> z) const { return ((z - m_centre) * m_stream).real(); }
    // The angle of z - z0 taken within half a turn of `near`.
    double angleNear(std::complex<double> z, double near) const;
    // The level function and f', f'' at z; the potential on the sheet whose
    // angle is `angle` near z.
    FlowSample sample(std::complex<double> z, double angle) const;
    // phi alone on the sheet whose angle is `angle` near z.
    double potentialOn(std::complex<double> z, double angle) const;

    bool project(std::complex<double> z, double level, double angle, LevelVertex &out) const;
    double allowedStep(const LevelVertex &v) const;
    bool advance(const LevelVertex &from, double h, double level, int direction,
                 LevelVertex &out) const;
    // Steps from `from` (the last of the points) until done(points, from)
    // says the line is complete, the vertices run out or no step can be kept.
    template <typename Done>
    void trace(LevelVertex from, double level, int direction, double firstStep, Points &points,
               Done done) const;
    double longestStep() const { return m_longestStep; }
    // PaneEdgePoints of this view: the level functions and the stream
    // coordinate are harmonic outside the body, so over the panes they are
    // extreme there or on the body.
    std::vector<std::complex<double>> paneEdges() const;

protected:
    const Flow &m_flow;
    const Circle &m_circle;
    LevelFunction m_function;
    std::complex<double> m_centre;
    std::complex<double> m_stream; // e^(-i alpha_x)
    double m_spacing;
    double m_circleTolerance;
    double m_profileTolerance;
    double m_circleAway;
    double m_profileAway;
    PaneExtents m_panes;
    double m_longestStep;
    double m_shortestStep;
    // Off the body, the saddle: steps near it stay short against their
    // distance from it, so that Newton's method keeps to the branch it is on.
    bool m_saddle;
    std::complex<double> m_saddlePoint;
};

template <typename Done>
void LevelTracer::trace(LevelVertex from, double level, int direction, double firstStep,
                        Points &points, Done done) const
{
    using namespace level_tracing;
    AdaptiveStep step({firstStep, m_shortestStep, m_longestStep, kGrowth, kSlack});
    while (!done(points, from) && points.size() < kMaxVertices) {
        double h = step.propose(allowedStep(from));
        LevelVertex next;
        bool kept = false;
        for (int trial = 0; trial < kMaxTrials && !kept; ++trial) {
            if (!advance(from, h, level, direction, next)) {
                h = step.retryShorter(h);
                continue;
            }
            const double allowed = allowedStep(next);
            kept = step.keeps(h, allowed);
            if (!kept)
                h = step.retryWithin(allowed);
        }
        if (!kept)
            break;
        step.kept(h);
        points.push_back(next.z);
        from = next;
    }
}

} // namespace wingmap

#endif
