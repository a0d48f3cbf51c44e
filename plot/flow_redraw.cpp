#include "plot/flow_redraw.h"

#include "geometry/pane_extent.h"
#include "plot/flow_drawing.h"
#include "plot/shown_drawing.h"

#include <cmath>

namespace wingmap {

StreamlineView FlowViewAt(double MaxC, FlowPanePixels pixels)
{
    const PaneExtents panes = PaneExtentsAt(MaxC);
    return {panes, panes.circle.pixelSize(pixels.circle), panes.profile.pixelSize(pixels.profile)};
}

FlowRedrawOutcome RedrawFlow(const ShownDrawing &drawing, double alphaDegrees,
                             FlowCirculation circulation, FlowPanePixels pixels,
                             PlotSurface &circlePane, PlotSurface &airfoilPane)
{
    FlowRedrawOutcome outcome;
    if (!(std::abs(alphaDegrees) <= kLargestAngle)) {
        outcome.failure = FlowRedrawFailure::AngleOutOfRange;
        return outcome;
    }
    const ParameterState &state = drawing.state;
    auto flow = std::make_unique<Flow>(state.F, state.G, state.b, alphaDegrees, circulation);
    if (!flow->ok()) {
        outcome.failure = FlowRedrawFailure::NoFlow;
        outcome.refusal = flow->refusal();
        return outcome;
    }
    Streamlines lines = TraceStreamlines(*flow, FlowViewAt(drawing.MaxC, pixels));
    if (lines.failure == StreamlineFailure::CirculationTooLarge) {
        outcome.failure = FlowRedrawFailure::CirculationTooLarge;
        return outcome;
    }
    if (!lines.ok()) {
        outcome.failure = std::abs(drawing.MaxC) < 1.0 ? FlowRedrawFailure::ScaleTooSmall
                                                       : FlowRedrawFailure::ScaleTooLarge;
        return outcome;
    }
    DrawFlow(state, drawing.MaxC, *flow, lines, circlePane, airfoilPane);
    outcome.flow = std::move(flow);
    outcome.lines = std::move(lines);
    return outcome;
}

} // namespace wingmap
