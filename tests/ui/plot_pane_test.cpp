// A plot pane on its own, in a window on the offscreen screens of
// two_screens.json (device-pixel ratios 1, 2, 1.25, 1.5 and 1.75): its
// surface follows the pane's size and the window's screen as they change,
// before any repaint, and the window shows the surface's image pixel for
// pixel.
#include "tests/support/pixel_checks.h"
#include "ui/widgets/plot_pane.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <cmath>

using namespace wingmap;

namespace {

// The device rows of column 5 that the x axis darkens, when every other row
// is the plain background: none where a row is neither (a blurred line).
QList<int> axisRows(const QImage &image)
{
    QList<int> rows;
    for (int row = 0; row < image.height(); ++row) {
        const QRgb p = image.pixel(5, row);
        if (pixels::isDark(p))
            rows << row;
        else if (!pixels::isBackground(p))
            return {};
    }
    return rows;
}

} // namespace

class PlotPaneTest : public QObject
{
    Q_OBJECT

private slots:
    void surfaceFollowsSizeAndScreen();
};

void PlotPaneTest::surfaceFollowsSizeAndScreen()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 5);
    QWidget window;
    window.resize(300, 200);
    window.setScreen(screens[0]);
    auto *pane = new PlotPane(&window);
    // A frame of 2 about 100 x 50, whose inner area starts at (13, 13): at
    // the fractional ratios between two device pixels.
    pane->setGeometry(11, 11, 104, 54);
    ImageSurface &surface = pane->surface();
    surface.Cls();
    surface.Scale(-1, 1, 1, -1);
    surface.Line(-1, 0, 1, 0); // the x axis, across the middle
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The surface's size and ratio; the axis drawn again at that ratio,
    // floor(ratio) device rows about the middle and nothing blurred; and the
    // window showing the image unscaled from the device pixel nearest the
    // inner area's corner.
    const auto check = [&](QSize logical, QScreen *screen) {
        window.setScreen(screen);
        const qreal ratio = screen->devicePixelRatio();
        const QImage &image = surface.image();
        const QSize device(std::lround(logical.width() * ratio),
                           std::lround(logical.height() * ratio));
        QCOMPARE(surface.logicalSize(), logical);
        QCOMPARE(surface.devicePixelRatio(), ratio);
        QCOMPARE(image.size(), device);
        const QList<int> rows = axisRows(image);
        QCOMPARE(rows.size(), int(std::floor(ratio)));
        QVERIFY2(std::abs(rows.first() + rows.size() / 2.0 - device.height() / 2.0) <= 1.0,
                 qPrintable(QString::number(rows.first())));

        // Where the image reaches past the inner area by a fraction of a
        // device pixel, the pane's frame may cover it.
        const QImage shown = window.grab().toImage().convertToFormat(image.format());
        const QRectF inner(pane->mapTo(&window, pane->contentsRect().topLeft()), logical);
        const QPoint corner(std::lround(inner.left() * ratio), std::lround(inner.top() * ratio));
        const QRect whole(QPoint(0, 0),
                          QPoint(int(std::floor(inner.right() * ratio)) - corner.x(),
                                 int(std::floor(inner.bottom() * ratio)) - corner.y()) -
                              QPoint(1, 1));
        QVERIFY2(shown.copy(whole.translated(corner)) == image.copy(whole),
                 qPrintable(QString("ratio %1").arg(ratio)));
    };
    // 50 logical rows are 62.5 device rows at 1.25 and 87.5 at 1.75: the
    // image has whole rows, and is still copied unscaled.
    for (QScreen *screen : screens)
        check(QSize(100, 50), screen);
    pane->resize(124, 84);
    check(QSize(120, 80), screens[2]);
    check(QSize(120, 80), screens[0]);
}

int main(int argc, char *argv[])
{
    QApplication::setStyle("Fusion");
    QApplication app(argc, argv);
    PlotPaneTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "plot_pane_test.moc"
