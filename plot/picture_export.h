#ifndef WINGMAP_PICTURE_EXPORT_H
#define WINGMAP_PICTURE_EXPORT_H

#include <QColor>
#include <QList>
#include <QRect>

class QByteArray;
class QImage;
class QPainter;

namespace wingmap {

class Drawing;
class PressurePlot;

// The panes' drawings as one picture, placed as the window shows them: the
// picture is the bounding box of the panes' inner areas, each drawing at its
// place in it, and the gaps between them (where the panes' frames and the
// window lie) in the window's colour. Sizes and places are in the window's
// logical pixels. The drawings are painted from what they keep: nothing is
// recomputed.
class PictureExport
{
public:
    struct Pane
    {
        const Drawing *drawing;
        QRect area; // the pane's inner area, in window coordinates
        // A pressure plot in place of a drawing (drawing null).
        const PressurePlot *pressure = nullptr;
    };

    PictureExport(const QList<Pane> &panes, const QColor &background);

    // In logical pixels.
    QSize size() const;

    // size() * devicePixelRatio device pixels, with that ratio set, and a
    // resolution that keeps its printed size that of the window on a
    // 96 dpi screen.
    QImage image(qreal devicePixelRatio) const;
    // image() as a PNG file; empty if it could not be encoded.
    QByteArray png(qreal devicePixelRatio) const;
    // An SVG file of size() units (lines stay lines), 96 units to the inch.
    QByteArray svg() const;

private:
    void paint(QPainter &painter) const;

    QList<Pane> m_panes;
    QColor m_background;
    QRect m_bounds;
};

} // namespace wingmap

#endif
