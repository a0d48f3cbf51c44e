#include "ui/widgets/scroll_bar.h"

#include "ui/widgets/contrast.h"

#include <QKeyEvent>
#include <QPainter>

namespace wingmap {

namespace {

// Wide enough to see at a glance, narrow enough to leave the arrows whole.
constexpr int kFocusFrameWidth = 2;

} // namespace

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget *parent) : QScrollBar(orientation, parent)
{
}

void ScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    const QRect inner = rect().marginsRemoved(
        QMargins(kFocusFrameWidth, kFocusFrameWidth, kFocusFrameWidth, kFocusFrameWidth));
    painter.setClipRegion(QRegion(rect()).subtracted(inner));
    painter.fillRect(rect(), focusColour(palette()));
}

void ScrollBar::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_PageDown) {
            triggerAction(SliderPageStepAdd);
            return;
        }
        if (event->key() == Qt::Key_PageUp) {
            triggerAction(SliderPageStepSub);
            return;
        }
    }
    QScrollBar::keyPressEvent(event);
}

} // namespace wingmap
