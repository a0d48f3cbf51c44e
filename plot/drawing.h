#ifndef WINGMAP_DRAWING_H
#define WINGMAP_DRAWING_H

#include "plot/device_lines.h"
#include "plot/plot_surface.h"

#include <QColor>

#include <array>
#include <optional>
#include <vector>

class QPainter;
class QRectF;

namespace wingmap {

// White: the streamlines' dark green has 5.1 : 1 against it, the blue
// outline 8.6 : 1 and black 21 : 1, whatever shading lies under them.
inline constexpr Colour kHaloColour = 0xFFFFFF;

// One pane's drawing kept as data: every operation since the last Cls, as
// it was given, and the mapping in effect when that Cls came. It draws
// nothing itself; paint() puts it on any painter, so the pane's image, an
// SVG file and a clipboard picture are three callers of the same routine,
// and none of them recomputes the plot:
//
//     QSvgGenerator svg;               // or a QImage, a QPixmap, a printer
//     svg.setOutputDevice(&buffer);    // (and its size and view box)
//     QPainter painter(&svg);
//     pane.drawing().paint(painter, QRectF(QPointF(0, 0), logicalInnerSize));
//
//     QImage image(logicalInnerSize * 2, QImage::Format_RGB32); // a clipboard
//     image.setDevicePixelRatio(2);                             // picture at 2x
//     QPainter imagePainter(&image);
//     pane.drawing().paint(imagePainter, QRectF(QPointF(0, 0), logicalInnerSize));
//
// For a raster device of device-pixel ratio r (QImage::setDevicePixelRatio),
// lines are max(1, floor(r)) device pixels wide and straight lines fall on
// whole device pixels, as on the screen; a vector device gets one-unit lines.
// Two panes side by side are two calls with areas (or painter translations)
// side by side.
//
// A shading (Shade) is kept apart from the operations and painted under
// all of them, smoothly scaled to the area; Cls removes it. With the halo
// on, every line and circle is first drawn in kHaloColour,
// DeviceLines::kHaloExtra device pixels wider, and then itself, so that
// lines keep their contrast over a shading.
class Drawing : public PlotSurface
{
public:
    // A kept operation: ScaleOp holds x1, y1, x2, y2 (as given, also when
    // refused); LineOp holds x1, y1, x2, y2 and its colour (the foreground
    // when hasColour is false); CircleOp holds x, y, radius and its colour.
    struct Operation
    {
        enum Kind { ScaleOp, LineOp, CircleOp } kind;
        double v[4];
        bool hasColour;
        Colour colour;
    };

    void Cls() override;
    void Scale(double x1, double y1, double x2, double y2) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius, Colour colour) override;
    void Shade(const Shading &shading) override;

    // The shading since the last Cls; not usable() when there is none.
    const Shading &shading() const { return m_shading; }

    // The halo; kept with the drawing like the line joins.
    void setHalo(bool on) { m_halo = on; }
    bool halo() const { return m_halo; }

    // The colour of lines drawn without a colour; used when painting, so a
    // change applies to the kept drawing as well.
    void setForeground(const QColor &colour) { m_foreground = colour; }
    QColor foreground() const { return m_foreground; }

    // How runs of joined segments are drawn in lines wider than one device
    // pixel; kept with the drawing, so it applies wherever it is painted.
    void setLineJoins(LineJoins joins) { m_joins = joins; }
    LineJoins lineJoins() const { return m_joins; }

    // The operations since the last Cls, in order.
    const std::vector<Operation> &operations() const { return m_operations; }

    // Paints the background 0x00C0FFFF over `area` and then the kept drawing,
    // so that the pane's inner area fills `area`, given in the painter's
    // logical coordinates: its current transform applies (keep translations
    // to whole logical pixels for crisp lines). The device-pixel ratio is the
    // painter's device's. The painter's state is as before when it returns.
    // Nothing non-finite reaches the painter. Before any accepted Scale, user
    // coordinates are the logical pixels of `area`, y down.
    void paint(QPainter &painter, const QRectF &area) const;
    // The same, with lines drawn without a colour in `foreground`.
    void paint(QPainter &painter, const QRectF &area, const QColor &foreground) const;

private:
    using Range = std::array<double, 4>;

    void replay(PlotSurface &surface) const;

    std::vector<Operation> m_operations;
    Shading m_shading;
    bool m_halo = false;
    QColor m_foreground = Qt::black;
    LineJoins m_joins = LineJoins::Round;
    std::optional<Range> m_range;        // the last accepted Scale
    std::optional<Range> m_rangeAtStart; // the one in effect at the last Cls
};

} // namespace wingmap

#endif
