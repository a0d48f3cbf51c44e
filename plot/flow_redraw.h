#ifndef WINGMAP_FLOW_REDRAW_H
#define WINGMAP_FLOW_REDRAW_H

#include "geometry/flow/equipotentials.h"
#include "geometry/flow/flow.h"
#include "geometry/flow/polar_grid.h"
#include "geometry/flow/potential_branch.h"
#include "geometry/flow/streamlines.h"
#include "geometry/flow/time_lines.h"
#include "plot/plot_surface.h"

#include <memory>
#include <vector>

namespace wingmap {

class PlotSurface;
struct ShownDrawing;

// The largest angle of attack, in degrees either way, that the flow panes
// draw: a profile turned further round meets the same flow as at a smaller
// angle the other way.
inline constexpr double kLargestAngle = 90.0;

// What kept the flow panes from being redrawn; the window words it.
enum class FlowRedrawFailure {
    None,
    AngleOutOfRange, // the angle is not a number from -kLargestAngle to kLargestAngle
    NoFlow,          // the flow refused the profile: FlowRedrawOutcome::refusal says why
    ScaleTooSmall,   // the Scale or the panes give nothing to trace at:
    ScaleTooLarge,   // below 1 the Scale is too small, from 1 on too large
    CirculationTooLarge, // too strong a vortex to trace the streamlines of
};

// The widths of the flow panes in the pixels their lines are drawn in
// (device pixels).
struct FlowPanePixels
{
    double circle = 0.0;
    double profile = 0.0;
    // Device pixels to a logical pixel: the speed shading is computed at
    // logical pixels whatever the screen.
    double ratio = 1.0;
};

// What the flow panes show besides the streamlines: the time lines (whose
// particles the window draws over the panes), the flow net, the polar grid
// and its image, the speed shading. All off by default.
struct FlowViewChoice
{
    bool timeLines = false;
    bool net = false;
    bool grid = false;
    bool speed = false;
};

struct FlowRedrawOutcome
{
    FlowRedrawFailure failure = FlowRedrawFailure::None;
    FlowRefusal refusal; // for NoFlow
    // When drawn: the flow and the streamlines the panes show, and the
    // branch of the potential the probe and the net read.
    std::unique_ptr<Flow> flow;
    Streamlines lines;
    std::unique_ptr<PotentialBranch> branch;
    // What was asked for of FlowViewChoice: the net, the grid, and the time
    // lines' travel times (null when not asked).
    Equipotentials net;
    std::vector<GridLine> grid;
    std::unique_ptr<TimeLines> timeLines;
    Shading circleShading;
    Shading profileShading;

    bool drawn() const { return failure == FlowRedrawFailure::None; }
};

// The view the streamlines of the main window's Scale MaxC are traced for,
// on panes of the given widths.
[[nodiscard]] StreamlineView FlowViewAt(double MaxC, FlowPanePixels pixels);

// Solves the flow past the profile of the drawing shown at the angle of
// attack (degrees, from the chord line), with the Kutta condition's
// circulation or a given one, traces its streamlines for the panes, and
// what else the views ask for, and draws both (DrawFlow), with the
// drawing's own sampled tables as the body. When anything fails, neither
// pane is touched and the outcome says why; it holds no words.
[[nodiscard]] FlowRedrawOutcome RedrawFlow(const ShownDrawing &drawing, double alphaDegrees,
                                           FlowCirculation circulation, FlowPanePixels pixels,
                                           const FlowViewChoice &views, PlotSurface &circlePane,
                                           PlotSurface &airfoilPane);

} // namespace wingmap

#endif
