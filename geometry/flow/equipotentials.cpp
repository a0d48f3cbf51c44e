#include "geometry/flow/equipotentials.h"

#include "geometry/flow/flow.h"
#include "geometry/flow/potential_branch.h"
#include "geometry/flow/private/level_tracer.h"
#include "geometry/numeric/complex_numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wingmap {

using numeric::kTwoPi;

namespace {

// The most levels on each side of phi = 0, as for the streamlines.
constexpr int kMaxLevelsEachSide = 4096;
// Along the boundaries where the lines end, phi is taken at points this
// fraction of deltaPhi apart at the most (at the largest speed there), so
// that no level is passed over between two of them.
constexpr double kBoundaryStep = 0.25;
constexpr int kMinBodySamples = 360;
constexpr int kMaxBoundarySamples = 200000;
constexpr int kCrossingSteps = 200;
// A side of the cut is taken this fraction of a turn off it.
constexpr double kSideTurn = 1e-7;
// The end found on a boundary is taken as a line's last vertex when it lies
// ahead of the line's direction within this cosine.
constexpr double kAheadCosine = 0.9;

// Where a level's lines may end: on the body, on either side of the cut or
// on the box beyond both panes. `angle` gives the sheet (the angle of
// z - z0 on that side), `inward` points into the plane that is traced.
struct LineEnd
{
    std::complex<double> z;
    double angle = 0.0;
    std::complex<double> inward;
    bool used = false;
};

// The box about both panes in stream coordinates (xi along the stream,
// eta across it, from z0) beyond which nothing is drawn.
struct StreamBox
{
    double xiLow = 0.0;
    double xiHigh = 0.0;
    double etaLow = 0.0;
    double etaHigh = 0.0;
};

class NetTracer : public LevelTracer
{
public:
    NetTracer(const Flow &flow, const StreamlineView &view, double deltaPhi,
              const PotentialBranch &branch)
        : LevelTracer(flow, view, deltaPhi, LevelFunction::Potential), m_branch(branch),
          m_deltaPhi(deltaPhi), m_gamma(flow.gamma())
    {
        const double steady = SteadyRadius(flow);
        m_box = {-steady, steady, -steady, steady};
        for (const std::complex<double> z : paneEdges()) {
            const std::complex<double> s = stream(z);
            m_box.xiLow = std::min(m_box.xiLow, s.real());
            m_box.xiHigh = std::max(m_box.xiHigh, s.real());
            m_box.etaLow = std::min(m_box.etaLow, s.imag());
            m_box.etaHigh = std::max(m_box.etaHigh, s.imag());
        }
        m_box = {m_box.xiLow - deltaPhi, m_box.xiHigh + deltaPhi, m_box.etaLow - deltaPhi,
                 m_box.etaHigh + deltaPhi};
    }

    void findEnds();
    Equipotentials trace(const Flow &flow);

private:
    using Ends = std::vector<LineEnd>;

    std::complex<double> stream(std::complex<double> z) const { return (z - m_centre) * m_stream; }
    std::complex<double> fromStream(std::complex<double> s) const
    {
        return m_centre + s * std::conj(m_stream);
    }
    bool inBox(std::complex<double> z) const
    {
        const std::complex<double> s = stream(z);
        return s.real() >= m_box.xiLow && s.real() <= m_box.xiHigh && s.imag() >= m_box.etaLow &&
               s.imag() <= m_box.etaHigh;
    }
    double phiOn(std::complex<double> z, double angle) const { return sample(z, angle).psi; }
    double speed(std::complex<double> z) const { return std::abs(sample(z, 0.0).velocity); }
    void crossings(const std::vector<std::complex<double>> &points,
                   const std::vector<double> &angles, std::complex<double> inwardTurn);
    template <typename At>
    void addEnds(At at, double angleA, double phiA, double phiB, std::complex<double> inward);
    int samplesAlong(double length, double fastest) const;
    static LineEnd *nearestEnd(Ends &ends, std::complex<double> z, const LineEnd *except);
    std::vector<std::complex<double>> traceFrom(int level, Ends &ends, LineEnd &start) const;

