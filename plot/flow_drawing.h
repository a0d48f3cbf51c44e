#ifndef WINGMAP_FLOW_DRAWING_H
#define WINGMAP_FLOW_DRAWING_H

#include "plot/plot_surface.h"

#include <complex>
#include <optional>
#include <vector>

namespace wingmap {

class Flow;
struct Equipotentials;
struct GridLine;
struct ParameterState;
struct Streamlines;
struct TimeLine;

// Streamlines in dark green: 5.0 : 1 against the panes' light yellow.
inline constexpr Colour kStreamlineColour = 0x008000;
// The flow net's equipotential lines in brown, 5.1 : 1 against the yellow.
inline constexpr Colour kEquipotentialColour = 0x0050B0;
// The time lines in deep magenta, 6.2 : 1 against the yellow.
inline constexpr Colour kTimeLineColour = 0x9000B0;
// The polar grid and its image: a light grey, under everything else.
inline constexpr Colour kGridColour = 0xB8B8B8;
// The probe's marks: black, read over any shade.
inline constexpr Colour kProbeColour = 0x000000;
// The stagnation points' marks, red, a little larger than the critical points'.
inline constexpr float kStagnationMarkRadius = 0.05f;

// What the flow panes show besides the streamlines and the body; a null
// member is not shown.
struct FlowViews
{
    const Equipotentials *net = nullptr;
    const std::vector<GridLine> *grid = nullptr;
    // The speed shading of each pane.
    const Shading *circleShading = nullptr;
    const Shading *profileShading = nullptr;
};

// Draws the flow on the two flow panes, which have the extents of the main
// window's panes at MaxC: on each, the frame and axes, the speed shading, the
// grid (thin), then the streamlines (each polyline in the circle plane on the
// circle pane, its image on the airfoil pane) and the flow net (thin), then
// the body outline of the
// state's tables, the critical points' marks and the stagnation points'.
// `state` holds the sampled tables of the flow's F, G and b; MaxC is as the
// redraw takes it (finite, not 0). A negative MaxC mirrors both panes, as in
// the main window.
void DrawFlow(const ParameterState &state, double MaxC, const Flow &flow, const Streamlines &lines,
              const FlowViews &views, PlotSurface &circlePane, PlotSurface &airfoilPane);

// The time lines of one pane, in its plane: each a polyline through its
// particles; a time line of one particle is a dot `pixel` plot units across.
void DrawTimeLines(const std::vector<TimeLine> &lines, double pixel, PlotSurface &pane);

// The probe's marks on one pane: a cross at the pointer and a ring at the
// image of a point of the other pane, each some pixels across (`pixel` plot
// units to a pixel).
struct ProbeMarks
{
    std::vector<std::complex<double>> crosses;
    std::vector<std::complex<double>> rings;
};
void DrawProbeMarks(const ProbeMarks &marks, double pixel, PlotSurface &pane);

} // namespace wingmap

#endif
