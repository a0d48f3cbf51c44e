#include "geometry/flow/time_lines.h"

#include "geometry/flow/flow.h"
#include "geometry/numeric/complex_numbers.h"
#include "geometry/numeric/golden_section.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace wingmap {

using numeric::isFinite;
using numeric::kTwoPi;

namespace {

constexpr int kLevelsPerInterval = 4;
constexpr double kReleasesPerScale = 4.0; // T = |Scale| / 4 seconds
// The release line lies at least this far (plot units) upstream of the
// body; a particle is dropped this far beyond the pane's downstream edge.
constexpr double kClearance = 1.0;
// A chord of a timed level is kept when the cubic of its ends puts the
// particle within this fraction of a pixel of the curve at the middle's
// time, and Simpson's rule over the chord agrees with that over its two
// halves to this fraction of the chord's travel time (over a whole path the
// times then stay within a few hundredths of a pixel at the particle's
// speed; the quarter pixel leaves room for the release point and the drawing).
constexpr double kInterpolationPixels = 1.0 / 16.0;
constexpr double kTimeTolerance = 1e-5;
// Halvings of a traced chord, and vertices of one timed level, beyond which
// a chord is kept as it is, so that a level whose chords never agree
// still costs a bounded time.
constexpr int kMaxDepth = 16;
constexpr std::size_t kMaxVertices = 20000;
// Midpoints are projected onto their level by Newton's method to this
// fraction of delta psi.
constexpr double kLevelTolerance = 1e-9;
constexpr int kNewtonSteps = 8;
// Bisections of a chord's cubic where it crosses a release, drop or edge line.
constexpr int kCrossingSteps = 50;
// The body's most upstream point in the profile plane: the best of these
// points round the circle, refined to this angle (radians).
constexpr int kBodySamples = 720;
constexpr double kBodyAngleTolerance = 1e-10;
// Points along each release and drop line whose images set the profile
// pane that is traced.
constexpr int kLineSamples = 64;

// |z|, without the library's care for overflow (slow, and not needed here).
double Length(std::complex<double> z)
{
    return std::sqrt(std::norm(z));
}

// The lines of one pane, in the coordinate X = sigma x that grows
// downstream (sigma = -1 where the free stream runs to the left).
struct PaneLines
{
    double release = 0.0; // X of the release line
    double drop = 0.0;    // a particle beyond this X is dropped
    double halfHeight = 0.0;
};

// Where a particle is and its velocity there, in one plane (plot units,
// plot units per second).
struct Motion
{
    std::complex<double> point;
    std::complex<double> velocity;
};

// The cubic from a to b that takes h seconds with the velocities of both
// ends (Hermite's), at the fraction s of the time.
Motion Cubic(const Motion &a, const Motion &b, double h, double s)
{
    if (!(h > 0.0))
        return a;
    const double s2 = s * s;
    const double s3 = s2 * s;
    const std::complex<double> point = (2.0 * s3 - 3.0 * s2 + 1.0) * a.point +
                                       (s3 - 2.0 * s2 + s) * h * a.velocity +
                                       (3.0 * s2 - 2.0 * s3) * b.point + (s3 - s2) * h * b.velocity;
    const std::complex<double> rate = (6.0 * s2 - 6.0 * s) * (a.point - b.point) +
                                      (3.0 * s2 - 4.0 * s + 1.0) * h * a.velocity +
                                      (3.0 * s2 - 2.0 * s) * h * b.velocity;
    return {point, rate / h};
}

// A point of a level, with the particle's velocity and the time per unit
// of arc length (1 / q) there in each plane.
struct Sample
{
    Motion circle;
    Motion profile;
    double circleSlowness = 0.0;  // 1 / |dw/dz|
    double profileSlowness = 0.0; // 1 / |dw/dzeta| = |dzeta/dz| / |dw/dz|
};

// A vertex of a timed level, with the travel time to it in each plane from
// the first vertex.
struct TimedVertex
{
    Motion circle;
    Motion profile;
    double circleTime = 0.0;
    double profileTime = 0.0;
};

const Motion &MotionIn(FlowPlane plane, const TimedVertex &v)
{
    return plane == FlowPlane::Circle ? v.circle : v.profile;
}

double TimeIn(FlowPlane plane, const TimedVertex &v)
{
    return plane == FlowPlane::Circle ? v.circleTime : v.profileTime;
}

// The integral over a - m - b of the quadratic through the three values,
// m lying h0 along from a and b h1 along from m.
double Simpson(double fa, double fm, double fb, double h0, double h1)
{
    const double h = h0 + h1;
    if (!(h0 > 0.0) || !(h1 > 0.0))
        return 0.5 * (h0 * (fa + fm) + h1 * (fm + fb));
    return h / 6.0 * ((2.0 - h1 / h0) * fa + h * h / (h0 * h1) * fm + (2.0 - h0 / h1) * fb);
}

struct ChordTime
{
    double time = 0.0;
    bool kept = false;
};

// The travel time over a chord in one plane from five points of its curve
// (its ends, its middle and the middles of its halves), and whether the
// chord may be kept whole: Simpson's rule over it agrees with that over its
// halves, and the cubic of its ends puts the particle at the middle's time
// within the tolerance of the middle.
ChordTime TimeOverChord(const std::array<std::complex<double>, 5> &p,
                        const std::array<double, 5> &slowness, const Motion &a, const Motion &b,
                        double tolerance)
{
    const auto along = [&](int from, int to) { return Length(p[to] - p[from]); };
    const double whole = Simpson(slowness[0], slowness[2], slowness[4], along(0, 2), along(2, 4));
    const double first = Simpson(slowness[0], slowness[1], slowness[2], along(0, 1), along(1, 2));
    const double second = Simpson(slowness[2], slowness[3], slowness[4], along(2, 3), along(3, 4));
    const double fine = first + second;
    if (!(fine > 0.0))
        return {0.0, true};
    const double time = fine + (fine - whole) / 15.0;
    const Motion middle = Cubic(a, b, time, first / fine);
    const bool kept = std::abs(fine - whole) <= 15.0 * kTimeTolerance * fine &&
                      Length(middle.point - p[2]) <= tolerance;
    return {time, kept};
}

// Times one level of the stream function along its traced polyline.
class LevelTimer
{
public:
    LevelTimer(const Flow &flow, double psi, double deltaPsi, double circleTolerance,
               double profileTolerance)
        : m_flow(flow), m_circle(flow.circle()), m_psi(psi),
          m_tolerance(kLevelTolerance * deltaPsi), m_circleTolerance(circleTolerance),
          m_profileTolerance(profileTolerance)
    {
    }

