#include "ui/widgets/plot_pane.h"

#include "ui/widgets/accessible_roles.h"
#include "ui/widgets/contrast.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace wingmap {

PlotPane::PlotPane(QWidget *parent) : QFrame(parent)
{
    registerAccessibleRole(staticMetaObject, QAccessible::Graphic);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    // paintEvent covers the inner area with the image: nothing to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    followPalette();
}

void PlotPane::followPalette()
{
    m_surface.setForeground(plotForeground(palette()));
}

const QImage &PlotPane::contentsImage()
{
    return m_surface.image();
}

void PlotPane::fitSurface()
{
    m_surface.setGeometry(contentsRect().size(), devicePixelRatioF());
}

void PlotPane::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    fitSurface();
}

// The device-pixel ratio is the window's screen's: the pane follows the
// window to another screen, and a change of that screen's resolution. (A
// widget hears of neither by an event of its own in Qt 6.4.)
void PlotPane::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    if (QWindow *handle = window()->windowHandle()) {
        connect(handle, &QWindow::screenChanged, this, &PlotPane::followScreen,
                Qt::UniqueConnection);
        followScreen(handle->screen());
    }
}

void PlotPane::followScreen(QScreen *screen)
{
    disconnect(m_screenResolution);
    if (screen) {
        m_screenResolution = connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] {
            fitSurface();
            update(contentsRect());
        });
    }
    fitSurface();
    update(contentsRect());
}

void PlotPane::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    copyImage(painter);
    if (hasFocus()) {
        painter.setClipRegion(QRegion(rect()).subtracted(contentsRect()));
        painter.fillRect(rect(), focusColour(palette()));
    }
}

// The image holds the inner area's device pixels. At a fractional ratio the
// inner area can begin between two device pixels, where the painter would
// resample the image and blur every line; so the image goes pixel for pixel
// onto the device pixels nearest the inner area: the painter is made to work
// in device pixels (its world transform undoes what lies between it and the
// device) and the image is copied there unscaled.
void PlotPane::copyImage(QPainter &painter)
{
    const QImage &image = contentsImage();
    const QTransform toDevice = painter.deviceTransform();
    const QTransform beyondWorld = painter.worldTransform().inverted() * toDevice;
    if (toDevice.type() > QTransform::TxScale || !beyondWorld.isInvertible()) {
        painter.drawImage(QRectF(contentsRect()), image);
        return;
    }
    const QPointF corner = toDevice.map(QPointF(contentsRect().topLeft()));
    const QPointF snapped(std::floor(corner.x() + 0.5), std::floor(corner.y() + 0.5));
    painter.save();
    painter.setWorldTransform(QTransform::fromTranslate(snapped.x(), snapped.y()) *
                              beyondWorld.inverted());
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image.size())), image);
    painter.restore();
}

// On X11 the Menu key arrives as a context-menu event, and its key press
// then goes to the open menu; elsewhere, and for Shift+F10 everywhere, the
// key reaches the pane, which asks for its menu as the platform would.
void PlotPane::keyPressEvent(QKeyEvent *event)
{
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (menuKey || shiftF10) {
        const QPoint centre = contentsRect().center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, centre, mapToGlobal(centre),
                                    event->modifiers());
        QCoreApplication::sendEvent(this, &menuEvent);
        return;
    }

    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (!plain || (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)) {
        QFrame::keyPressEvent(event);
        return;
    }
    // A held key repeats; a click happens once.
    if (!event->isAutoRepeat())
        emit clicked();
}

void PlotPane::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        followPalette();
    QFrame::changeEvent(event);
}

void PlotPane::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void PlotPane::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QFrame::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void PlotPane::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(event->globalPos());
}

} // namespace wingmap
