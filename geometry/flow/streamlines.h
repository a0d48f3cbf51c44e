#ifndef WINGMAP_FLOW_STREAMLINES_H
#define WINGMAP_FLOW_STREAMLINES_H

#include "geometry/pane_extent.h"

#include <complex>
#include <vector>

namespace wingmap {

class Flow;

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
};

// One streamline: vertices in the circle plane (plot units, y up) in the
// direction of the flow, and their images under the map, one for one.
struct Streamline
{
    enum class Part {
        Level,      // psi = psiBody + level * deltaPsi, from far upstream to far downstream
        Upstream,   // the dividing streamline from far upstream to the front stagnation point
        Downstream, // the dividing streamline from the rear stagnation point downstream
    };

    Part part = Part::Level;
    int level = 0; // 0 for the dividing streamline's parts
    double psi = 0.0;
    std::vector<std::complex<double>> circle;
    std::vector<std::complex<double>> profile;
};

struct Streamlines
{
    StreamlineFailure failure = StreamlineFailure::None;
    double deltaPsi = 0.0; // |Scale| / 8: 16 intervals across the circle pane far upstream
    double psiBody = 0.0;  // the stream function on the body
    // By rising psi: the levels below the body, the dividing streamline's
    // upstream then downstream part, the levels above. Empty on failure.
    std::vector<Streamline> lines;

    bool ok() const { return failure == StreamlineFailure::None; }
};

inline constexpr double kMaxPixelsAcross = 1e5;

// The level curves of the stream function outside the circle, traced in
// the circle plane, and their images in the profile plane.
//
// Levels: every psi_k = psiBody + k deltaPsi (k != 0) that the stream
// function takes in either pane, and one more on each side; the dividing
// streamline psiBody ends at the stagnation points. Each line starts and
// ends beyond both panes, so that each polyline, and its image, crosses its
// pane whole (it is not clipped); a line never comes back once it has left.
//
// Every vertex lies on its level, |psi - psi_k| <= 1e-9 deltaPsi, projected
// there by Newton's method along grad psi; a stagnation point that ends a
// dividing line is the exact point on the body. Consecutive vertices are
// close enough that each polyline stays within a quarter of a pixel of its
// curve, in the circle pane and, for the images, in the profile pane; away
// from both panes (nothing of it drawn) within 0.001 plot units, or the
// quarter pixel where that is more.
[[nodiscard]] Streamlines TraceStreamlines(const Flow &flow, const StreamlineView &view);

} // namespace wingmap

#endif
