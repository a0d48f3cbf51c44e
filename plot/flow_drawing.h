#ifndef WINGMAP_FLOW_DRAWING_H
#define WINGMAP_FLOW_DRAWING_H

#include "plot/plot_surface.h"

namespace wingmap {

class Flow;
struct ParameterState;
struct Streamlines;

// Streamlines in dark green: 5.0 : 1 against the panes' light yellow.
inline constexpr Colour kStreamlineColour = 0x008000;
// The stagnation points' marks, red, a little larger than the critical points'.
inline constexpr float kStagnationMarkRadius = 0.05f;

// Draws the flow on the two flow panes, which have the extents of the main
// window's panes at MaxC: on each, the frame and axes, then the streamlines
// (each polyline in the circle plane on the circle pane, its image on the
// airfoil pane), then the body outline of the state's tables, the critical
// points' marks and the stagnation points'. `state` holds the sampled tables
// of the flow's F, G and b; MaxC is as the redraw takes it (finite, not 0).
// A negative MaxC mirrors both panes, as in the main window.
void DrawFlow(const ParameterState &state, double MaxC, const Flow &flow,
              const Streamlines &lines, PlotSurface &circlePane, PlotSurface &airfoilPane);

} // namespace wingmap

#endif