    const PotentialBranch &m_branch;
    double m_deltaPhi;
    double m_gamma;
    StreamBox m_box;
    int m_lowest = 0;
    int m_highest = 0;
    std::vector<Ends> m_ends; // by level, from m_lowest
    struct Found
    {
        int level;
        LineEnd end;
    };
    std::vector<Found> m_found;
};

int NetTracer::samplesAlong(double length, double fastest) const
{
    const double step = kBoundaryStep * m_deltaPhi / std::max(fastest, 1.0);
    return static_cast<int>(std::clamp(std::ceil(length / step), 1.0, double(kMaxBoundarySamples)));
}

// The points of the piece of boundary at(t), t from 0 to 1, where phi on the
// sheet of angleA (continued along it from at(0)) takes a level between phiA
// and phiB, its values at the ends: by regula falsi held within its bracket.
template <typename At>
void NetTracer::addEnds(At at, double angleA, double phiA, double phiB, std::complex<double> inward)
{
    const double low = std::min(phiA, phiB);
    const double high = std::max(phiA, phiB);
    const double tolerance = kLevelTolerance * m_deltaPhi;
    for (int k = static_cast<int>(std::ceil(low / m_deltaPhi));
         k * m_deltaPhi <= high && k <= kMaxLevelsEachSide; ++k) {
        if (k < -kMaxLevelsEachSide)
            continue;
        const double level = k * m_deltaPhi;
        double t0 = 0.0, t1 = 1.0;
        double f0 = phiA - level, f1 = phiB - level;
        double t = 0.0;
        std::complex<double> z = at(0.0);
        bool found = std::abs(f0) <= tolerance;
        if (!found && std::abs(f1) <= tolerance) {
            z = at(1.0);
            found = true;
        }
        for (int step = 0; step < kCrossingSteps && !found; ++step) {
            t = f1 != f0 ? t0 - f0 * (t1 - t0) / (f1 - f0) : 0.5 * (t0 + t1);
            if (!(t > t0 && t < t1))
                t = 0.5 * (t0 + t1);
            z = at(t);
            const double f = phiOn(z, angleA) - level;
            if (std::abs(f) <= tolerance) {
                found = true;
                break;
            }
            // Halve the other end's weight when the same end moves twice
            // (Illinois), so that the bracket shrinks from both sides.
            if ((f < 0.0) == (f0 < 0.0)) {
                t0 = t;
                f0 = f;
                f1 *= 0.5;
            } else {
                t1 = t;
                f1 = f;
                f0 *= 0.5;
            }
        }
        if (found)
            m_found.push_back({k, {z, angleNear(z, angleA), inward}});
    }
}

// The ends along a polyline whose points carry the angle of their sheet,
// continuous along it.
void NetTracer::crossings(const std::vector<std::complex<double>> &points,
                          const std::vector<double> &angles, std::complex<double> inwardTurn)
{
    double previous = phiOn(points.front(), angles.front());
    for (std::size_t i = 1; i < points.size(); ++i) {
        const double next = phiOn(points[i], angles[i]);
        const std::complex<double> a = points[i - 1];
        const std::complex<double> b = points[i];
        addEnds([&](double t) { return a + t * (b - a); }, angles[i - 1], previous, next,
                inwardTurn * (b - a));
        previous = next;
    }
}

// Every point of the boundaries of the plane traced (the body, both sides
// of the cut and the box) where phi on the branch takes a level. phi is
// harmonic, so over that plane it takes no level it does not take there.
void NetTracer::findEnds()
{
    const std::complex<double> i(0.0, 1.0);
    // On the body the speed is |2 sin(theta - alpha_x) + Gamma / 2 pi|.
    const double fastest = 2.0 + std::abs(m_gamma) / kTwoPi;
    // The body, counter-clockwise from just left of the cut's foot round to
    // just right of it, along its arcs; inward (into the flow) is outward
    // from z0.
    {
        const std::complex<double> foot = m_branch.cut().front() - m_centre;
        const double from =
            m_branch.angle(m_centre + foot * std::polar(1.0, kSideTurn)) - kSideTurn;
        const int n = std::max(kMinBodySamples, samplesAlong(kTwoPi, fastest));
        const double arc = kTwoPi / n;
        double previous = phiOn(m_centre + std::polar(Circle::radius(), from), from);
        for (int k = 1; k <= n; ++k) {
            const double t0 = from + arc * (k - 1);
            const std::complex<double> z = m_centre + std::polar(Circle::radius(), t0 + arc);
            const double next = phiOn(z, t0 + arc);
            addEnds([&](double t) { return m_centre + std::polar(Circle::radius(), t0 + t * arc); },
                    t0, previous, next, z - m_centre);
            previous = next;
        }
    }
    // The cut, out to beyond the box, on each side: left (counter-clockwise,
    // the least angle) and right (a turn more, phi less by Gamma).
    {
        std::vector<std::complex<double>> cut = m_branch.cut();
        const double boxReach = std::hypot(std::max(-m_box.xiLow, m_box.xiHigh),
                                           std::max(-m_box.etaLow, m_box.etaHigh));
        const std::complex<double> last = cut.back() - m_centre;
        if (std::abs(last) < boxReach)
            cut.push_back(m_centre + last * (2.0 * boxReach / std::abs(last)));
        std::vector<std::complex<double>> points;
        std::vector<double> left;
        const double footAngle =
            m_branch.angle(m_centre + (cut.front() - m_centre) * std::polar(1.0, kSideTurn)) -
            kSideTurn;
        for (std::size_t k = 0; k < cut.size(); ++k) {
            if (k > 0) {
                // Subdivided, so that no level is passed over on a long chord.
                const int n = samplesAlong(std::abs(cut[k] - cut[k - 1]), fastest);
                for (int j = 1; j < n; ++j) {
                    const std::complex<double> z =
                        cut[k - 1] + (double(j) / n) * (cut[k] - cut[k - 1]);
                    points.push_back(z);
                    left.push_back(angleNear(z, left.back()));
                }
            }
            points.push_back(cut[k]);
            left.push_back(k > 0 ? angleNear(cut[k], left.back()) : footAngle);
            if (!inBox(cut[k]) && k > 0)
                break;
        }
        std::vector<double> right(left);
        for (double &a : right)
            a += kTwoPi;
        crossings(points, left, i);
        crossings(points, right, -i);
    }
    // The box, counter-clockwise in stream coordinates; inward is to the
    // left. Pieces that cross the cut (the angle on the branch jumps) are
    // left to the cut's ends. At a distance r from z0 the speed is at most
    // 1 + 1/r^2 + |Gamma| / 2 pi r.
    {
        const double r = std::min({-m_box.xiLow, m_box.xiHigh, -m_box.etaLow, m_box.etaHigh});
        const double boxFastest = 1.0 + 1.0 / (r * r) + std::abs(m_gamma) / (kTwoPi * r);
        const std::complex<double> corners[] = {{m_box.xiLow, m_box.etaLow},
                                                {m_box.xiHigh, m_box.etaLow},
                                                {m_box.xiHigh, m_box.etaHigh},
                                                {m_box.xiLow, m_box.etaHigh}};
        for (int side = 0; side < 4; ++side) {
            const std::complex<double> a = fromStream(corners[side]);
            const std::complex<double> b = fromStream(corners[(side + 1) % 4]);
            const int n = samplesAlong(std::abs(b - a), boxFastest);
            std::complex<double> p = a;
            double pAngle = m_branch.angle(p);
            double pPhi = phiOn(p, pAngle);
            for (int k = 1; k <= n; ++k) {
                const std::complex<double> q = a + (double(k) / n) * (b - a);
                const double qAngle = m_branch.angle(q);
                const double qPhi = phiOn(q, qAngle);
                if (std::abs(angleNear(q, pAngle) - qAngle) < 1.0)
                    addEnds([&](double t) { return p + t * (q - p); }, pAngle, pPhi, qPhi,
                            i * (q - p));
                p = q;
                pAngle = qAngle;
                pPhi = qPhi;
            }
        }
    }
    if (m_found.empty())
        return;
    m_lowest = m_highest = m_found.front().level;
    for (const Found &f : m_found) {
        m_lowest = std::min(m_lowest, f.level);
        m_highest = std::max(m_highest, f.level);
    }
    m_ends.assign(std::size_t(m_highest - m_lowest + 1), {});
    for (const Found &f : m_found)
        m_ends[std::size_t(f.level - m_lowest)].push_back(f.end);
    m_found.clear();
}

LineEnd *NetTracer::nearestEnd(Ends &ends, std::complex<double> z, const LineEnd *except)
{
    LineEnd *nearest = nullptr;
    for (LineEnd &e : ends) {
        if (e.used || &e == except)
            continue;
        if (nearest == nullptr || std::abs(e.z - z) < std::abs(nearest->z - z))
            nearest = &e;
    }
    return nearest;
}

// From one end along its level into the plane, to the first end ahead on the
// same sheet (taken as the last vertex and used up), or beyond the box.
std::vector<std::complex<double>> NetTracer::traceFrom(int level, Ends &ends, LineEnd &start) const
{
    const double phi = level * m_deltaPhi;
    std::vector<std::complex<double>> points{start.z};
    LevelVertex from;
    if (!project(start.z, phi, start.angle, from))
        return points;
    // conj(f') = conj(i w') runs along the level curve.
    const std::complex<double> along = std::conj(from.field.velocity);
    const int direction = (std::conj(along) * start.inward).real() >= 0.0 ? 1 : -1;
    LevelTracer::trace(
        from, phi, direction, std::min(allowedStep(from), longestStep()), points,
        [&](Points &line, const LevelVertex &at) {
            if (line.size() < 2)
                return false;
            if (!inBox(at.z)) {
                // Beyond both panes: the end it passed on the box is used up.
                const std::complex<double> before = line[line.size() - 2];
                LineEnd *passed = nearestEnd(ends, before, &start);
                if (passed != nullptr && std::abs(passed->z - before) <= std::abs(at.z - before))
                    passed->used = true;
                return true;
            }
            if (std::abs(m_branch.angle(at.z) - at.angle) > 1.0) {
                // Across the cut, on the next sheet: it ends on the cut, at
                // the end it passed.
                line.pop_back();
                LineEnd *passed = nearestEnd(ends, line.back(), &start);
                if (passed != nullptr) {
                    line.push_back(passed->z);
                    passed->used = true;
                }
                return true;
            }
            const std::complex<double> heading = double(direction) * std::conj(at.field.velocity);
            const double reach = level_tracing::kSlack * allowedStep(at);
            for (LineEnd &e : ends) {
                if (e.used || &e == &start)
                    continue;
                const std::complex<double> d = e.z - at.z;
                const double distance = std::abs(d);
                if (distance > reach ||
                    (std::conj(heading) * d).real() < kAheadCosine * distance * std::abs(heading) ||
                    std::abs(angleNear(e.z, at.angle) - e.angle) > 1.0)
                    continue;
                // The chord to it keeps to the curve as a step would: short
                // enough for the curvature at both its ends.
                LevelVertex there;
                if (!project(e.z, phi, e.angle, there) ||
                    distance > level_tracing::kSlack * allowedStep(there))
                    continue;
                line.push_back(e.z);
                e.used = true;
                return true;
            }
            return false;
        });
    return points;
}

Equipotentials NetTracer::trace(const Flow &flow)
{
    Equipotentials net;
    net.deltaPhi = m_deltaPhi;
    for (int level = m_lowest; level <= m_highest && !m_ends.empty(); ++level) {
        Ends &ends = m_ends[std::size_t(level - m_lowest)];
        for (LineEnd &start : ends) {
            if (start.used)
                continue;
            start.used = true;
            Equipotential line{level, level * m_deltaPhi, traceFrom(level, ends, start), {}};
            if (line.circle.size() < 2)
                continue;
            line.profile.reserve(line.circle.size());
            for (const std::complex<double> z : line.circle)
                line.profile.push_back(flow.circle().map(z));
            net.lines.push_back(std::move(line));
        }
    }
    return net;
}

} // namespace

Equipotentials TraceEquipotentials(const Flow &flow, const StreamlineView &view,
                                   const Streamlines &lines, const PotentialBranch &branch)
{
    if (!lines.ok() || !flow.ok()) {
        Equipotentials refused;
        refused.failure = lines.ok() ? StreamlineFailure::NoFlow : lines.failure;
        return refused;
    }
    NetTracer tracer(flow, view, lines.deltaPsi, branch);
    tracer.findEnds();
    return tracer.trace(flow);
}

} // namespace wingmap
