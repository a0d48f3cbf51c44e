#ifndef WINGMAP_SHOWN_DRAWING_H
#define WINGMAP_SHOWN_DRAWING_H

#include "geometry/parameter_state.h"

namespace wingmap {

// One drawing of the main window as its panes show it: the parameter record
// it was drawn from (F, G and b as read, and the sampled circle and profile
// tables) and the Scale. Made once per drawing, never changed afterwards:
// the windows and the exports that follow the drawing share it.
struct ShownDrawing
{
    ParameterState state;
    double MaxC = 0.0;
};

} // namespace wingmap

#endif
