#include "geometry/flow/streamlines.h"

#include "geometry/flow/flow.h"
#include "geometry/flow/private/level_tracer.h"
#include "geometry/numeric/complex_numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace wingmap {

using numeric::isFinite;
using numeric::kTwoPi;

namespace {

constexpr double kIntervalsAcross = 16.0; // delta psi = 2 |Scale| / 16
// One more level on each side covers what lies between the points of the
// panes' edges where the levels are taken.
constexpr int kExtraLevels = 1;
constexpr int kMaxLevelsEachSide = 4096;
constexpr int kStartSteps = 200;
constexpr int kStartHalvings = 20;
// Stagnation points closer than this (plot units) have met.
constexpr double kMetStagnation = 1e-9;
// The bisections that find where a closed level crosses its start ray.
constexpr int kRaySteps = 200;

using Vertex = LevelVertex;

// The panes' extent along the stream and the stream function's range in
// them, both taken outside the body.
struct PaneReach
{
    double alongLow = 0.0;
    double alongHigh = 0.0;
    double psiLow = 0.0;
    double psiHigh = 0.0;
};

class Tracer : public LevelTracer
{
public:
    Tracer(const Flow &flow, const StreamlineView &view, double deltaPsi)
        : LevelTracer(flow, view, deltaPsi)
    {
    }

