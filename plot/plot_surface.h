#ifndef WINGMAP_PLOT_SURFACE_H
#define WINGMAP_PLOT_SURFACE_H

#include "plot/colour.h"

#include <cmath>
#include <vector>

namespace wingmap {

// A picture under a pane's lines: `width` x `height` colours, row by row
// from the top-left, covering the inner drawing area that Scale maps (each
// colour is the area's value at the centre of its cell; a painter smooths
// between them). Colours are 0x00BBGGRR. Empty, or of a size that does not
// match its colours, it shows nothing.
struct Shading
{
    int width = 0;
    int height = 0;
    std::vector<Colour> colours;

    bool usable() const
    {
        return width > 0 && height > 0 &&
               colours.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    }
};

// Whether Scale takes the range (x1, y1) to (x2, y2): every bound finite,
// and neither its width nor its height zero.
inline bool acceptsRange(double x1, double y1, double x2, double y2)
{
    return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2) &&
           x1 != x2 && y1 != y2;
}

// A flag on a line's or circle's colour: draw it thin (see DeviceLines),
// e.g. Line(x1, y1, x2, y2, colour | kThinLine). The colour's own bytes are
// unchanged; surfaces that draw all lines alike ignore the flag.
inline constexpr Colour kThinLine = 0x01000000;

// A plot pane as the redraw procedure sees it: four drawing operations in a
// user coordinate system set by Scale, and a shading under them.
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

    // Lays the shading over the whole drawing area; the next Cls removes it.
    // Give it after Cls and before the lines: a surface that keeps its
    // drawing (Drawing) shows it under every line, one that paints at once
    // (PainterSurface) over what is already there. Surfaces that show no
    // pictures ignore it.
    virtual void Shade(const Shading &) {}
};

// A plot coordinate as the surfaces take it: rounded to single precision.
inline float surfaceCoordinate(double v)
{
    return static_cast<float>(v);
}

} // namespace wingmap

#endif
