#include "plot/profile_redraw.h"

#include "geometry/joukowsky.h"
#include "geometry/number_text.h"
#include "geometry/pane_extent.h"
#include "plot/plot_surface.h"

#include <cmath>
#include <limits>

namespace wingmap {

namespace {

constexpr float kMarkRadius = 0.03f;
constexpr double kCrossHalfLength = 0.1;

Refusal refusalOf(SampleFailure failure)
{
    switch (failure) {
    case SampleFailure::None:
        break;
    case SampleFailure::DivisionByZero:
        return Refusal::BIsZero;
    case SampleFailure::NegativeRoot:
        return Refusal::CircleMissesOrigin;
    case SampleFailure::ZeroRadius:
        return Refusal::CircleThroughOrigin;
    case SampleFailure::NotANumber:
        return Refusal::NotANumber;
    case SampleFailure::TooLarge:
        return Refusal::TooLarge;
    case SampleFailure::TooSmall:
        return Refusal::BTooSmall;
    }
    return Refusal::None;
}

} // namespace

void DrawPaneFrames(double MaxC, PlotSurface &circlePane, PlotSurface &airfoilPane)
{
    const PaneExtents panes = PaneExtentsAt(MaxC);
    const auto frame = [](const PaneExtent &extent, PlotSurface &pane) {
        pane.Cls();
        pane.Scale(extent.left, extent.top, extent.right, extent.bottom);
        pane.Line(surfaceCoordinate(extent.left), 0, surfaceCoordinate(extent.right), 0);
        pane.Line(0, surfaceCoordinate(extent.bottom), 0, surfaceCoordinate(extent.top));
    };
    frame(panes.circle, circlePane);
    frame(panes.profile, airfoilPane);
}

void DrawCurves(const ParameterState &state, PlotSurface &circlePane, PlotSurface &airfoilPane)
{
    for (std::size_t i = 1; i <= static_cast<std::size_t>(kSegments); ++i) {
        circlePane.Line(surfaceCoordinate(state.circle_x.at(i - 1)),
                        surfaceCoordinate(state.circle_y.at(i - 1)),
                        surfaceCoordinate(state.circle_x.at(i)),
                        surfaceCoordinate(state.circle_y.at(i)), kCurveColour);
        airfoilPane.Line(surfaceCoordinate(state.airfoil_x.at(i - 1)),
                         surfaceCoordinate(state.airfoil_y.at(i - 1)),
                         surfaceCoordinate(state.airfoil_x.at(i)),
                         surfaceCoordinate(state.airfoil_y.at(i)), kCurveColour);
    }
}

void DrawCircleMarks(double b, PlotSurface &circlePane)
{
    circlePane.Circle(surfaceCoordinate(b), 0, kMarkRadius, kMarkColour);
    circlePane.Circle(surfaceCoordinate(-b), 0, kMarkRadius, kMarkColour);
}

void DrawAirfoilMarks(double b, PlotSurface &airfoilPane)
{
    airfoilPane.Circle(surfaceCoordinate(b * 2), 0, kMarkRadius, kMarkColour);
    airfoilPane.Circle(surfaceCoordinate(b * (-2)), 0, kMarkRadius, kMarkColour);
}

RedrawOutcome RedrawProfile(const InputTexts &texts, ParameterState &state, PlotSurface &circlePane,
                            PlotSurface &airfoilPane)
{
    state.F = ReadNumber(texts.F);
    state.G = ReadNumber(texts.G);
    state.b = ReadNumber(texts.b);

    const SampleOutcome sampled = SampleProfile(state);
    if (!sampled.ok())
        return {false, refusalOf(sampled.failure), sampled.index};

    const double MaxC = ReadNumber(texts.MaxC);
    const double MaxC2 = MaxC * 2;
    // Decided before anything is cleared, so a refused run leaves both
    // panes with their last complete drawing.
    if (MaxC == 0.0)
        return {false, Refusal::ScaleIsZero, -1};
    if (!std::isfinite(MaxC2))
        return {false, Refusal::ScaleTooLarge, -1};

    DrawPaneFrames(MaxC, circlePane, airfoilPane);
    DrawCurves(state, circlePane, airfoilPane);
    DrawCircleMarks(state.b, circlePane);
    // The cross uses the products stored by the F and G scroll bars, not the
    // b just read: after a change of b alone it stays where it was.
    const double Fb = state.Fb;
    const double Gb = state.Gb;
    circlePane.Line(surfaceCoordinate(-Fb), surfaceCoordinate(Gb - kCrossHalfLength),
                    surfaceCoordinate(-Fb), surfaceCoordinate(Gb + kCrossHalfLength), kMarkColour);
    circlePane.Line(surfaceCoordinate(-Fb - kCrossHalfLength), surfaceCoordinate(Gb),
                    surfaceCoordinate(-Fb + kCrossHalfLength), surfaceCoordinate(Gb), kMarkColour);
    DrawAirfoilMarks(state.b, airfoilPane);
    const bool underflows = std::abs(MaxC) < std::numeric_limits<float>::min();
    return {true, Refusal::None, -1, underflows, MaxC};
}

} // namespace wingmap
