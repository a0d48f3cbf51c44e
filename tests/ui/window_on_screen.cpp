// Starts the real program on an X display (run under xvfb-run), grabs the
// screen as a user would see it, and checks that both panes show the start
// drawing. With --runs N it starts the program N times and reports the
// median time to the drawn window and the peak resident memory.
// Usage: window_on_screen PROGRAM [--screenshot FILE] [--runs N]
#include "tests/support/pixel_checks.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <algorithm>
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

// The peak resident memory of a running process, from the kernel's record.
qint64 peakResidentKiB(qint64 pid)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

struct Run
{
    bool shown = false;
    qint64 milliseconds = 0;
    qint64 peakKiB = -1;
    QImage screen;
};

// Starts the program and grabs the screen as fast as it can until both panes
// show the start drawing: the time from start to a window a user can see.
Run startAndWatch(const QString &program)
{
    Run run;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    if (!process.waitForStarted(5000))
        return run;
    while (!run.shown && clock.elapsed() < 15000 && process.state() == QProcess::Running) {
        QCoreApplication::processEvents();
        run.screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
            QImage::Format_RGB32);
        run.shown = showsBothPanes(run.screen);
    }
    run.milliseconds = clock.elapsed();
    if (run.shown) {
        QTest::qWait(300); // settled, as a user starts to work with it
        run.peakKiB = peakResidentKiB(process.processId());
    }
    process.terminate();
    process.waitForFinished(5000);
    return run;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [--screenshot FILE] [--runs N]\n", argv[0]);
        return 2;
    }
    const QString program = args[1];
    const int screenshotAt = args.indexOf("--screenshot");
    const int runsAt = args.indexOf("--runs");
    const int runs = runsAt > 0 ? std::max(1, args.value(runsAt + 1).toInt()) : 1;

    QList<qint64> times;
    QList<qint64> peaks;
    for (int i = 0; i < runs; ++i) {
        const Run run = startAndWatch(program);
        if (!run.shown) {
            run.screen.save("window_on_screen_failed.png");
            std::fprintf(stderr, "FAIL: the start drawing did not appear (screen saved to "
                                 "window_on_screen_failed.png)\n");
            return 1;
        }
        if (i == 0 && screenshotAt > 0)
            run.screen.copy(windowArea(run.screen)).save(args.value(screenshotAt + 1));
        times << run.milliseconds;
        peaks << run.peakKiB;
    }
    std::sort(times.begin(), times.end());
    std::sort(peaks.begin(), peaks.end());
    if (runs > 1) {
        std::printf("start-up to the drawn window: median %lld ms (min %lld, max %lld, %d runs)\n",
                    static_cast<long long>(times[runs / 2]), static_cast<long long>(times.first()),
                    static_cast<long long>(times.last()), runs);
        std::printf("peak resident memory: median %.1f MiB\n", peaks[runs / 2] / 1024.0);
    } else {
        std::printf("PASS: both panes show the start drawing after %lld ms\n",
                    static_cast<long long>(times.first()));
    }
    return 0;
}
