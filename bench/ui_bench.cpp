#include "form1.h"

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

QPoint arrowCentre(QScrollBar *bar, QStyle::SubControl control)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = Qt::Horizontal;
    opt.state |= QStyle::State_Horizontal;
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, control, bar).center();
}

// One arrow click on HScroll_F through the real widget, offscreen: the
// handler runs and both pane images hold the new drawing when it returns.
void BM_UserAction(benchmark::State &state)
{
    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("window not exposed");
        return;
    }
    auto *bar = form.findChild<QScrollBar *>("HScroll_F");
    bar->setValue(10);
    const QPoint right = arrowCentre(bar, QStyle::SC_ScrollBarAddLine);
    const QPoint left = arrowCentre(bar, QStyle::SC_ScrollBarSubLine);
    bool forward = true;
    for (auto _ : state) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, forward ? right : left);
        forward = !forward;
    }
    if (bar->value() != 10 && bar->value() != 11)
        state.SkipWithError("the clicks did not move the scroll bar");
}

} // namespace

BENCHMARK(BM_UserAction)->Unit(benchmark::kMicrosecond);
