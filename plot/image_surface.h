#ifndef WINGMAP_IMAGE_SURFACE_H
#define WINGMAP_IMAGE_SURFACE_H

#include "plot/cached_image.h"
#include "plot/drawing.h"
#include "plot/plot_surface.h"

#include <QColor>
#include <QImage>
#include <QSize>

namespace wingmap {

// A plot surface that keeps its drawing and shows it in a QImage of device
// pixels, for a pane whose inner area is `logicalSize` logical pixels on a
// screen of the given device-pixel ratio. The image is logicalSize * ratio
// device pixels and carries that ratio; a pane shows it on its logical inner
// area, pixel for pixel on screen.
//
// The operations are kept in a Drawing, which the image is painted from (see
// drawing.h for the lines, clipping and crispness). The image is painted
// when it is read after a change, so a change of size or ratio renders the
// same drawing again without the caller's help.
class ImageSurface : public PlotSurface
{
public:
    explicit ImageSurface(QSize logicalSize = QSize(1, 1), qreal devicePixelRatio = 1.0);

    // Resizes the image; the kept drawing is painted again at the new ratio.
    void setGeometry(QSize logicalSize, qreal devicePixelRatio);
    QSize logicalSize() const { return m_image.logicalSize(); }
    qreal devicePixelRatio() const { return m_image.devicePixelRatio(); }

    // The colour of lines drawn without a colour, also those already kept.
    void setForeground(const QColor &colour);
    QColor foreground() const { return m_drawing.foreground(); }

    // How runs of joined segments are drawn (see Drawing::setLineJoins).
    void setLineJoins(LineJoins joins);

    // The halo under the lines (see Drawing::setHalo).
    void setHalo(bool on);

    // The drawing so far, painted here if anything changed since the last read.
    const QImage &image() const;

    // The kept drawing, to paint on another device.
    const Drawing &drawing() const { return m_drawing; }

    void Cls() override;
    void Scale(double x1, double y1, double x2, double y2) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius, Colour colour) override;
    void Shade(const Shading &shading) override;

private:
    Drawing m_drawing;
    CachedImage m_image;
};

} // namespace wingmap

#endif
