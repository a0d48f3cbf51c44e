#ifndef WINGMAP_PANE_EXTENT_H
#define WINGMAP_PANE_EXTENT_H

#include <algorithm>
#include <cmath>
#include <complex>

namespace wingmap {

// What a pane shows, in plot units (y up), as its Scale takes it: x from
// `left` to `right`, y from `bottom` to `top`. A negative Scale gives
// left > right and bottom > top: the pane is mirrored both ways.
struct PaneExtent
{
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    // Half the width and half the height, whatever the Scale's sign; the
    // panes are centred on the origin.
    double halfWidth() const { return std::abs(right); }
    double halfHeight() const { return std::abs(top); }
    // Plot units per pixel in a pane `pixelsAcross` pixels wide.
    double pixelSize(double pixelsAcross) const { return 2.0 * halfWidth() / pixelsAcross; }
    // How far p lies outside the pane, in plot units; 0 inside or on it.
    double distanceOutside(std::complex<double> p) const
    {
        return std::hypot(std::max(std::abs(p.real()) - halfWidth(), 0.0),
                          std::max(std::abs(p.imag()) - halfHeight(), 0.0));
    }
};

// The main window's two panes, and the Flow window's, at the Scale MaxC:
// the circle pane square, +-MaxC both ways; the profile pane twice as wide,
// +-2 MaxC across and +-MaxC up and down. The profile pane's numbers are
// computed as 2 MaxC and its halves, so that the drawings keep their exact
// coordinates. MaxC is taken as it is: 0 or a MaxC whose double is not
// finite gives an extent of no use, which the callers refuse.
struct PaneExtents
{
    PaneExtent circle;
    PaneExtent profile;
};

inline PaneExtents PaneExtentsAt(double MaxC)
{
    const double MaxC2 = MaxC * 2;
    return {{-MaxC, MaxC, MaxC, -MaxC}, {-MaxC2, MaxC2 / 2, MaxC2, (-MaxC2) / 2}};
}

} // namespace wingmap

#endif