    // The traced vertices from..to (indices) with vertices added between
    // them until each chord keeps to the tolerances, timed from `from`.
    std::vector<TimedVertex> time(const std::vector<std::complex<double>> &points, std::size_t from,
                                  std::size_t to) const;

private:
    Sample sampleOnLevel(std::complex<double> z) const;
    void refine(const Sample &a, const Sample &m, const Sample &b, int depth,
                std::vector<TimedVertex> &out) const;

    const Flow &m_flow;
    const Circle &m_circle;
    double m_psi;
    double m_tolerance;
    double m_circleTolerance;
    double m_profileTolerance;
};

Sample LevelTimer::sampleOnLevel(std::complex<double> z) const
{
    FlowSample field = m_flow.sample(z);
    for (int step = 0; step < kNewtonSteps && std::abs(field.psi - m_psi) > m_tolerance; ++step) {
        // grad psi = i conj(dw/dz): the step onto the level is -i miss / (dw/dz).
        const std::complex<double> next =
            z - std::complex<double>(0.0, field.psi - m_psi) / field.velocity;
        if (!isFinite(next) || std::norm(next - m_circle.centre()) < 1.0)
            break;
        const FlowSample nextField = m_flow.sample(next);
        if (!std::isfinite(nextField.psi) || !isFinite(nextField.velocity))
            break;
        z = next;
        field = nextField;
    }
    // The particle moves with conj(dw/dz) in the circle plane and with
    // conj(dw/dzeta), dw/dzeta = (dw/dz) / (dzeta/dz), in the profile plane.
    const std::complex<double> mapDerivative = m_circle.derivative(z);
    const double speed = Length(field.velocity);
    return {{z, std::conj(field.velocity)},
            {m_circle.map(z), std::conj(field.velocity / mapDerivative)},
            1.0 / speed,
            Length(mapDerivative) / speed};
}

void LevelTimer::refine(const Sample &a, const Sample &m, const Sample &b, int depth,
                        std::vector<TimedVertex> &out) const
{
    const Sample l = sampleOnLevel(0.5 * (a.circle.point + m.circle.point));
    const Sample r = sampleOnLevel(0.5 * (m.circle.point + b.circle.point));
    const ChordTime circle = TimeOverChord(
        {a.circle.point, l.circle.point, m.circle.point, r.circle.point, b.circle.point},
        {a.circleSlowness, l.circleSlowness, m.circleSlowness, r.circleSlowness, b.circleSlowness},
        a.circle, b.circle, m_circleTolerance);
    const ChordTime profile = TimeOverChord(
        {a.profile.point, l.profile.point, m.profile.point, r.profile.point, b.profile.point},
        {a.profileSlowness, l.profileSlowness, m.profileSlowness, r.profileSlowness,
         b.profileSlowness},
        a.profile, b.profile, m_profileTolerance);
    if ((circle.kept && profile.kept) || depth >= kMaxDepth || out.size() >= kMaxVertices) {
        const TimedVertex &last = out.back();
        out.push_back(
            {b.circle, b.profile, last.circleTime + circle.time, last.profileTime + profile.time});
        return;
    }
    refine(a, l, m, depth + 1, out);
    refine(m, r, b, depth + 1, out);
}

std::vector<TimedVertex> LevelTimer::time(const std::vector<std::complex<double>> &points,
                                          std::size_t from, std::size_t to) const
{
    std::vector<TimedVertex> out;
    Sample a = sampleOnLevel(points[from]);
    out.push_back({a.circle, a.profile, 0.0, 0.0});
    for (std::size_t i = from + 1; i <= to; ++i) {
        const Sample b = sampleOnLevel(points[i]);
        refine(a, sampleOnLevel(0.5 * (a.circle.point + b.circle.point)), b, 0, out);
        a = b;
    }
    return out;
}

// Where the points first cross X = target going downstream (X rising
// through it), from the chord that starts at `from` on: the chord's first
// point and how far along the chord. False when they do not.
template <typename XOf>
bool FirstCrossing(std::size_t count, XOf x, double target, std::size_t from, std::size_t &index,
                   double &fraction)
{
    for (std::size_t i = from; i + 1 < count; ++i) {
        const double xa = x(i);
        const double xb = x(i + 1);
        if (xa < target && xb >= target) {
            index = i;
            fraction = (target - xa) / (xb - xa);
            return true;
        }
    }
    return false;
}

// Where the timed level first crosses X = target in a plane going
// downstream, from the chord that starts at `from` on: the chord, the
// particle's motion there and its travel time from the first vertex.
struct Crossing
{
    std::size_t chord = 0;
    Motion motion;
    double time = 0.0;
};

bool CrossTimed(const std::vector<TimedVertex> &timed, FlowPlane plane, double sigma, double target,
                std::size_t from, Crossing &out)
{
    const auto x = [&](std::size_t i) { return sigma * MotionIn(plane, timed[i]).point.real(); };
    std::size_t chord = 0;
    double fraction = 0.0;
    if (!FirstCrossing(timed.size(), x, target, from, chord, fraction))
        return false;
    const Motion &a = MotionIn(plane, timed[chord]);
    const Motion &b = MotionIn(plane, timed[chord + 1]);
    const double h = TimeIn(plane, timed[chord + 1]) - TimeIn(plane, timed[chord]);
    // The cubic's X is below the target at its start and not below at its end.
    double low = 0.0;
    double high = 1.0;
    for (int step = 0; step < kCrossingSteps; ++step) {
        const double middle = 0.5 * (low + high);
        (sigma * Cubic(a, b, h, middle).point.real() < target ? low : high) = middle;
    }
    out = {chord, Cubic(a, b, h, high), TimeIn(plane, timed[chord]) + high * h};
    return true;
}

// The body's most upstream X in the profile plane.
double ProfileUpstreamX(const Circle &circle, double sigma)
{
    const auto x = [&](double angle) { return sigma * circle.map(circle.pointAt(angle)).real(); };
    double bestAngle = 0.0;
    double best = std::numeric_limits<double>::infinity();
    const double step = kTwoPi / kBodySamples;
    for (int i = 0; i < kBodySamples; ++i) {
        const double value = x(i * step);
        if (value < best) {
            best = value;
            bestAngle = i * step;
        }
    }
    numeric::GoldenSectionMaximise(bestAngle - step, bestAngle + step, kBodyAngleTolerance,
                                   [&](double angle) {
                                       const double value = x(angle);
                                       best = std::min(best, value);
                                       return -value;
                                   });
    return best;
}

bool Sized(const PaneExtent &pane)
{
    return std::isfinite(pane.halfWidth()) && pane.halfWidth() > 0.0 &&
           std::isfinite(pane.halfHeight()) && pane.halfHeight() > 0.0;
}

// The view traced: the circle pane as given (it sets the levels), the
// profile pane widened until it holds the images of both panes' release and
// drop lines with a clearance, so that every level that crosses a release
// line within its pane's height is traced from upstream of it to beyond the
// drop line. A view the tracer refuses is handed on as it is.
StreamlineView TracedView(const Circle &circle, const StreamlineView &view, double sigma,
                          const PaneLines &circleLines, const PaneLines &profileLines)
{
    if (!Sized(view.panes.circle) || !Sized(view.panes.profile))
        return view;
    double halfWidth = view.panes.profile.halfWidth();
    double halfHeight = view.panes.profile.halfHeight();
    const auto cover = [&](std::complex<double> zeta) {
        halfWidth = std::max(halfWidth, std::abs(zeta.real()) + kClearance);
        halfHeight = std::max(halfHeight, std::abs(zeta.imag()));
    };
    for (int i = 0; i <= kLineSamples; ++i) {
        const double fraction = 2.0 * i / kLineSamples - 1.0;
        const double yCircle = fraction * circleLines.halfHeight;
        const double yProfile = fraction * profileLines.halfHeight;
        for (const double x : {circleLines.release, circleLines.drop})
            cover(circle.map({sigma * x, yCircle}));
        for (const double x : {profileLines.release, profileLines.drop})
            cover({sigma * x, yProfile});
    }
    return {{view.panes.circle, {-halfWidth, halfHeight, halfWidth, -halfHeight}},
            view.circlePixel,
            view.profilePixel};
}

// The traced chords of a level from its first release crossing to beyond
// the last drop line (and, in the profile plane, the trailing edge), over
// both planes; `from` not below `to` when it is released in neither.
struct ChordSpan
{
    std::size_t from = 0;
    std::size_t to = 0;
};

ChordSpan TimedChords(const Streamline &line, double sigma, const PaneLines &circleLines,
                      const PaneLines &profileLines, double trailingX)
{
    ChordSpan span{line.circle.size(), 0};
    for (const FlowPlane plane : {FlowPlane::Circle, FlowPlane::Profile}) {
        const bool circle = plane == FlowPlane::Circle;
        const std::vector<std::complex<double>> &points = circle ? line.circle : line.profile;
        const PaneLines &pane = circle ? circleLines : profileLines;
        const auto x = [&](std::size_t i) { return sigma * points[i].real(); };
        std::size_t release = 0;
        double fraction = 0.0;
        if (!FirstCrossing(points.size(), x, pane.release, 0, release, fraction))
            continue;
        std::size_t end = points.size() - 1;
        const double beyond = circle ? pane.drop : std::max(pane.drop, trailingX);
        std::size_t crossing = 0;
        if (FirstCrossing(points.size(), x, beyond, release, crossing, fraction))
            end = crossing + 1;
        span.from = std::min(span.from, release);
        span.to = std::max(span.to, end);
    }
    return span;
}

// A level's path in one pane: from its release crossing, times from there,
// to its drop crossing or the end of the timed chords; and, where asked,
// the time it reaches the trailing edge (NaN when it does not).
struct PanePath
{
    std::vector<std::complex<double>> points;
    std::vector<double> times;
    std::vector<std::complex<double>> velocities;
    double edgeTime = std::numeric_limits<double>::quiet_NaN();
};

std::optional<PanePath> PathIn(const std::vector<TimedVertex> &timed, FlowPlane plane,
                               const PaneLines &pane, double sigma, double trailingX, bool timeEdge)
{
    Crossing release;
    if (!CrossTimed(timed, plane, sigma, pane.release, 0, release) ||
        !(std::abs(release.motion.point.imag()) <= pane.halfHeight))
        return std::nullopt;
    PanePath path{{release.motion.point}, {0.0}, {release.motion.velocity}};
    const auto add = [&](const Motion &motion, double time) {
        path.points.push_back(motion.point);
        path.velocities.push_back(motion.velocity);
        path.times.push_back(time - release.time);
    };
    Crossing drop;
    const bool dropped = CrossTimed(timed, plane, sigma, pane.drop, release.chord, drop);
    const std::size_t last = dropped ? drop.chord : timed.size() - 1;
    for (std::size_t i = release.chord + 1; i <= last; ++i)
        add(MotionIn(plane, timed[i]), TimeIn(plane, timed[i]));
    if (dropped)
        add(drop.motion, drop.time);
    Crossing edge;
    if (timeEdge && CrossTimed(timed, plane, sigma, trailingX, release.chord, edge))
        path.edgeTime = edge.time - release.time;
    return path;
}

} // namespace

