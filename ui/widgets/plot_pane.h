#ifndef WINGMAP_PLOT_PANE_H
#define WINGMAP_PLOT_PANE_H

#include "plot/image_surface.h"

#include <QFrame>
#include <QMetaObject>

class QPainter;
class QScreen;

namespace wingmap {

// A sunken plot pane that shows its ImageSurface on its inner area, pixel
// for pixel on the device pixels nearest to it, and reports clicks. Painting
// only copies the image: the drawing itself is made by the redraw, never in
// response to a repaint. When the pane is resized, or its window goes to a
// screen of another device-pixel ratio (or its screen's resolution changes),
// the surface takes the new size and ratio and renders its kept drawing
// again.
//
// The pane takes the focus by Tab (a mouse click leaves the focus where it
// is) and shows it by drawing its frame in the focus colour; the inner area
// stays the drawing. Space, Enter or Return on the focused pane is a click.
// Lines drawn without a colour (the axes) take the palette's text colour
// when it reads on the light-yellow background, else black; a change of
// palette shows in the pane's next drawing.
class PlotPane : public QFrame
{
    Q_OBJECT

public:
    explicit PlotPane(QWidget *parent = nullptr);

    // The surface, sized to the pane's inner area and its window's screen
    // since the last resize or change of screen.
    ImageSurface &surface() { return m_surface; }

signals:
    void clicked();
    // The pane's context menu is asked for, by the right button, the Menu key
    // or Shift+F10, to open at the given global position.
    void contextMenuRequested(const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

    // What the inner area shows: the surface's image. A pane that shows
    // another plot gives its own image, kept at the inner area's size and
    // the screen's ratio.
    virtual const QImage &contentsImage();
    // Takes the palette's text colour for the lines drawn without a colour.
    virtual void followPalette();

private:
    void fitSurface();
    void copyImage(QPainter &painter);
    void followScreen(QScreen *screen);

    ImageSurface m_surface;
    QMetaObject::Connection m_screenResolution; // of the window's screen
    bool m_pressed = false;
};

} // namespace wingmap

#endif
