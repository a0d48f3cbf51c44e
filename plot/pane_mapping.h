#ifndef WINGMAP_PANE_MAPPING_H
#define WINGMAP_PANE_MAPPING_H

#include "plot/segment_clip.h"

#include <QPointF>
#include <QTransform>

#include <cmath>

namespace wingmap {

// The mapping from a pane's user coordinates to device pixels that Scale
// sets: user x1 falls on device x `offset` and x2 on offset + width, user y1
// on offset and y2 on offset + height (y1 > y2 makes y point up).
//
// The mapping is a scale and a translation per axis, kept as one
// QTransform, which sizes circle radii. Points do not go through
// QTransform::map: map() forms each product without rounding, so that a
// coordinate that came from a float lands on the double nearest its exact
// device position (but for ties within a few units of the 100th bit), in
// double precision alone. For a range so narrow that its scale factor would
// overflow (or so wide that its width would), the transform applies to user
// coordinates times a power of two, an exact change.
class PaneMapping
{
public:
    // The bounds must be finite with x1 != x2 and y1 != y2, and the sizes
    // finite and positive.
    PaneMapping(double x1, double y1, double x2, double y2, double width, double height,
                double offset);

    // From user coordinates times 2^exponentX and 2^exponentY to device pixels.
    const QTransform &transform() const { return m_transform; }
    int exponentX() const { return m_x.exponent; }
    int exponentY() const { return m_y.exponent; }

    QPointF map(double x, double y) const { return {m_x.map(x), m_y.map(y)}; }

    // The user coordinates that map into the device area grown by `margin`
    // device pixels on every side, [-margin, size + margin], bounded by the
    // largest doubles.
    ClipBox userBox(double margin) const;

private:
    struct Axis
    {
        int exponent = 0;
        // The transform's scale factor as head + tail, of at most 27
        // significant bits each, so that a float's product with either is
        // exact; `rest` is what the factor lacks of the exact quotient.
        double head = 0.0;
        double tail = 0.0;
        double rest = 0.0;
        double origin = 0.0; // the device coordinate of user 0
        double from = 0.0;   // the bounds, as given
        double to = 0.0;
        double pixels = 1.0;
        double offset = 0.0;

        // head * u is exact for a float u; so is the sum of it and the
        // origin as sum + error (two-sum). The small terms then round once
        // with the sum.
        double map(double u) const
        {
            if (exponent != 0)
                u = std::ldexp(u, exponent);
            const double product = u * head;
            const double sum = product + origin;
            const double back = sum - product;
            const double error = (product - (sum - back)) + (origin - back);
            return sum + (error + (u * tail + u * rest));
        }
    };

    static Axis axis(double from, double to, double pixels, double offset);

    Axis m_x;
    Axis m_y;
    QTransform m_transform;
};

} // namespace wingmap

#endif
