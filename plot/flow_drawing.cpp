#include "plot/flow_drawing.h"

#include "geometry/flow/flow.h"
#include "geometry/flow/streamlines.h"
#include "geometry/parameter_state.h"
#include "plot/hesapla.h"
#include "plot/image_surface.h"

#include <complex>
#include <vector>

namespace wingmap {

namespace {

float single(double v)
{
    return static_cast<float>(v);
}

void drawPolyline(const std::vector<std::complex<double>> &points, PlotSurface &pane)
{
    for (std::size_t i = 1; i < points.size(); ++i) {
        pane.Line(single(points[i - 1].real()), single(points[i - 1].imag()),
                  single(points[i].real()), single(points[i].imag()), kStreamlineColour);
    }
}

// A flow pane holds hundreds of streamline segments, which a joined
// polyline two device pixels wide makes slow to paint on a dense screen:
// a pane that keeps its drawing draws them as overlapping segments.
void useFastJoins(PlotSurface &pane)
{
    if (auto *image = dynamic_cast<ImageSurface *>(&pane))
        image->setLineJoins(LineJoins::Overlap);
    else if (auto *drawing = dynamic_cast<Drawing *>(&pane))
        drawing->setLineJoins(LineJoins::Overlap);
}

void drawStagnation(std::complex<double> at, PlotSurface &pane)
{
    pane.Circle(single(at.real()), single(at.imag()), kStagnationMarkRadius, kMarkColour);
}

} // namespace

void DrawFlow(const ParameterState &state, double MaxC, const Flow &flow,
              const Streamlines &lines, PlotSurface &circlePane, PlotSurface &airfoilPane)
{
    useFastJoins(circlePane);
    useFastJoins(airfoilPane);
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
