#include "plot/image_surface.h"

namespace wingmap {

ImageSurface::ImageSurface(QSize logicalSize, qreal devicePixelRatio)
{
    setGeometry(logicalSize, devicePixelRatio);
}

void ImageSurface::setGeometry(QSize logicalSize, qreal devicePixelRatio)
{
    m_image.setGeometry(logicalSize, devicePixelRatio);
}

void ImageSurface::setForeground(const QColor &colour)
{
    m_drawing.setForeground(colour);
    m_image.markStale();
}

void ImageSurface::setLineJoins(LineJoins joins)
{
    if (joins == m_drawing.lineJoins())
        return;
    m_drawing.setLineJoins(joins);
    m_image.markStale();
}

void ImageSurface::setHalo(bool on)
{
    if (on == m_drawing.halo())
        return;
    m_drawing.setHalo(on);
    m_image.markStale();
}

const QImage &ImageSurface::image() const
{
    // The whole image, also where rounding made it a fraction of a logical
    // pixel larger than the pane.
    return m_image.image(
        [this](QPainter &painter, const QRectF &area) { m_drawing.paint(painter, area); });
}

void ImageSurface::Cls()
{
    m_drawing.Cls();
    m_image.markStale();
}

void ImageSurface::Scale(double x1, double y1, double x2, double y2)
{
    m_drawing.Scale(x1, y1, x2, y2);
    m_image.markStale();
}

void ImageSurface::Line(float x1, float y1, float x2, float y2)
{
    m_drawing.Line(x1, y1, x2, y2);
    m_image.markStale();
}

void ImageSurface::Line(float x1, float y1, float x2, float y2, Colour colour)
{
    m_drawing.Line(x1, y1, x2, y2, colour);
    m_image.markStale();
}

void ImageSurface::Circle(float x, float y, float radius, Colour colour)
{
    m_drawing.Circle(x, y, radius, colour);
    m_image.markStale();
}

void ImageSurface::Shade(const Shading &shading)
{
    m_drawing.Shade(shading);
    m_image.markStale();
}

} // namespace wingmap
