#include "geometry/flow/equipotentials.h"

#include "geometry/flow/flow.h"
#include "geometry/flow/potential_branch.h"
#include "geometry/flow/private/level_tracer.h"
#include "geometry/numeric/complex_numbers.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace wingmap {

using numeric::kTwoPi;

namespace {

// The most levels on each side of phi = 0, as for the streamlines.
constexpr int kMaxLevelsEachSide = 4096;
// Along the boundaries where the lines end, phi is taken at points between
// which it changes by at most this fraction of deltaPhi (by the largest
// speed there), so that no level is passed over between two of them.
constexpr double kBoundaryStep = 0.25;
constexpr int kMaxHalvings = 40;
// Points of the body where the levels shown are taken.
constexpr int kBodySamples = 360;
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
    double phiOn(std::complex<double> z, double angle) const { return potentialOn(z, angle); }
    // A piece of the boundary: its points at(t), t from 0 to 1, a bound on
    // how much phi changes along it, the way into the plane traced (0: away
    // from z0, for the body) and whether its angles are the branch's (else
    // continued along it).
    struct Piece
    {
        std::function<std::complex<double>(double)> at;
        double variation = 0.0;
        std::complex<double> inward;
        bool onBranch = false;
        // The angle at t where it is known in closed form (the body's).
        std::function<double(double)> angleAt;
    };
    void scan(const Piece &piece, double t0, double t1, std::complex<double> z0,
              std::complex<double> z1, double a0, double a1, double f0, double f1, int depth);
    template <typename At>
    void addEnds(At at, double angleA, double phiA, double phiB, std::complex<double> inward);
    bool shows(std::complex<double> z) const
    {
        return m_panes.circle.distanceOutside(z) == 0.0 ||
               m_panes.profile.distanceOutside(m_circle.map(z)) == 0.0;
    }
    void findShownLevels(const std::vector<std::complex<double>> &cut, double footAngle);
    void findEndsOnBody(double footAngle, double fastest);
    void findEndsOnCut(std::vector<std::complex<double>> points, double footAngle, double fastest);
    void findEndsOnBox();
    void sortEnds();
    static LineEnd *nearestEnd(Ends &ends, std::complex<double> z, const LineEnd *except);
    std::vector<std::complex<double>> traceFrom(int level, Ends &ends, LineEnd &start) const;