    PaneReach reach(double steadyRadius) const;
    bool startOnLevel(double psi, double along, Vertex &out) const;
    std::vector<std::complex<double>> traceLevel(double psi, double alongFrom,
                                                 double alongTo) const;
    std::vector<std::complex<double>> traceFromStagnation(std::complex<double> stagnation,
                                                          std::complex<double> other, int direction,
                                                          double alongTo) const;
    std::vector<std::complex<double>> traceFromSaddle(double psi, std::complex<double> heading,
                                                      int direction, double alongTo) const;
    std::vector<std::complex<double>> traceAroundFromSaddle(double psi,
                                                            std::complex<double> heading) const;
    std::vector<std::complex<double>> traceClosedLevel(double psi) const;

private:
    void consider(std::complex<double> z, PaneReach &reach) const;
    void traceTo(Vertex from, double psi, int direction, double alongTo, double firstStep,
                 Points &points) const;
    double startReach(std::complex<double> stagnation) const;
    bool leave(std::complex<double> stagnation, std::complex<double> heading, double psi,
               int direction, double reach, Vertex &start, double &first) const;
};

void Tracer::consider(std::complex<double> z, PaneReach &reach) const
{
    if (!isFinite(z) || std::norm(z - m_centre) < Circle::radius() * Circle::radius())
        return;
    const double psi = m_flow.streamFunction(z);
    const double a = along(z);
    reach.alongLow = std::min(reach.alongLow, a);
    reach.alongHigh = std::max(reach.alongHigh, a);
    reach.psiLow = std::min(reach.psiLow, psi);
    reach.psiHigh = std::max(reach.psiHigh, psi);
}

// The stream function and the stream coordinate are harmonic outside the
// body, so over a pane they are extreme on its edges or on the body (where
// psi is 0 and |along| at most 1).
PaneReach Tracer::reach(double steadyRadius) const
{
    PaneReach reach{-steadyRadius, steadyRadius, 0.0, 0.0};
    for (const std::complex<double> z : paneEdges())
        consider(z, reach);
    return reach;
}

void Tracer::traceTo(Vertex from, double psi, int direction, double alongTo, double firstStep,
                     Points &points) const
{
    trace(from, psi, direction, firstStep, points, [&](const Points &line, const Vertex &) {
        return direction > 0 ? along(line.back()) > alongTo : along(line.back()) < alongTo;
    });
}

// Far upstream the stream function grows monotonically across the stream,
// so each level meets the line across it once: a safeguarded Newton search.
bool Tracer::startOnLevel(double psi, double alongFrom, Vertex &out) const
{
    const auto at = [&](double eta) {
        return m_centre + std::conj(m_stream) * std::complex<double>(alongFrom, eta);
    };
    const double tolerance = kLevelTolerance * m_spacing;
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    // The far field psi = eta + Gamma/2pi ln r is the first guess.
    double eta = psi - m_flow.gamma() / kTwoPi * std::log(std::hypot(alongFrom, psi));
    for (int step = 0; step < kStartSteps; ++step) {
        const std::complex<double> z = at(eta);
        const FlowSample field = m_flow.sample(z);
        const double miss = field.psi - psi;
        if (!std::isfinite(miss))
            return false;
        if (std::abs(miss) <= tolerance) {
            out = {z, field};
            return true;
        }
        (miss < 0.0 ? low : high) = eta;
        // d psi / d eta = grad psi . i e^(i alpha_x) = Re(w' e^(i alpha_x)).
        const double slope = (field.velocity * std::conj(m_stream)).real();
        double next = eta - miss / slope;
        if (!(next > low && next < high) && std::isfinite(low) && std::isfinite(high))
            next = 0.5 * (low + high);
        if (!std::isfinite(next) || next == eta)
            return false;
        eta = next;
    }
    return false;
}

std::vector<std::complex<double>> Tracer::traceLevel(double psi, double alongFrom,
                                                     double alongTo) const
{
    std::vector<std::complex<double>> points;
    Vertex start;
    if (!startOnLevel(psi, alongFrom, start))
        return points;
    points.push_back(start.z);
    traceTo(start, psi, +1, alongTo, std::min(allowedStep(start), m_longestStep), points);
    return points;
}

// How far the first vertex of a line from a stagnation point may lie from
// it: within an eighth of a pixel in both planes, so that the chord from the
// stagnation point keeps to the curve.
double Tracer::startReach(std::complex<double> stagnation) const
{
    double reach = std::min(m_circleTolerance, m_longestStep);
    const double mapScale = std::abs(m_circle.derivative(stagnation));
    if (mapScale > 0.0)
        reach = std::min(reach, m_profileTolerance / mapScale);
    return reach;
}

// The first vertex: a short step from the stagnation point along `heading`
// (of length 1), projected onto the level, where the flow runs away from the
// stagnation point (direction +1) or toward it (-1); halved until one is found.
bool Tracer::leave(std::complex<double> stagnation, std::complex<double> heading, double psi,
                   int direction, double reach, Vertex &start, double &first) const
{
    first = reach;
    for (int halving = 0; halving < kStartHalvings; ++halving, first *= 0.5) {
        if (!project(stagnation + first * heading, psi, 0.0, start) ||
            std::norm(start.z - m_centre) < 1.0 || start.z == stagnation)
            continue;
        const std::complex<double> flowing = double(direction) * std::conj(start.field.velocity);
        if ((std::conj(start.z - stagnation) * flowing).real() > 0.0)
            return true;
    }
    return false;
}

// The dividing streamline leaves a stagnation point on the body at right
// angles to it; where the two stagnation points meet (Gamma = +-4 pi), the
// zero of dw/dz is double and its two parts leave at 30 degrees either side
// of the radius. The first vertex is a short step out in one of these
// directions; the line runs from the stagnation point on.
std::vector<std::complex<double>> Tracer::traceFromStagnation(std::complex<double> stagnation,
                                                              std::complex<double> other,
                                                              int direction, double alongTo) const
{
    std::vector<std::complex<double>> points{stagnation};
    const std::complex<double> outward = stagnation - m_centre;
    double reach = startReach(stagnation);
    const double apart = std::abs(other - stagnation);
    if (apart > kMetStagnation)
        reach = std::min(reach, 0.25 * apart);
    const double thirty = std::numbers::pi / 6.0;
    for (const std::complex<double> rotation :
         {std::complex<double>(1.0, 0.0), std::polar(1.0, thirty), std::polar(1.0, -thirty)}) {
        Vertex start;
        double first = 0.0;
        if (!leave(stagnation, outward * rotation, m_flow.psiBody(), direction, reach, start,
                   first))
            continue;
        points.push_back(start.z);
        traceTo(start, m_flow.psiBody(), direction, alongTo, first, points);
        return points;
    }
    return points;
}

// A branch of the separatrix from the saddle in the flow, along `heading`,
// to beyond the panes (against the flow for direction -1).
std::vector<std::complex<double>> Tracer::traceFromSaddle(double psi, std::complex<double> heading,
                                                          int direction, double alongTo) const
{
    std::vector<std::complex<double>> points{m_saddlePoint};
    Vertex start;
    double first = 0.0;
    if (!leave(m_saddlePoint, heading, psi, direction, startReach(m_saddlePoint), start, first))
        return points;
    points.push_back(start.z);
    traceTo(start, psi, direction, alongTo, first, points);
    return points;
}

// The separatrix's loop from the saddle round the body back to it. Steps
// near the saddle are at most kReach of the distance to it, so the loop
// comes within the first step's reach of it, and the saddle closes it.
// Empty when it does not come back.
std::vector<std::complex<double>> Tracer::traceAroundFromSaddle(double psi,
                                                                std::complex<double> heading) const
{
    std::vector<std::complex<double>> points{m_saddlePoint};
    const double reach = startReach(m_saddlePoint);
    Vertex start;
    double first = 0.0;
    if (!leave(m_saddlePoint, heading, psi, +1, reach, start, first))
        return {};
    points.push_back(start.z);
    bool away = false;
    bool closed = false;
    trace(start, psi, +1, first, points, [&](Points &line, const Vertex &) {
        const double distance = std::abs(line.back() - m_saddlePoint);
        away = away || distance > 2.0 * reach;
        if (away && distance <= reach) {
            line.push_back(m_saddlePoint);
            closed = true;
        }
        return closed;
    });
    if (!closed)
        return {};
    return points;
}

// A level between the body and the separatrix's loop: closed round the body.
// It crosses the ray from z0 away from the saddle once (psi is monotonic
// along it: from psiBody on the body to beyond the separatrix's level), so
// it starts there and ends when a chord crosses that ray again, the start
// taking the place of the chord's end. Empty when it does not close.
std::vector<std::complex<double>> Tracer::traceClosedLevel(double psi) const
{
    const std::complex<double> ray =
        -(m_saddlePoint - m_centre) / std::abs(m_saddlePoint - m_centre);
    const auto psiAt = [&](double r) { return m_flow.streamFunction(m_centre + r * ray); };
    const double body = m_flow.psiBody();
    const auto beyond = [&](double r) { return (psiAt(r) - psi) * (psi - body) >= 0.0; };
    double low = Circle::radius();
    double high = 2.0 * Circle::radius();
    for (int step = 0; step < kRaySteps && !beyond(high); ++step) {
        low = high;
        high *= 2.0;
    }
    for (int step = 0; step < kRaySteps && high - low > 0.0; ++step) {
        const double middle = 0.5 * (low + high);
        if (middle <= low || middle >= high)
            break;
        (beyond(middle) ? high : low) = middle;
    }
    Vertex start;
    if (!project(m_centre + low * ray, psi, 0.0, start))
        return {};
    std::vector<std::complex<double>> points{start.z};
    const auto side = [&](std::complex<double> z) {
        return (std::conj(ray) * (z - m_centre)).imag();
    };
    bool closed = false;
    trace(start, psi, +1, std::min(allowedStep(start), m_longestStep), points,
          [&](Points &line, const Vertex &) {
              if (line.size() < 3)
                  return false;
              const std::complex<double> a = line[line.size() - 2];
              const std::complex<double> b = line.back();
              const double sa = side(a);
              const double sb = side(b);
              if (sa == 0.0 || (sa > 0.0) == (sb > 0.0))
                  return false;
              const std::complex<double> crossing = a + (sa / (sa - sb)) * (b - a);
              if ((std::conj(ray) * (crossing - m_centre)).real() <= 0.0)
                  return false;
              line.back() = line.front();
              closed = true;
              return true;
          });
    if (!closed)
        return {};
    return points;
}

// Why the flow or the view gives nothing to trace, or None.
StreamlineFailure refusalOf(const Flow &flow, const StreamlineView &view)
{
    if (!flow.ok())
        return StreamlineFailure::NoFlow;
    if (std::abs(flow.gamma()) > kMaxTracedCirculation)
        return StreamlineFailure::CirculationTooLarge;
    return ViewUsable(view) ? StreamlineFailure::None : StreamlineFailure::BadView;
}

// The levels to trace and how far along the stream each line runs.
struct TraceRange
{
    int lowest = 0;
    int highest = 0;
    double alongFrom = 0.0;
    double alongTo = 0.0;
};

// Adds a line of the circle plane, with its image under the map.
void addLine(Streamlines &result, const Circle &circle, Streamline::Part part, int level,
             double psi, std::vector<std::complex<double>> points)
{
    Streamline line{part, level, psi, std::move(points), {}};
    line.profile.reserve(line.circle.size());
    for (const std::complex<double> z : line.circle)
        line.profile.push_back(circle.map(z));
    result.lines.push_back(std::move(line));
}

// With the stagnation point off the body: the separatrix through the
// saddle, its loop round the body, and the closed levels inside that loop.
//
// Near the saddle psi - psiS is Im(w'' h^2) / 2, so the separatrix leaves
// along the h where w'' h^2 is real, the flow running out of the saddle
// where it is positive (velocity conj(w'' h) along h) and into it where it
// is negative. Of each pair one heads for the body: the loop.
void addSaddleLines(const Flow &flow, const Tracer &tracer, const TraceRange &range,
                    Streamlines &result)
{
    const Circle &circle = flow.circle();
    const std::complex<double> saddle = flow.rearStagnation();
    const double saddlePsi = flow.streamFunction(saddle);
    const std::complex<double> out =
        std::polar(1.0, -0.5 * std::arg(flow.sample(saddle).secondDerivative));
    const std::complex<double> in = std::complex<double>(0.0, 1.0) * out;
    const std::complex<double> toBody = circle.centre() - saddle;
    const auto awayFromBody = [&](std::complex<double> h) {
        return (std::conj(h) * toBody).real() < 0.0 ? h : -h;
    };
    std::vector<std::complex<double>> upstream =
        tracer.traceFromSaddle(saddlePsi, awayFromBody(in), -1, range.alongFrom);
    std::reverse(upstream.begin(), upstream.end());
    addLine(result, circle, Streamline::Part::Upstream, 0, saddlePsi, std::move(upstream));
    addLine(result, circle, Streamline::Part::Downstream, 0, saddlePsi,
            tracer.traceFromSaddle(saddlePsi, awayFromBody(out), +1, range.alongTo));
    std::vector<std::complex<double>> around =
        tracer.traceAroundFromSaddle(saddlePsi, -awayFromBody(out));
    if (!around.empty())
        addLine(result, circle, Streamline::Part::Around, 0, saddlePsi, std::move(around));
    // The closed levels strictly between the body and the separatrix's loop.
    const double inner = (saddlePsi - result.psiBody) / result.levelSpacing;
    const int closedLow =
        std::max(range.lowest, static_cast<int>(std::floor(std::min(inner, 0.0))) + 1);
    const int closedHigh =
        std::min(range.highest, static_cast<int>(std::ceil(std::max(inner, 0.0))) - 1);
    for (int k = closedLow; k <= closedHigh; ++k) {
        const double psi = result.psiBody + k * result.levelSpacing;
        if (k == 0 || (psi - saddlePsi) * (psi - result.psiBody) >= 0.0)
            continue;
        std::vector<std::complex<double>> loop = tracer.traceClosedLevel(psi);
        if (!loop.empty())
            addLine(result, circle, Streamline::Part::Closed, k, psi, std::move(loop));
    }
    std::stable_sort(result.lines.begin(), result.lines.end(),
                     [](const Streamline &a, const Streamline &b) { return a.psi < b.psi; });
}

} // namespace

