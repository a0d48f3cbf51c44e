#include "plot/flow_redraw.h"

#include "geometry/pane_extent.h"
#include "plot/flow_drawing.h"
#include "plot/shown_drawing.h"
#include "plot/speed_shading.h"

#include <cmath>
#include <future>
#include <system_error>

namespace wingmap {

namespace {

// A part of the redraw that only reads the flow, made on a thread of its
// own, or here when no thread can be started.
template <typename Make> auto onThread(Make make) -> std::future<decltype(make())>
{
    try {
        return std::async(std::launch::async, std::move(make));
    } catch (const std::system_error &) {
        std::promise<decltype(make())> here;
        here.set_value(make());
        return here.get_future();
    }
}

// What the views ask for besides the streamlines, from the solved flow and
// its lines: the branch of the potential, the net, the grid, the time lines
// and the shadings.
void MakeViews(const Flow &solved, const Streamlines &lines, const StreamlineView &view,
               FlowPanePixels pixels, const FlowViewChoice &views, FlowRedrawOutcome &outcome)
{
    // The time lines' travel times and the profile pane's shading are the
    // largest parts of a redraw with every view on: they are made on threads
    // of their own (the flow is only read) while this one traces the net and
    // the grid.
    std::future<std::unique_ptr<TimeLines>> timeLines;
    if (views.timeLines)
        timeLines = onThread([&solved, view] { return std::make_unique<TimeLines>(solved, view); });
    std::future<Shading> profileShading;
    if (views.speed) {
        // The panes' logical pixels: the circle pane square, the profile
        // pane twice as wide as high.
        const double ratio = std::isfinite(pixels.ratio) && pixels.ratio > 0.0 ? pixels.ratio : 1.0;
        const auto logical = [&](double devicePixels) {
            return static_cast<int>(std::lround(devicePixels / ratio));
        };
        const int circleSide = logical(pixels.circle);
        const int profileWidth = logical(pixels.profile);
        profileShading = onThread([&solved, &view, profileWidth] {
            return SpeedShading(solved, FlowPlane::Profile, view.panes.profile, profileWidth,
                                profileWidth / 2);
        });
        outcome.circleShading =
            SpeedShading(solved, FlowPlane::Circle, view.panes.circle, circleSide, circleSide);
    }
    outcome.branch = std::make_unique<PotentialBranch>(solved, lines);
    if (views.net)
        outcome.net = TraceEquipotentials(solved, view, lines, *outcome.branch);
    if (views.grid)
        outcome.grid = PolarGrid(solved.circle(), view);
    if (timeLines.valid())
        outcome.timeLines = timeLines.get();
    if (profileShading.valid())
        outcome.profileShading = profileShading.get();
}

} // namespace

StreamlineView FlowViewAt(double MaxC, FlowPanePixels pixels)
{
    const PaneExtents panes = PaneExtentsAt(MaxC);
    return {panes, panes.circle.pixelSize(pixels.circle), panes.profile.pixelSize(pixels.profile)};
}

FlowRedrawOutcome RedrawFlow(const ShownDrawing &drawing, double alphaDegrees,
                             FlowCirculation circulation, FlowPanePixels pixels,
                             const FlowViewChoice &views, PlotSurface &circlePane,
                             PlotSurface &airfoilPane)
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
    const StreamlineView view = FlowViewAt(drawing.MaxC, pixels);
    Streamlines lines = TraceStreamlines(*flow, view);
    if (lines.failure == StreamlineFailure::CirculationTooLarge) {
        outcome.failure = FlowRedrawFailure::CirculationTooLarge;
        return outcome;
    }
    if (!lines.ok()) {
        outcome.failure = std::abs(drawing.MaxC) < 1.0 ? FlowRedrawFailure::ScaleTooSmall
                                                       : FlowRedrawFailure::ScaleTooLarge;
        return outcome;
    }
    MakeViews(*flow, lines, view, pixels, views, outcome);
    DrawFlow(state, drawing.MaxC, *flow, lines,
             {views.net && outcome.net.ok() ? &outcome.net : nullptr,
              views.grid ? &outcome.grid : nullptr, views.speed ? &outcome.circleShading : nullptr,
              views.speed ? &outcome.profileShading : nullptr},
             circlePane, airfoilPane);
    outcome.flow = std::move(flow);
    outcome.lines = std::move(lines);
    return outcome;
}

} // namespace wingmap