    const PotentialBranch &m_branch;
    double m_deltaPhi;
    double m_gamma;
    StreamBox m_box;
    // The levels either pane shows, one more on each side.
    int m_shownLow = 0;
    int m_shownHigh = 0;
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

// The points of the piece of boundary at(t), t from 0 to 1, where phi on the
// sheet of angleA (continued along it from at(0)) takes a level between phiA
// and phiB, its values at the ends: by regula falsi held within its bracket.
template <typename At>
void NetTracer::addEnds(At at, double angleA, double phiA, double phiB, std::complex<double> inward)
{
    const double low = std::min(phiA, phiB);
    const double high = std::max(phiA, phiB);
    const double tolerance = kLevelTolerance * m_deltaPhi;
    const int first = static_cast<int>(
        std::clamp(std::ceil(low / m_deltaPhi), double(m_shownLow), double(m_shownHigh) + 1.0));
    const int last = static_cast<int>(
        std::clamp(std::floor(high / m_deltaPhi), double(m_shownLow) - 1.0, double(m_shownHigh)));
    for (int k = first; k <= last; ++k) {
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

// The ends along the part t0..t1 of a piece of boundary (z0, z1 its ends,
// a0, a1 their angles, f0, f1 phi there): halved until phi changes by at
// most kBoundaryStep deltaPhi along a part, parts where phi cannot take a
// level shown left out.
void NetTracer::scan(const Piece &piece, double t0, double t1, std::complex<double> z0,
                     std::complex<double> z1, double a0, double a1, double f0, double f1, int depth)
{
    const double variation = piece.variation * (t1 - t0);
    if (std::min(f0, f1) - variation > m_shownHigh * m_deltaPhi ||
        std::max(f0, f1) + variation < m_shownLow * m_deltaPhi)
        return;
    if (variation <= kBoundaryStep * m_deltaPhi || depth >= kMaxHalvings) {
        if (piece.onBranch && std::abs(angleNear(z1, a0) - a1) > 1.0)
            return;
        const std::complex<double> inward =
            piece.inward == 0.0 ? 0.5 * (z0 + z1) - m_centre : piece.inward;
        addEnds([&](double u) { return piece.at(t0 + u * (t1 - t0)); }, a0, f0, f1, inward);
        return;
    }
    const double tm = 0.5 * (t0 + t1);
    const std::complex<double> zm = piece.at(tm);
    const double am = piece.onBranch  ? m_branch.angle(zm)
                      : piece.angleAt ? piece.angleAt(tm)
                                      : angleNear(zm, a0);
    const double fm = phiOn(zm, am);
    scan(piece, t0, tm, z0, zm, a0, am, f0, fm, depth + 1);
    scan(piece, tm, t1, zm, z1, am, a1, fm, f1, depth + 1);
}

// Every point of the boundaries of the plane traced (the body, both sides
// of the cut and the box) where phi on the branch takes a level. phi is
// harmonic, so over that plane it takes no level it does not take there.
// phi is harmonic in the panes outside the body and off the cut, so the
// levels they show are those it takes on their edges, on the body within
// them and on either side of the cut within them; one more level on each side
// covers what lies between the points taken.
void NetTracer::findShownLevels(const std::vector<std::complex<double>> &cut, double footAngle)
{
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    const auto consider = [&](double phi) {
        low = std::min(low, phi);
        high = std::max(high, phi);
    };
    for (const std::complex<double> z : paneEdges()) {
        if (std::norm(z - m_centre) >= Circle::radius() * Circle::radius())
            consider(m_branch.phi(z));
    }
    for (int k = 0; k <= kBodySamples; ++k) {
        const double t = footAngle + kTwoPi * k / kBodySamples;
        const std::complex<double> z = m_centre + std::polar(Circle::radius(), t);
        if (shows(z))
            consider(phiOn(z, t));
    }
    double angle = footAngle;
    for (std::size_t k = 0; k < cut.size(); ++k) {
        angle = k > 0 ? angleNear(cut[k], angle) : angle;
        if (shows(cut[k])) {
            consider(phiOn(cut[k], angle));
            consider(phiOn(cut[k], angle + kTwoPi));
        }
    }
    const double most = kMaxLevelsEachSide;
    if (!(low <= high)) {
        m_shownLow = 1;
        m_shownHigh = 0;
        return;
    }
    m_shownLow = static_cast<int>(std::clamp(std::floor(low / m_deltaPhi) - 1.0, -most, most));
    m_shownHigh = static_cast<int>(std::clamp(std::ceil(high / m_deltaPhi) + 1.0, -most, most));
}

void NetTracer::findEnds()
{
    const std::vector<std::complex<double>> cut = m_branch.cut();
    const double footAngle =
        m_branch.angle(m_centre + (cut.front() - m_centre) * std::polar(1.0, kSideTurn)) -
        kSideTurn;
    findShownLevels(cut, footAngle);
    if (m_shownLow > m_shownHigh)
        return;
    // On the body the speed is |2 sin(theta - alpha_x) + Gamma / 2 pi|, and
    // nowhere in the flow is it more.
    const double fastest = 2.0 + std::abs(m_gamma) / kTwoPi;
    findEndsOnBody(footAngle, fastest);
    findEndsOnCut(cut, footAngle, fastest);
    findEndsOnBox();
    sortEnds();
}

// The body, counter-clockwise from just left of the cut's foot round to just
// right of it; inward (into the flow) is outward from z0.
void NetTracer::findEndsOnBody(double footAngle, double fastest)
{
    const Piece body{
        [&](double t) { return m_centre + std::polar(Circle::radius(), footAngle + kTwoPi * t); },
        fastest * kTwoPi, 0.0, false, [&](double t) { return footAngle + kTwoPi * t; }};
    const std::complex<double> foot = body.at(0.0);
    scan(body, 0.0, 1.0, foot, foot, footAngle, footAngle + kTwoPi, phiOn(foot, footAngle),
         phiOn(foot, footAngle + kTwoPi), 0);
}

// The cut, out to beyond the box (where it runs on straight), on each side:
// left (counter-clockwise, the least angle) and right (a turn more, phi less
// by Gamma).
void NetTracer::findEndsOnCut(std::vector<std::complex<double>> points, double footAngle,
                              double fastest)
{
    const std::complex<double> i(0.0, 1.0);
    const double boxReach =
        std::hypot(std::max(-m_box.xiLow, m_box.xiHigh), std::max(-m_box.etaLow, m_box.etaHigh));
    const std::complex<double> last = points.back() - m_centre;
    if (std::abs(last) < boxReach)
        points.push_back(m_centre + last * (2.0 * boxReach / std::abs(last)));
    double left = footAngle;
    double leftPhi = phiOn(points.front(), left);
    for (std::size_t k = 1; k < points.size() && inBox(points[k - 1]); ++k) {
        const std::complex<double> a = points[k - 1];
        const std::complex<double> b = points[k];
        const double leftB = angleNear(b, left);
        const double leftPhiB = phiOn(b, leftB);
        for (const double turn : {0.0, kTwoPi}) {
            // A turn more takes Gamma off phi.
            const double less = turn == 0.0 ? 0.0 : m_gamma;
            const Piece side{[&](double t) { return a + t * (b - a); },
                             fastest * std::abs(b - a),
                             (turn == 0.0 ? i : -i) * (b - a),
                             false,
                             {}};
            scan(side, 0.0, 1.0, a, b, left + turn, leftB + turn, leftPhi - less, leftPhiB - less,
                 0);
        }
        left = leftB;
        leftPhi = leftPhiB;
    }
}

// The box, counter-clockwise in stream coordinates; inward is to the left.
// Pieces that cross the cut (the angle on the branch jumps) are left to the
// cut's ends. At a distance r from z0 the speed is at most
// 1 + 1/r^2 + |Gamma| / 2 pi r.
void NetTracer::findEndsOnBox()
{
    const std::complex<double> i(0.0, 1.0);
    const double r = std::min({-m_box.xiLow, m_box.xiHigh, -m_box.etaLow, m_box.etaHigh});
    const double boxFastest = 1.0 + 1.0 / (r * r) + std::abs(m_gamma) / (kTwoPi * r);
    const std::complex<double> corners[] = {{m_box.xiLow, m_box.etaLow},
                                            {m_box.xiHigh, m_box.etaLow},
                                            {m_box.xiHigh, m_box.etaHigh},
                                            {m_box.xiLow, m_box.etaHigh}};
    for (int k = 0; k < 4; ++k) {
        const std::complex<double> a = fromStream(corners[k]);
        const std::complex<double> b = fromStream(corners[(k + 1) % 4]);
        const Piece edge{[&](double t) { return a + t * (b - a); },
                         boxFastest * std::abs(b - a),
                         i * (b - a),
                         true,
                         {}};
        const double angleA = m_branch.angle(a);
        const double angleB = m_branch.angle(b);
        scan(edge, 0.0, 1.0, a, b, angleA, angleB, phiOn(a, angleA), phiOn(b, angleB), 0);
    }
}

// The ends found, by level.
void NetTracer::sortEnds()
{
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
