#ifndef WINGMAP_PAINTER_SURFACE_H
#define WINGMAP_PAINTER_SURFACE_H

#include "plot/device_lines.h"
#include "plot/pane_mapping.h"
#include "plot/plot_surface.h"
#include "plot/segment_clip.h"

#include <QColor>
#include <QPointF>

#include <vector>

class QPainter;
class QRectF;

namespace wingmap {

// A plot surface that paints each operation at once on a QPainter, so on
// any paint device: an image, an SVG generator, a pixmap, a printer.
//
// The pane's inner area fills `area`, given in the painter's logical
// coordinates; the painter's transform at construction applies. The surface
// works in the device pixels of that area, taking the device-pixel ratio r
// from the painter's device: lines are max(1, floor(r)) device pixels wide
// (one device pixel at any ratio below 2, through Qt's fast cosmetic pen),
// antialiased, and placed on whole device pixels, so that horizontal and
// vertical lines stay crisp when the area itself lies on whole device pixels.
// At a whole ratio such a line lies where the mapping puts it, which for the
// axes is on whole pixels; at a fractional ratio it is moved to the nearest
// whole device pixels, less than half a pixel.
//
// Scale sets the mapping from user coordinates to those device pixels, one
// QTransform (see PaneMapping). Segments are clipped in user coordinates, in
// double precision, to the area grown by a small margin before they are
// mapped; a coordinate that is infinite stands for "beyond the pane" in its
// direction, and NaN draws nothing. A circle wider than the pane by far is
// drawn as the chords of its arc across the area. Nothing that is not finite
// reaches the painter.
//
// Runs of segments of one colour that join end to start are drawn as
// setLineJoins says (round joins unless told otherwise). A colour with
// kThinLine draws a thin line (DeviceLines::thinWidth, thinOpacity). While a
// halo colour is set, every line (but a thin one) and circle is drawn in it
// instead, opaque and DeviceLines::kHaloExtra device pixels wider than it
// would be: a first pass under the lines themselves.
//
// Shade paints the shading at once over the whole area, smoothly scaled to
// it.
//
// Nothing is painted outside `area`. Until the surface is destroyed it owns
// the painter's state: it sets the transform, clip, pen and render hints it
// needs, and restores the painter's own in its destructor. Before any
// accepted Scale, user coordinates are the logical pixels of `area` from its
// top-left corner, y down.
class PainterSurface : public PlotSurface
{
public:
    PainterSurface(QPainter &painter, const QRectF &area);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface &) = delete;
    PainterSurface &operator=(const PainterSurface &) = delete;

    // The colour of lines drawn without a colour.
    void setForeground(const QColor &colour) { m_foreground = colour; }
    void setLineJoins(LineJoins joins);
    // An invalid colour ends the halo pass.
    void setHalo(const QColor &colour);

    void Cls() override;
    void Scale(double x1, double y1, double x2, double y2) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius, Colour colour) override;
    void Shade(const Shading &shading) override;

private:
    // How a line is drawn: its colour (with its opacity) and its width in
    // device pixels.
    struct Stroke
    {
        QColor colour;
        int width = 1;
    };

    Stroke strokeOf(const QColor &colour, int width) const;
    Stroke strokeOf(Colour colour);
    void setRange(double x1, double y1, double x2, double y2);
    void drawLine(double x1, double y1, double x2, double y2, const Stroke &stroke);
    void drawDeviceLine(QPointF from, QPointF to, const Stroke &stroke);
    void drawHugeOutline(double cx, double cy, double rx, double ry, const Stroke &stroke);
    void usePen(const Stroke &stroke);
    void addSegment(const QPointF &from, const QPointF &to);
    void flushLines();

    QPainter &m_painter;
    bool m_usable = false; // the area has a finite, non-zero size
    double m_width = 1.0;  // the area in device pixels
    double m_height = 1.0;
    DeviceLines m_lines{1.0};
    bool m_overlap = false; // runs wider than a device pixel are drawn as overlapping segments

    PaneMapping m_mapping{0.0, 0.0, 1.0, 1.0, 1.0, 1.0, 0.5};
    ClipBox m_userBox{}; // the area grown by the margin, in user coordinates

    QColor m_foreground = Qt::black;
    Colour m_lastColour = 0; // the last colour given, and its QColor
    QColor m_lastQColour;
    QColor m_halo; // invalid outside the halo pass
    QColor m_penColour;
    int m_penWidth = 1;
    bool m_hasPen = false;
    std::vector<QPointF> m_pending; // a polyline not yet handed to the painter
};

} // namespace wingmap

#endif
