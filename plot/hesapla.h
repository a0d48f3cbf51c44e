#ifndef WINGMAP_HESAPLA_H
#define WINGMAP_HESAPLA_H

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

struct RedrawOutcome
{
    bool drawn = false;
    // Empty when drawn; otherwise, in words for the user, what kept the
    // plots from being redrawn and what to change.
    std::string message;
};

// Recomputes and redraws both plots: reads F, G and b from the texts into
// the state, samples the circle and its profile, and draws on the circle
// pane (square, +-MaxC) and the airfoil pane (2:1, +-2*MaxC across) the
// axes, the blue curves, the red marks at +-b and +-2b, and the red cross at
// the stored centre (-Fb, Gb).
//
// When the sampling fails, or the Scale text gives an extent of 0 or one
// that is not finite, neither surface is touched: both keep their last
// complete drawing, and the outcome says why.
RedrawOutcome hesapla(const InputTexts &texts, ParameterState &state, PlotSurface &circlePane,
                      PlotSurface &airfoilPane);

} // namespace wingmap

#endif