TimeLines::TimeLines(const Flow &flow, const StreamlineView &view)
{
    if (!flow.ok()) {
        m_failure = StreamlineFailure::NoFlow;
        return;
    }
    const Circle &circle = flow.circle();
    const double sigma = std::cos(flow.alphaX()) < 0.0 ? -1.0 : 1.0;
    const PaneExtent &circlePane = view.panes.circle;
    const PaneExtent &profilePane = view.panes.profile;
    const PaneLines circleLines{
        std::min(-circlePane.halfWidth(),
                 sigma * circle.centre().real() - Circle::radius() - kClearance),
        circlePane.halfWidth() + kClearance, circlePane.halfHeight()};
    const PaneLines profileLines{
        std::min(-profilePane.halfWidth(), ProfileUpstreamX(circle, sigma) - kClearance),
        profilePane.halfWidth() + kClearance, profilePane.halfHeight()};

    const Streamlines traced = TraceStreamlines(
        flow, TracedView(circle, view, sigma, circleLines, profileLines), kLevelsPerInterval);
    m_failure = traced.failure;
    if (!ok())
        return;
    m_interval = circlePane.halfWidth() / kReleasesPerScale;
    m_dividing =
        flow.stagnationOnBody() ? flow.psiBody() : flow.streamFunction(flow.rearStagnation());
    const double trailingX = sigma * flow.trailingEdge().real();

    double upperLead = std::numeric_limits<double>::quiet_NaN();
    double lowerLead = std::numeric_limits<double>::quiet_NaN();
    for (const Streamline &line : traced.lines) {
        if (line.part != Streamline::Part::Level || line.psi == m_dividing)
            continue;
        const ChordSpan span = TimedChords(line, sigma, circleLines, profileLines, trailingX);
        if (span.from >= span.to)
            continue;
        const LevelTimer timer(flow, line.psi, traced.deltaPsi,
                               kInterpolationPixels * view.circlePixel,
                               kInterpolationPixels * view.profilePixel);
        const std::vector<TimedVertex> timed = timer.time(line.circle, span.from, span.to);
        for (const FlowPlane plane : {FlowPlane::Circle, FlowPlane::Profile}) {
            const bool circlePlane = plane == FlowPlane::Circle;
            const bool timeEdge = !circlePlane && std::abs(line.level) == 1;
            std::optional<PanePath> path = PathIn(
                timed, plane, circlePlane ? circleLines : profileLines, sigma, trailingX, timeEdge);
            if (!path)
                continue;
            if (timeEdge && !std::isnan(path->edgeTime))
                (line.level > 0 ? upperLead : lowerLead) = path->edgeTime;
            double &longest = circlePlane ? m_circleLongest : m_profileLongest;
            longest = std::max(longest, path->times.back());
            (circlePlane ? m_circle : m_profile)
                .push_back({line.level, line.psi, std::move(path->points), std::move(path->times),
                            std::move(path->velocities)});
        }
    }
    m_lead = upperLead - lowerLead;
}

