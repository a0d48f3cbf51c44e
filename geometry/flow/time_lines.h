#ifndef WINGMAP_FLOW_TIME_LINES_H
#define WINGMAP_FLOW_TIME_LINES_H

#include "geometry/flow/streamlines.h"

#include <complex>
#include <vector>

namespace wingmap {

class Flow;

// One particle shown at a time t.
struct Particle
{
    int release = 0; // k: released at t = k T
    int level = 0;   // j: on psi = psiBody + j deltaPsi / 4
    double psi = 0.0;
    std::complex<double> at; // in its pane's plane, plot units
};

// One time line: particles of one release by rising psi, with no particle
// missing between them and not crossing the dividing streamline.
struct TimeLine
{
    int release = 0;
    double releasedAt = 0.0; // k T, seconds
    std::vector<Particle> particles;
};

// The time lines of one state, in both panes: particles released every
// T = |Scale| / 4 seconds on each pane's release line, moving with the
// exact local velocity of that pane's flow (U = 1 plot unit per second).
// The travel times along the open levels psiBody + j deltaPsi / 4 (all but
// the dividing streamline: j != 0 while the stagnation points are on the
// body) are computed once here; at() only interpolates.
//
// Plot units, y up. The release line of a pane is the vertical through its
// upstream edge, or 1 plot unit upstream of the body's most upstream point
// where that lies farther out; a level is released where it crosses that
// line within the pane's height. A particle is dropped once it is more than
// 1 plot unit beyond the pane's downstream edge. Upstream is the left, or
// the right where the free stream runs to the left (cos alpha_x < 0). The
// failures are those of TraceStreamlines for the flow and the view.
class TimeLines
{
public:
    TimeLines(const Flow &flow, const StreamlineView &view);

    bool ok() const { return m_failure == StreamlineFailure::None; }
    StreamlineFailure failure() const { return m_failure; }
    double releaseInterval() const { return m_interval; }

    // Every particle shown at time t (seconds, t >= 0) in the plane's pane,
    // as time lines, by rising release and then by rising psi (a time line
    // may hold a single particle). Empty on failure or for another t.
    [[nodiscard]] std::vector<TimeLine> at(double t, FlowPlane plane) const;

    // In the profile plane: the travel time from the release line to the
    // vertical through the trailing edge on psiBody + deltaPsi / 4 less that
    // on psiBody - deltaPsi / 4, in seconds (negative: the upper side gets
    // there first). NaN when either cannot be measured.
    double trailingEdgeLead() const { return m_lead; }

private:
    // Per plane, per level: the path from the release line to the drop
    // line, with the travel time from the release line and the particle's
    // velocity (plot units per second) at each vertex. Between two vertices
    // a particle follows the cubic of those ends and velocities.
    struct Path
    {
        int level = 0;
        double psi = 0.0;
        std::vector<std::complex<double>> points;
        std::vector<double> times;
        std::vector<std::complex<double>> velocities;
    };
    StreamlineFailure m_failure = StreamlineFailure::None;
    double m_interval = 0.0;
    double m_lead = 0.0;
    double m_dividing = 0.0; // psi on the dividing streamline
    // The longest travel time of any path in each plane.
    double m_circleLongest = 0.0;
    double m_profileLongest = 0.0;
    // By rising psi.
    std::vector<Path> m_circle;
    std::vector<Path> m_profile;
};

} // namespace wingmap

#endif