Streamlines TraceStreamlines(const Flow &flow, const StreamlineView &view, int levelsPerInterval)
{
    Streamlines result;
    result.failure = refusalOf(flow, view);
    if (!result.ok())
        return result;
    levelsPerInterval = std::clamp(levelsPerInterval, 1, kMaxLevelsPerInterval);
    const double scale = view.panes.circle.halfWidth();
    result.deltaPsi = 2.0 * scale / kIntervalsAcross;
    result.levelSpacing = result.deltaPsi / levelsPerInterval;
    result.psiBody = flow.psiBody();

    const Tracer tracer(flow, view, result.deltaPsi);
    const double steadyRadius = SteadyRadius(flow);
    const PaneReach reach = tracer.reach(steadyRadius);
    // Starting and ending beyond both panes and beyond the steady radius.
    const double margin = result.deltaPsi;
    const auto levelOf = [&](double psi) { return (psi - result.psiBody) / result.levelSpacing; };
    const double most = double(kMaxLevelsEachSide) * levelsPerInterval;
    const TraceRange range{
        static_cast<int>(std::clamp(std::floor(levelOf(reach.psiLow)) - kExtraLevels, -most, -1.0)),
        static_cast<int>(std::clamp(std::ceil(levelOf(reach.psiHigh)) + kExtraLevels, 1.0, most)),
        std::min(reach.alongLow, -steadyRadius) - margin,
        std::max(reach.alongHigh, steadyRadius) + margin};

    const Circle &circle = flow.circle();
    const bool onBody = flow.stagnationOnBody();
    for (int k = range.lowest; k <= range.highest; ++k) {
        if (k == 0 && onBody) {
            std::vector<std::complex<double>> upstream = tracer.traceFromStagnation(
                flow.frontStagnation(), flow.rearStagnation(), -1, range.alongFrom);
            std::reverse(upstream.begin(), upstream.end());
            addLine(result, circle, Streamline::Part::Upstream, 0, result.psiBody,
                    std::move(upstream));
            addLine(result, circle, Streamline::Part::Downstream, 0, result.psiBody,
                    tracer.traceFromStagnation(flow.rearStagnation(), flow.frontStagnation(), +1,
                                               range.alongTo));
            continue;
        }
        const double psi = result.psiBody + k * result.levelSpacing;
        addLine(result, circle, Streamline::Part::Level, k, psi,
                tracer.traceLevel(psi, range.alongFrom, range.alongTo));
    }
    if (!onBody)
        addSaddleLines(flow, tracer, range, result);
    return result;
}

} // namespace wingmap