std::vector<TimeLine> TimeLines::at(double t, FlowPlane plane) const
{
    std::vector<TimeLine> result;
    const std::vector<Path> &paths = plane == FlowPlane::Circle ? m_circle : m_profile;
    const double longest = plane == FlowPlane::Circle ? m_circleLongest : m_profileLongest;
    if (!ok() || paths.empty() || !(t >= 0.0) ||
        !(t / m_interval <= double(std::numeric_limits<int>::max())))
        return result;
    const int newest = static_cast<int>(std::floor(t / m_interval));
    const int oldest =
        std::clamp(static_cast<int>(std::ceil((t - longest) / m_interval)), 0, newest);
    for (int k = oldest; k <= newest; ++k) {
        const double releasedAt = k * m_interval;
        const double travel = t - releasedAt;
        const Path *previous = nullptr;
        for (const Path &path : paths) {
            if (travel > path.times.back()) {
                previous = nullptr;
                continue;
            }
            // The first vertex reached later than `travel`, or the last.
            const auto after = std::upper_bound(path.times.begin(), path.times.end(), travel);
            const std::size_t i =
                std::min<std::size_t>(after - path.times.begin(), path.times.size() - 1);
            std::complex<double> point = path.points[i];
            if (i > 0 && path.times[i] > travel) {
                const double span = path.times[i] - path.times[i - 1];
                point = Cubic({path.points[i - 1], path.velocities[i - 1]},
                              {path.points[i], path.velocities[i]}, span,
                              (travel - path.times[i - 1]) / span)
                            .point;
            }
            const bool joined = previous != nullptr && path.level == previous->level + 1 &&
                                (previous->psi < m_dividing) == (path.psi < m_dividing);
            if (!joined)
                result.push_back({k, releasedAt, {}});
            result.back().particles.push_back({k, path.level, path.psi, point});
            previous = &path;
        }
    }
    return result;
}

} // namespace wingmap
