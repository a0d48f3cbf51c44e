#ifndef WINGMAP_IMAGE_SURFACE_H
#define WINGMAP_IMAGE_SURFACE_H

#include "plot/plot_surface.h"

#include <QColor>
#include <QImage>
#include <QSize>

#include <vector>

namespace wingmap {

// A plot surface drawn into a QImage of device pixels, for a pane whose
// inner area is `logicalSize` logical pixels on a screen of the given
// device-pixel ratio. The image is logicalSize * ratio device pixels; a pane
// shows it scaled onto its logical inner area, pixel for pixel on screen.
//
// Lines are one logical pixel wide, antialiased, and placed on whole device
// pixels, so that horizontal and vertical lines stay crisp. The surface keeps
// every operation since the last Cls, so a change of size or ratio renders
// the same drawing again without the caller's help.
//
// Coordinates far outside the pane, or infinite after the conversion to
// single precision, are clipped in extended precision before they reach the
// painter; NaN coordinates draw nothing.
class ImageSurface : public PlotSurface
{
public:
    explicit ImageSurface(QSize logicalSize = QSize(1, 1), qreal devicePixelRatio = 1.0);

    // Resizes the image and renders the kept drawing again at the new ratio.
    void setGeometry(QSize logicalSize, qreal devicePixelRatio);
    QSize logicalSize() const { return m_logicalSize; }
    qreal devicePixelRatio() const { return m_ratio; }

    // The colour of lines drawn without a colour.
    void setForeground(const QColor &colour) { m_foreground = colour; }
    QColor foreground() const { return m_foreground; }

    // The drawing so far. Operations are recorded as they come and painted
    // here, all pending ones with one painter.
    const QImage &image() const;

    void Cls() override;
    void Scale(double x1, double y1, double x2, double y2) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius, Colour colour) override;

private:
    struct Mapping
    {
        double x1 = 0.0, y1 = 0.0, x2 = 1.0, y2 = 1.0;
    };
    struct Operation
    {
        enum Kind { ScaleOp, LineOp, CircleOp } kind;
        double v[4];
        QColor colour;
    };

    // Painting state, changed only while pending operations are painted.
    struct Renderer;

    static bool isValid(const Mapping &m);

    QSize m_logicalSize;
    qreal m_ratio = 1.0;
    QColor m_foreground = Qt::black;
    Mapping m_mapping;      // in effect after the last recorded operation
    Mapping m_mappingAtCls; // in effect when the kept drawing began
    std::vector<Operation> m_operations;

    mutable QImage m_image;
    mutable std::size_t m_painted = 0; // operations already in the image
    mutable Mapping m_paintMapping;    // in effect after them
};

QColor toQColor(Colour colour);

} // namespace wingmap

#endif
