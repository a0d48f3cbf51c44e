#include "plot/flow_drawing.h"

#include "geometry/flow/equipotentials.h"
#include "geometry/flow/flow.h"
#include "geometry/flow/polar_grid.h"
#include "geometry/flow/streamlines.h"
#include "geometry/flow/time_lines.h"
#include "geometry/parameter_state.h"
#include "plot/profile_redraw.h"

#include <complex>
#include <vector>

namespace wingmap {

namespace {

// The probe's cross reaches this many pixels from its centre; the ring has
// this radius.
constexpr double kCrossReach = 5.0;
constexpr double kRingRadius = 5.0;
constexpr double kDotRadius = 1.0;

void drawPolyline(const std::vector<std::complex<double>> &points, Colour colour, PlotSurface &pane)
{
    for (std::size_t i = 1; i < points.size(); ++i) {
        pane.Line(surfaceCoordinate(points[i - 1].real()), surfaceCoordinate(points[i - 1].imag()),
                  surfaceCoordinate(points[i].real()), surfaceCoordinate(points[i].imag()), colour);
    }
}

void drawMark(std::complex<double> at, float radius, Colour colour, PlotSurface &pane)
{
    pane.Circle(surfaceCoordinate(at.real()), surfaceCoordinate(at.imag()), radius, colour);
}

// Each pane's lines of one kind go in one run, so that they reach the
// painter as polylines.
template <typename Lines>
void drawBoth(const Lines &lines, Colour colour, PlotSurface &circlePane, PlotSurface &airfoilPane)
{
    for (const auto &line : lines)
        drawPolyline(line.circle, colour, circlePane);
    for (const auto &line : lines)
        drawPolyline(line.profile, colour, airfoilPane);
}

} // namespace

void DrawFlow(const ParameterState &state, double MaxC, const Flow &flow, const Streamlines &lines,
              const FlowViews &views, PlotSurface &circlePane, PlotSurface &airfoilPane)
{
    DrawPaneFrames(MaxC, circlePane, airfoilPane);
    if (views.circleShading)
        circlePane.Shade(*views.circleShading);
    if (views.profileShading)
        airfoilPane.Shade(*views.profileShading);
    if (views.grid)
        drawBoth(*views.grid, kGridColour | kThinLine, circlePane, airfoilPane);
    drawBoth(lines.lines, kStreamlineColour, circlePane, airfoilPane);
    if (views.net)
        drawBoth(views.net->lines, kEquipotentialColour | kThinLine, circlePane, airfoilPane);
    DrawCurves(state, circlePane, airfoilPane);
    DrawCircleMarks(state.b, circlePane);
    DrawAirfoilMarks(state.b, airfoilPane);
    drawMark(flow.frontStagnation(), kStagnationMarkRadius, kMarkColour, circlePane);
    drawMark(flow.rearStagnation(), kStagnationMarkRadius, kMarkColour, circlePane);
    drawMark(flow.frontStagnationImage(), kStagnationMarkRadius, kMarkColour, airfoilPane);
    drawMark(flow.rearStagnationImage(), kStagnationMarkRadius, kMarkColour, airfoilPane);
}

void DrawTimeLines(const std::vector<TimeLine> &lines, double pixel, PlotSurface &pane)
{
    std::vector<std::complex<double>> points;
    for (const TimeLine &line : lines) {
        if (line.particles.size() == 1) {
            drawMark(line.particles.front().at, static_cast<float>(kDotRadius * pixel),
                     kTimeLineColour, pane);
            continue;
        }
        points.clear();
        for (const Particle &particle : line.particles)
            points.push_back(particle.at);
        drawPolyline(points, kTimeLineColour, pane);
    }
}

void DrawProbeMarks(const ProbeMarks &marks, double pixel, PlotSurface &pane)
{
    const double reach = kCrossReach * pixel;
    for (const std::complex<double> at : marks.crosses) {
        drawPolyline({at - reach, at + reach}, kProbeColour, pane);
        drawPolyline({at - std::complex<double>(0.0, reach), at + std::complex<double>(0.0, reach)},
                     kProbeColour, pane);
    }
    for (const std::complex<double> at : marks.rings)
        drawMark(at, static_cast<float>(kRingRadius * pixel), kProbeColour, pane);
}

} // namespace wingmap
