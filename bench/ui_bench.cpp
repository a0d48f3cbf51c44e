#include "tests/support/scroll_bar_parts.h"
#include "ui/flow/flow_window.h"
#include "ui/main_window/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
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

// The Flow window opened from a main window on the screen of the given
// ratio, the start state (the flat plate) or a cambered profile drawn; null
// after telling the benchmark why not.
QWidget *openFlow(benchmark::State &state, Form1 &form, qreal ratio, bool cambered)
{
    QScreen *screen = screenOfRatio(ratio);
    if (!screen) {
        state.SkipWithError("no screen of that ratio");
        return nullptr;
    }
    placeOn(form, screen);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("window not exposed");
        return nullptr;
    }
    if (cambered) {
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
        return nullptr;
    }
    placeOn(*flow, screen);
    QCoreApplication::processEvents();
    if (flow->devicePixelRatioF() != ratio) {
        state.SkipWithError("the Flow window is not on the screen of that ratio");
        return nullptr;
    }
    return flow;
}

// Steps the bar between two values, repainting the window after each.
void stepBar(benchmark::State &state, QWidget *flow, const char *name, int from, int to)
{
    auto *bar = flow->findChild<QScrollBar *>(name);
    bool forward = true;
    for (auto _ : state) {
        bar->setValue(forward ? to : from);
        flow->repaint();
        forward = !forward;
    }
}

// One step of the angle bar in the open Flow window, offscreen, with the
// window painted: the flow solved, every streamline traced, both flow panes
// drawn, the pressure plot and the lift curve computed and painted, and the
// window's repaint. Arguments: the screen's device-pixel ratio (1 or 2), and
// 0 for the start state (the flat plate) or 1 for a cambered profile.
void BM_FlowRedraw(benchmark::State &state)
{
    Form1 form;
    if (QWidget *flow = openFlow(state, form, qreal(state.range(0)), state.range(1) != 0))
        stepBar(state, flow, "HScroll_alpha", 8, 9);
}

// One step of the circulation bar (1 to 1.05) on the cambered profile with
// the Kutta condition off, as BM_FlowRedraw.
void BM_FlowGamma(benchmark::State &state)
{
    Form1 form;
    QWidget *flow = openFlow(state, form, qreal(state.range(0)), true);
    if (!flow)
        return;
    flow->findChild<QCheckBox *>("Check_kutta")->setChecked(false);
    stepBar(state, flow, "HScroll_gamma", 20, 21);
}

// One step of the angle bar on the cambered profile, as BM_FlowRedraw, with
// every view shown: the time lines' travel times, the flow net, the grid and
// the speed shading computed and drawn.
void BM_FlowRedrawAllViews(benchmark::State &state)
{
    Form1 form;
    QWidget *flow = openFlow(state, form, qreal(state.range(0)), true);
    if (!flow)
        return;
    for (const char *name : {"Check_time_lines", "Check_net", "Check_grid", "Check_speed"})
        flow->findChild<QCheckBox *>(name)->setChecked(true);
    stepBar(state, flow, "HScroll_alpha", 8, 9);
}

// One frame of the time lines on the cambered profile: the particles of
// both panes placed at the time shown, and both panes and the readout (which
// shows the time) repainted.
void BM_FlowFrame(benchmark::State &state)
{
    Form1 form;
    auto *flow = qobject_cast<FlowWindow *>(openFlow(state, form, qreal(state.range(0)), true));
    if (!flow)
        return;
    flow->findChild<QCheckBox *>("Check_time_lines")->setChecked(true);
    QTest::qWait(2000); // particles across both panes
    QWidget *panes[] = {flow->findChild<QWidget *>("Picture_circle_flow"),
                        flow->findChild<QWidget *>("Picture_airfoil_flow"),
                        flow->findChild<QWidget *>("Label_readout")};
    for (auto _ : state) {
        flow->showFrame();
        for (QWidget *pane : panes)
            pane->repaint();
    }
}

// One pointer move over the circle pane of the cambered profile: the probe's
// numbers read and written, the marks set, and both panes and the probe's
// line repainted.
void BM_FlowProbe(benchmark::State &state)
{
    Form1 form;
    QWidget *flow = openFlow(state, form, qreal(state.range(0)), true);
    if (!flow)
        return;
    auto *pane = flow->findChild<QWidget *>("Picture_circle_flow");
    QWidget *shown[] = {pane, flow->findChild<QWidget *>("Picture_airfoil_flow"),
                        flow->findChild<QWidget *>("Label_probe")};
    const QPointF points[] = {QPointF(130, 40), QPointF(131, 41)};
    int k = 0;
    for (auto _ : state) {
        const QPointF at = points[k++ % 2];
        QMouseEvent move(QEvent::MouseMove, at, pane->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(pane, &move);
        for (QWidget *widget : shown)
            widget->repaint();
    }
}

} // namespace

BENCHMARK(BM_FlowRedrawAllViews)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlowFrame)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlowProbe)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlowRedraw)
    ->ArgNames({"ratio", "cambered"})
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlowGamma)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
