#ifndef WINGMAP_CACHED_IMAGE_H
#define WINGMAP_CACHED_IMAGE_H

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

namespace wingmap {

// A pane's picture kept as an image of device pixels: logicalSize * ratio
// (rounded, at least one pixel each way), carrying that ratio, so that a
// pane shows it on its logical inner area pixel for pixel. It is painted
// again when it is read after markStale() or a change of size or ratio, and
// only then.
class CachedImage
{
public:
    CachedImage() { setGeometry(QSize(1, 1), 1.0); }

    // A size below one logical pixel counts as one, and a ratio that is not
    // a positive finite number as 1.
    void setGeometry(QSize logicalSize, qreal devicePixelRatio);
    QSize logicalSize() const { return m_logicalSize; }
    qreal devicePixelRatio() const { return m_ratio; }

    void markStale() { m_stale = true; }

    // The image, painted first by paint(QPainter &, const QRectF &area) if it
    // is stale; `area` is the whole image in logical pixels, which at a
    // fractional ratio may be a fraction of a pixel larger than the size.
    template <typename Paint> const QImage &image(Paint &&paint) const
    {
        if (m_stale) {
            QPainter painter(&m_image);
            paint(painter, QRectF(QPointF(0, 0), QSizeF(m_image.size()) / m_ratio));
            m_stale = false;
        }
        return m_image;
    }

private:
    QSize m_logicalSize;
    qreal m_ratio = 0.0;
    mutable QImage m_image;
    mutable bool m_stale = true;
};

} // namespace wingmap

#endif
