#ifndef WINGMAP_SPEED_SHADING_H
#define WINGMAP_SPEED_SHADING_H

#include "geometry/flow/streamlines.h"
#include "geometry/pane_extent.h"
#include "plot/plot_surface.h"

class QColor;
class QFont;
class QPainter;
class QRectF;

namespace wingmap {

class Flow;

// The speed q/U at which the colour map reaches its top: the top of a
// circle at no circulation, and twice the free stream. Faster flow, round
// a sharp edge, shows the top colour.
inline constexpr double kShadingTopSpeed = 2.0;

// The colour of a speed q/U: the cividis map (dark blue through grey to
// yellow, its lightness rising all the way, readable with every kind of
// colour blindness), as ten stops from 0 to kShadingTopSpeed with linear
// interpolation between them. Below 0 or not a number gives the bottom
// colour, above the top (and infinity) the top one.
[[nodiscard]] Colour SpeedColour(double speed);

// The pixels of a pane one shading colour stands for, across and down: the
// speed changes slowly except at the edges, where the top colour holds, and
// the body's outline covers the blend at its border.
inline constexpr int kShadingCell = 3;

// The background of a pane of the flow coloured by the speed of that
// plane's flow: |dw/dz| in the circle plane, |dw/dzeta| in the profile
// plane. `extent` is the pane as Scale maps it (a negative Scale's mirrored
// extent included), `pixelsAcross` x `pixelsDown` its size in pixels; the
// shading has one colour per kShadingCell x kShadingCell of those pixels
// (rounded up), each the speed at the centre of its cell. Pass the pane's
// logical pixels: the painter smooths the shading, and its cost stays that
// of ratio 1 on any screen (about 2 ms for panes of 300 x 300 and 600 x 300
// together, most of it the profile plane's pre-images). Points inside the
// body (inside the circle; in the profile plane, those whose pre-image lies
// inside it) keep the background kBackground.
// A refused flow, a size below one pixel or an extent of no size gives an
// empty shading (not usable()).
[[nodiscard]] Shading SpeedShading(const Flow &flow, FlowPlane plane, const PaneExtent &extent,
                                   int pixelsAcross, int pixelsDown);

// Paints the legend of the speed shading in `area` (the painter's logical
// coordinates): a box of the background kBackground with a vertical bar of
// the colour map, q/U = 0 at its foot and kShadingTopSpeed at its head, the
// values 0, 1 and 2 written beside it and "q/U" above, in `foreground`, in
// the painter's font. Numbers are written with "." whatever the locale. The
// painter's state is as before when it returns.
void PaintSpeedLegend(QPainter &painter, const QRectF &area, const QColor &foreground);
// Where the legend goes on a pane's inner area `pane` (logical
// coordinates), sized for the font: in its top right corner, clear of the
// frame.
[[nodiscard]] QRectF SpeedLegendArea(const QRectF &pane, const QFont &font);

} // namespace wingmap

#endif
