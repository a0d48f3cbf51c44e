#ifndef WINGMAP_DEVICE_LINES_H
#define WINGMAP_DEVICE_LINES_H

#include <QtGlobal>

#include <cmath>

class QPainter;
class QPointF;

namespace wingmap {

// How lines lie on a raster device of device-pixel ratio r: max(1, floor(r))
// device pixels wide, so that at 125 % to 175 % a line is one device pixel,
// as thin as on a plain screen, rather than two; centred on a pixel for an
// odd width and on a pixel boundary for an even one, so that a horizontal or
// vertical line never straddles two rows. A ratio that is not a positive
// finite number counts as 1, and one within 1e-6 of a whole number as that
// number.
//
// A thin line (kThinLine) is drawn as thinWidth and thinOpacity say, and a
// halo as haloWidth says; this is the one place of these widths.
struct DeviceLines
{
    explicit DeviceLines(qreal devicePixelRatio);

    qreal ratio = 1.0;
    int penWidth = 1;    // in device pixels
    double offset = 0.5; // from a pixel's corner to a line's centre, in device pixels
    bool wholeRatio = true;
    // A thin line (kThinLine): at r >= 2 half the width, at least one device
    // pixel; below 2, where the width is already one device pixel, one
    // device pixel at kThinOpacity.
    int thinWidth = 1;
    double thinOpacity = 1.0;

    // A halo: a line of `width` device pixels drawn first this much wider in
    // a light colour, one device pixel on each side, so that it keeps its
    // contrast over any picture under it.
    static constexpr int kHaloExtra = 2;
    static int haloWidth(int width) { return width + kHaloExtra; }

    // The logical coordinate nearest `logical` where a line lies as above.
    double snap(double logical) const { return (std::round(logical * ratio) + offset) / ratio; }
};

// The opacity of a thin line at a ratio below 2.
inline constexpr double kThinOpacity = 0.6;

// How a plot draws a run of joined segments in lines wider than one device
// pixel (at a ratio of 2 and more; thinner lines are always one polyline).
enum class LineJoins {
    // One polyline with round joins and caps: exact, but the raster engine
    // takes time in proportion to the square of a long line's length.
    Round,
    // drawOverlappingSegments, half a device pixel over each joint: lines
    // stay on their points, many times faster, a joint's edge a shade darker.
    Overlap,
};

// The device-pixel ratio of the painter's device, 1 when it has none.
qreal devicePixelRatioOf(const QPainter &painter);

// Draws the polyline through `count` points with the painter's pen, which
// must have flat caps, as separate segments each lengthened by half a device
// pixel at both ends, so that every pixel at a joint is covered in full by
// one of its two segments. `devicePixel` is a device pixel's size in the
// painter's coordinates. Points within a twentieth of a device pixel of a
// straight run are passed over. The raster engine fills each segment
// directly, where a joined polyline wider than one device pixel is stroked
// into an outline and filled again as a whole, which costs more the longer
// the polyline. The price: an edge pixel where two segments overlap is
// blended twice, a shade darker.
void drawOverlappingSegments(QPainter &painter, const QPointF *points, int count,
                             double devicePixel);

} // namespace wingmap

#endif
