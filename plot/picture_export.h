#ifndef WINGMAP_PICTURE_EXPORT_H
#define WINGMAP_PICTURE_EXPORT_H

#include "plot/colour.h"

#include <QList>
#include <QRect>

class QByteArray;
class QImage;
class QPainter;

namespace wingmap {

class Drawing;
class LiftCurvePlot;
class PressurePlot;

inline constexpr Colour kPictureGap = 0xFFFFFF;  // white
inline constexpr Colour kPictureAxes = 0x000000; // black

// The panes' drawings as one picture, placed as the window shows them: the
// picture is the bounding box of the panes' inner areas, each drawing at its
// place in it, and the gaps between them (where the panes' frames and the
// window lie) in white. Sizes and places are in the window's logical pixels.
// The drawings are painted from what they keep: nothing is recomputed. The
// picture is the same in every colour scheme: the gaps are white and the
// axes black, whatever the window's and the panes' colours.
class PictureExport
{
public:
    struct Pane
    {
        const Drawing *drawing;
        QRect area; // the pane's inner area, in window coordinates
        // A pressure plot or a lift curve in place of a drawing (drawing
        // null).
        const PressurePlot *pressure = nullptr;
        const LiftCurvePlot *liftCurve = nullptr;
        // The speed shading's legend over the drawing (SpeedLegendArea).
        bool speedLegend = false;
    };

    explicit PictureExport(const QList<Pane> &panes);

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
    QRect m_bounds;
};

} // namespace wingmap

#endif
