#ifndef WINGMAP_PLOT_SURFACE_H
#define WINGMAP_PLOT_SURFACE_H

#include "plot/colour.h"

#include <cmath>

namespace wingmap {

// Whether Scale takes the range (x1, y1) to (x2, y2): every bound finite,
// and neither its width nor its height zero.
inline bool acceptsRange(double x1, double y1, double x2, double y2)
{
    return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2) &&
           x1 != x2 && y1 != y2;
}

// A plot pane as the redraw procedure sees it: four operations in a user
// coordinate system set by Scale.
class PlotSurface
{
public:
    virtual ~PlotSurface() = default;

    // Fills the whole drawing area with the background colour, removing
    // everything drawn before.
    virtual void Cls() = 0;

    // Maps the inner drawing area so that its left edge is x = x1, its top
    // edge y = y1, its right edge x = x2 and its bottom edge y = y2. With
    // y1 > y2 the y axis points up. A range of zero width or height, or a
    // bound that is not finite, is refused: the previous mapping stays.
    virtual void Scale(double x1, double y1, double x2, double y2) = 0;

    // A 1-pixel solid segment in user coordinates, in the foreground colour
    // or in the given one. Coordinates are single precision.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    virtual void Line(float x1, float y1, float x2, float y2, Colour colour) = 0;

    // The outline of the circle about (x, y) with the radius in user units.
    virtual void Circle(float x, float y, float radius, Colour colour) = 0;
};

// A plot coordinate as the surfaces take it: rounded to single precision.
inline float surfaceCoordinate(double v)
{
    return static_cast<float>(v);
}

} // namespace wingmap

#endif
