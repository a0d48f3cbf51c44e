#include "plot/image_surface.h"

#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace wingmap {

ImageSurface::ImageSurface(QSize logicalSize, qreal devicePixelRatio)
{
    setGeometry(logicalSize, devicePixelRatio);
}

void ImageSurface::setGeometry(QSize logicalSize, qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 0.0) || !std::isfinite(devicePixelRatio))
        devicePixelRatio = 1.0;
    const QSize size = logicalSize.expandedTo(QSize(1, 1));
    if (size == m_logicalSize && devicePixelRatio == m_ratio && !m_image.isNull())
        return;
    m_logicalSize = size;
    m_ratio = devicePixelRatio;
    const QSize device(std::max(1, int(std::lround(size.width() * m_ratio))),
                       std::max(1, int(std::lround(size.height() * m_ratio))));
    m_image = QImage(device, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(m_ratio);
    m_stale = true;
}

void ImageSurface::setForeground(const QColor &colour)
{
    m_drawing.setForeground(colour);
    m_stale = true;
}

void ImageSurface::setLineJoins(LineJoins joins)
{
    if (joins == m_drawing.lineJoins())
        return;
    m_drawing.setLineJoins(joins);
    m_stale = true;
}

const QImage &ImageSurface::image() const
{
    if (m_stale) {
        // The whole image, also where rounding made it a fraction of a
        // logical pixel larger than the pane.
        QPainter painter(&m_image);
        m_drawing.paint(painter, QRectF(QPointF(0, 0), QSizeF(m_image.size()) / m_ratio));
        m_stale = false;
    }
    return m_image;
}

void ImageSurface::Cls()
{
    m_drawing.Cls();
    m_stale = true;
}

void ImageSurface::Scale(double x1, double y1, double x2, double y2)
{
    m_drawing.Scale(x1, y1, x2, y2);
    m_stale = true;
}

void ImageSurface::Line(float x1, float y1, float x2, float y2)
{
    m_drawing.Line(x1, y1, x2, y2);
    m_stale = true;
}

void ImageSurface::Line(float x1, float y1, float x2, float y2, Colour colour)
{
    m_drawing.Line(x1, y1, x2, y2, colour);
    m_stale = true;
}

void ImageSurface::Circle(float x, float y, float radius, Colour colour)
{
    m_drawing.Circle(x, y, radius, colour);
    m_stale = true;
}

} // namespace wingmap
