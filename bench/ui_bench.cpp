#include "tests/support/scroll_bar_parts.h"
#include "ui/main_window/form1.h"

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
