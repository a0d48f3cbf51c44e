#ifndef WINGMAP_PLOT_PANE_H
#define WINGMAP_PLOT_PANE_H

#include "plot/image_surface.h"

#include <QFrame>

namespace wingmap {

// A sunken plot pane that shows its ImageSurface on its inner area and
// reports clicks. Painting only copies the image: the drawing itself is made
// by the redraw, never in response to a repaint. When the pane's size or the
// screen's device-pixel ratio changes, the surface renders its kept drawing
// again at the new resolution.
class PlotPane : public QFrame
{
    Q_OBJECT

public:
    explicit PlotPane(QWidget *parent = nullptr);

    // The surface, sized to the pane's current inner area and screen.
    ImageSurface &surface();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fitSurface();

    ImageSurface m_surface;
    bool m_pressed = false;
};

} // namespace wingmap

#endif
