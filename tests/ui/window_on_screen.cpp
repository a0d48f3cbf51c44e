// Starts the real program on an X display (run under xvfb-run), grabs the
// screen as a user would see it, and checks that both panes show the start
// drawing. Usage: window_on_screen PROGRAM [SCREENSHOT.png]
#include "pixel_checks.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

// The first light-yellow pixel in reading order: the top-left corner of the
// circle pane's inner area, the leftmost and topmost pane.
QPoint firstBackgroundPixel(const QImage &screen)
{
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (pixels::isBackground(screen.pixel(x, y)))
                return {x, y};
    return {-1, -1};
}

// The bounding box of everything that is not the bare black root window.
QRect windowArea(const QImage &screen)
{
    QRect area;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if ((screen.pixel(x, y) & 0xFFFFFF) != 0)
                area |= QRect(x, y, 1, 1);
    return area;
}

bool showsBothPanes(const QImage &screen)
{
    const QPoint corner = firstBackgroundPixel(screen);
    if (corner.x() < 0)
        return false;
    // The airfoil pane's inner area starts 208 logical pixels to the right.
    return pixels::showsStartCircle(screen, corner.x(), corner.y()) &&
           pixels::showsStartProfile(screen, corner.x() + 208, corner.y());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [SCREENSHOT.png]\n", argv[0]);
        return 2;
    }

    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(environment);
    program.start(QString::fromLocal8Bit(argv[1]), {});
    if (!program.waitForStarted(5000)) {
        std::fprintf(stderr, "FAIL: could not start %s\n", argv[1]);
        return 1;
    }

    QElapsedTimer clock;
    clock.start();
    QImage screen;
    bool shown = false;
    while (!shown && clock.elapsed() < 15000 && program.state() == QProcess::Running) {
        QTest::qWait(100);
        screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
            QImage::Format_RGB32);
        shown = showsBothPanes(screen);
    }
    if (shown && argc > 2)
        screen.copy(windowArea(screen)).save(QString::fromLocal8Bit(argv[2]));

    program.terminate();
    program.waitForFinished(5000);
    if (!shown) {
        screen.save("window_on_screen_failed.png");
        std::fprintf(stderr, "FAIL: the start drawing did not appear (screen saved to "
                             "window_on_screen_failed.png)\n");
        return 1;
    }
    std::printf("PASS: both panes show the start drawing after %lld ms\n",
                static_cast<long long>(clock.elapsed()));
    return 0;
}
