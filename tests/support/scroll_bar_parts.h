#ifndef WINGMAP_SCROLL_BAR_PARTS_H
#define WINGMAP_SCROLL_BAR_PARTS_H

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

// Where the style puts a part of a scroll bar (an arrow, a page area, the
// thumb), in the bar's own coordinates, so that a test clicks it as a user.
inline QRect scrollBarPart(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    if (bar->orientation() == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = false;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
}

#endif
