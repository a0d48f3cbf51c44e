#include "plot/flow_drawing.h"

#include "geometry/flow/flow.h"
#include "geometry/flow/streamlines.h"
#include "geometry/parameter_state.h"
#include "plot/profile_redraw.h"

#include <complex>
#include <vector>

namespace wingmap {

namespace {

void drawPolyline(const std::vector<std::complex<double>> &points, PlotSurface &pane)
{
    for (std::size_t i = 1; i < points.size(); ++i) {
        pane.Line(surfaceCoordinate(points[i - 1].real()), surfaceCoordinate(points[i - 1].imag()),
                  surfaceCoordinate(points[i].real()), surfaceCoordinate(points[i].imag()),
                  kStreamlineColour);
    }
}

void drawStagnation(std::complex<double> at, PlotSurface &pane)
{
    pane.Circle(surfaceCoordinate(at.real()), surfaceCoordinate(at.imag()), kStagnationMarkRadius,
                kMarkColour);
}

} // namespace

void DrawFlow(const ParameterState &state, double MaxC, const Flow &flow, const Streamlines &lines,
              PlotSurface &circlePane, PlotSurface &airfoilPane)
{
    DrawPaneFrames(MaxC, circlePane, airfoilPane);
    // Each pane's lines go in one run, so that they reach the painter as
    // polylines.
    for (const Streamline &line : lines.lines)
        drawPolyline(line.circle, circlePane);
    for (const Streamline &line : lines.lines)
        drawPolyline(line.profile, airfoilPane);
    DrawCurves(state, circlePane, airfoilPane);
    DrawCircleMarks(state.b, circlePane);
    DrawAirfoilMarks(state.b, airfoilPane);
    drawStagnation(flow.frontStagnation(), circlePane);
    drawStagnation(flow.rearStagnation(), circlePane);
    drawStagnation(flow.frontStagnationImage(), airfoilPane);
    drawStagnation(flow.rearStagnationImage(), airfoilPane);
}

} // namespace wingmap
