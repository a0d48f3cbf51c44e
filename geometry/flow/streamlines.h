#ifndef WINGMAP_FLOW_STREAMLINES_H
#define WINGMAP_FLOW_STREAMLINES_H

#include "geometry/pane_extent.h"

#include <complex>
#include <numbers>
#include <vector>

namespace wingmap {

class Flow;

// The two planes the flow is shown in: the circle plane (z) and the profile
// plane (zeta = z + b^2 / z).
enum class FlowPlane { Circle, Profile };

// The two panes the streamlines are for, as PaneExtentsAt(Scale) gives them
// (the Scale's sign is ignored), and how many plot units a pixel of the
// lines is wide in each (PaneExtent::pixelSize of the pane's width in the
// pixels the lines are drawn in).
struct StreamlineView
{
    PaneExtents panes;
    double circlePixel = 0.0;
    double profilePixel = 0.0;
};

enum class StreamlineFailure {
    None,
    NoFlow,  // the flow was refused
    BadView, // a pane of no size or not finite, a pixel size that is 0 or
             // not finite, or a pixel below 1 / kMaxPixelsAcross of the circle
             // pane's half width
    CirculationTooLarge, // |Gamma| above kMaxTracedCirculation
};

// One streamline: vertices in the circle plane (plot units, y up) in the
// direction of the flow, and their images under the map, one for one.
struct Streamline
{
    enum class Part {
        Level,      // psi = psiBody + level * levelSpacing, from far upstream to far downstream
        Upstream,   // the dividing streamline from far upstream to the front stagnation point
        Downstream, // the dividing streamline from the rear stagnation point downstream
        // Only where the stagnation point has left the body (|Gamma| > 4 pi):
        Around,     // the dividing streamline's loop from the saddle round the body back
                    // to it (first and last vertex the saddle)
        Closed,     // psi = psiBody + level * levelSpacing round the body, inside that loop
                    // (the last vertex is the first)
    };

    Part part = Part::Level;
    int level = 0; // 0 for the dividing streamline's parts (whose psi is the saddle's off the body)
    double psi = 0.0;
    std::vector<std::complex<double>> circle;
    std::vector<std::complex<double>> profile;
};

struct Streamlines
{
    StreamlineFailure failure = StreamlineFailure::None;
    double deltaPsi = 0.0; // |Scale| / 8: 16 intervals across the circle pane far upstream
    // The levels' spacing: deltaPsi divided by the levels asked for in each
    // interval; Streamline::level counts in it.
    double levelSpacing = 0.0;
    double psiBody = 0.0;  // the stream function on the body
    // By rising psi (the dividing streamline's upstream, downstream and
    // around parts in that order, each level's open line before its closed
    // one). Empty on failure.
    std::vector<Streamline> lines;

    bool ok() const { return failure == StreamlineFailure::None; }
};

inline constexpr double kMaxPixelsAcross = 1e5;
// The most levels that may be asked for in each interval of deltaPsi.
inline constexpr int kMaxLevelsPerInterval = 16;
// The largest |Gamma| whose streamlines are traced, 400 pi: the steady
// region, and the lines to trace across it, grow with the circulation; at
// this one a trace takes some tenths of a second.
inline constexpr double kMaxTracedCirculation = 400.0 * std::numbers::pi;

// The level curves of the stream function outside the circle, traced in
// the circle plane, and their images in the profile plane.
//
// Levels: every psi_k = psiBody + k s (k != 0), s = deltaPsi /
// levelsPerInterval (1 to kMaxLevelsPerInterval; the streamlines drawn have
// one, the time lines four), that the stream
// function takes in either pane, and one more on each side; the dividing
// streamline psiBody ends at the stagnation points. Each line starts and
// ends beyond both panes, so that each polyline, and its image, crosses its
// pane whole (it is not clipped); a line never comes back once it has left.
//
// Off the body (|Gamma| > 4 pi, Flow::stagnationOnBody false) the
// stagnation point is a saddle in the flow: the dividing streamline is the
// level of psi there, arriving from upstream, leaving downstream, and a loop
// round the body from the saddle back to it; psiBody (k = 0) is then an
// open level like the others, and each psi_k of the range above strictly
// between psiBody and the saddle's psi is also a closed polyline round the
// body. A loop that cannot be traced closed is left out.
//
// Every vertex lies on its level, |psi - psi_k| <= 1e-9 deltaPsi, projected
// there by Newton's method along grad psi; a stagnation point that ends a
// dividing line is the exact point (Flow::frontStagnation, rearStagnation). Consecutive vertices are
// close enough that each polyline stays within a quarter of a pixel of its
// curve, in the circle pane and, for the images, in the profile pane; away
// from both panes (nothing of it drawn) within 0.001 plot units, or the
// quarter pixel where that is more.
[[nodiscard]] Streamlines TraceStreamlines(const Flow &flow, const StreamlineView &view,
                                           int levelsPerInterval = 1);

} // namespace wingmap

#endif
