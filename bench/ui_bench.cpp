#include "tests/support/scroll_bar_parts.h"
#include "ui/main_window/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace wingmap;

namespace {

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
    const QPoint right = scrollBarPart(bar, QStyle::SC_ScrollBarAddLine).center();
    const QPoint left = scrollBarPart(bar, QStyle::SC_ScrollBarSubLine).center();
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

namespace {

// The offscreen screen of the given device-pixel ratio (see bench_main), or
// null.
QScreen *screenOfRatio(qreal ratio)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() == ratio)
            return screen;
    }
    return nullptr;
}

void placeOn(QWidget &window, QScreen *screen)
{
    window.setScreen(screen);
    window.move(screen->geometry().topLeft() + QPoint(10, 10));
}

// One step of the angle bar in the open Flow window, offscreen, with the
// window painted: the flow solved, every streamline traced, both flow panes
// drawn and the pressure plot painted, and the window's repaint. Arguments:
// the screen's device-pixel ratio (1 or 2), and 0 for the start state (the
// flat plate) or 1 for a cambered profile.
void BM_FlowRedraw(benchmark::State &state)
{
    QScreen *screen = screenOfRatio(qreal(state.range(0)));
    if (!screen) {
        state.SkipWithError("no screen of that ratio");
        return;
    }
    Form1 form;
    placeOn(form, screen);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("window not exposed");
        return;
    }
    if (state.range(1) != 0) {
        form.findChild<QScrollBar *>("HScroll_F")->setValue(10);
        form.findChild<QScrollBar *>("HScroll_G")->setValue(10);
        form.findChild<QLineEdit *>("Text_b")->setText("0.905357");
        form.hesapla();
    }
    QTest::keyClick(&form, Qt::Key_L, Qt::ControlModifier);
    QWidget *flow = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "FlowWindow")
            flow = w;
    }
    if (!flow || !QTest::qWaitForWindowExposed(flow)) {
        state.SkipWithError("no Flow window");
        return;
    }
    placeOn(*flow, screen);
    QCoreApplication::processEvents();
    if (flow->devicePixelRatioF() != qreal(state.range(0))) {
        state.SkipWithError("the Flow window is not on the screen of that ratio");
        return;
    }
    auto *bar = flow->findChild<QScrollBar *>("HScroll_alpha");
    bool forward = true;
    for (auto _ : state) {
        bar->setValue(forward ? 9 : 8);
        flow->repaint();
        forward = !forward;
    }
}

} // namespace

BENCHMARK(BM_FlowRedraw)
    ->ArgNames({"ratio", "cambered"})
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
