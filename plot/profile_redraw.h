#ifndef WINGMAP_PROFILE_REDRAW_H
#define WINGMAP_PROFILE_REDRAW_H

#include "geometry/parameter_state.h"

#include <string>

namespace wingmap {

class PlotSurface;

// The four input texts as the text fields hold them.
struct InputTexts
{
    std::string F;
    std::string G;
    std::string b;
    std::string MaxC;
};

// What kept the plots from being redrawn; the window words it for the user.
enum class Refusal {
    None,                // drawn
    BIsZero,             // b = 0: nothing to transform
    CircleMissesOrigin,  // the circle no longer encloses the origin
    CircleThroughOrigin, // the circle passes through the origin
    NotANumber,          // F, G or b is NaN
    TooLarge,            // F, G or b too large to compute with (also when infinite)
    BTooSmall,           // b too close to 0 to compute with
    ScaleIsZero,         // the Scale text reads as 0
    ScaleTooLarge,       // twice the Scale is not finite
};

struct RedrawOutcome
{
    bool drawn = false;
    Refusal refusal = Refusal::None;
    // For a refusal of the sampling, the point (0 to 180) being computed
    // when it failed; -1 when it failed before the first point, and for the
    // other outcomes.
    int point = -1;
    // Drawn, but the extent is below the smallest normal float: the
    // single-precision coordinates the panes take lose their digits, and
    // below about 1e-45 the axes collapse to a dot.
    bool scaleUnderflows = false;
    // The Scale as read, when drawn.
    double MaxC = 0.0;
};

// Recomputes and redraws both plots: reads F, G and b from the texts into
// the state, samples the circle and its profile, and draws on the circle
// pane (square, +-MaxC) and the airfoil pane (2:1, +-2*MaxC across) the
// axes, the blue curves, the red marks at +-b and +-2b, and the red cross at
// the stored centre (-Fb, Gb).
//
// When the sampling fails, or the Scale text gives an extent of 0 or one
// that is not finite, neither surface is touched: both keep their last
// complete drawing, and the outcome says why. The outcome holds no words.
// The parts of the drawing, as the redraw makes them, for the drawings that
// build on it (the flow panes): the panes cleared and scaled to +-MaxC (and
// +-2*MaxC across the airfoil pane, as PaneExtentsAt gives them) with their
// axes; the blue circle and
// profile of the state's tables, segment by segment alternating between the
// panes; the red marks at +-b on the circle pane and at +-2b on the airfoil
// pane. MaxC must be finite and not 0, and 2*MaxC finite.
void DrawPaneFrames(double MaxC, PlotSurface &circlePane, PlotSurface &airfoilPane);
void DrawCurves(const ParameterState &state, PlotSurface &circlePane, PlotSurface &airfoilPane);
void DrawCircleMarks(double b, PlotSurface &circlePane);
void DrawAirfoilMarks(double b, PlotSurface &airfoilPane);

RedrawOutcome RedrawProfile(const InputTexts &texts, ParameterState &state, PlotSurface &circlePane,
                            PlotSurface &airfoilPane);

} // namespace wingmap

#endif
