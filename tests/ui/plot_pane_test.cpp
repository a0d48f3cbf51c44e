// A plot pane on its own, in a window on the two offscreen screens of
// two_screens.json (device-pixel ratios 1 and 2): its surface follows the
// pane's size and the window's screen as they change, before any repaint.
#include "tests/support/pixel_checks.h"
#include "ui/widgets/plot_pane.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

using namespace wingmap;

class PlotPaneTest : public QObject
{
    Q_OBJECT

private slots:
    void surfaceFollowsSizeAndScreen();
};

void PlotPaneTest::surfaceFollowsSizeAndScreen()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QCOMPARE(screens[0]->devicePixelRatio(), 1.0);
    QCOMPARE(screens[1]->devicePixelRatio(), 2.0);

    QWidget window;
    window.resize(300, 200);
    window.setScreen(screens[0]);
    auto *pane = new PlotPane(&window);
    pane->setGeometry(10, 10, 104, 54); // a frame of 2 about 100 x 50
    ImageSurface &surface = pane->surface();
    surface.Cls();
    surface.Scale(-1, 1, 1, -1);
    surface.Line(-1, 0, 1, 0); // the x axis, across the middle
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The surface's size and ratio, and the axis drawn again at that ratio:
    // one device row at ratio 1, two (on a pixel boundary) at ratio 2.
    const auto shows = [&surface](QSize logical, int ratio) {
        const QImage &image = surface.image();
        const int middle = logical.height() / 2 * ratio;
        const int top = ratio == 1 ? middle : middle - 1;
        return surface.logicalSize() == logical && surface.devicePixelRatio() == ratio &&
               image.size() == logical * ratio && pixels::isDark(image.pixel(5, top)) &&
               pixels::isDark(image.pixel(5, middle)) &&
               pixels::isBackground(image.pixel(5, top - 1)) &&
               pixels::isBackground(image.pixel(5, middle + 1));
    };
    QVERIFY(shows(QSize(100, 50), 1));
    pane->resize(124, 84);
    QVERIFY(shows(QSize(120, 80), 1));
    window.setScreen(screens[1]);
    QVERIFY(shows(QSize(120, 80), 2));
    window.setScreen(screens[0]);
    QVERIFY(shows(QSize(120, 80), 1));
}

int main(int argc, char *argv[])
{
    QApplication::setStyle("Fusion");
    QApplication app(argc, argv);
    PlotPaneTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "plot_pane_test.moc"
