#include "app/command_line.h"
#include "ui/main_window/form1.h"
#include "ui/translations/translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

namespace {

using wingmap::CommandLine;

QIcon programIcon()
{
    constexpr std::array kSizes{16, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : kSizes)
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/wingmap.png").arg(size), QSize(size, size));
    return icon;
}

// Whether the environment names a display, or a platform for Qt: without
// either (a text console) Qt's desktop platforms cannot start.
bool displayNamed()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// With no display a desktop platform fails as it starts, and a wrong
// argument would go unreported behind that failure. So Qt first takes its
// options on its "minimal" platform, which needs no display, and what it
// leaves is judged; the exit status of the answer, 0 when nothing is left.
// (A -platform of the user's comes later in argv, and Qt takes that one.)
int judgeWithoutDisplay(int argc, char *argv[])
{
    static char platformOption[] = "-platform";
    static char minimalPlatform[] = "minimal";
    std::vector<char *> arguments(argv, argv + argc);
    arguments.insert(arguments.begin() + 1, {platformOption, minimalPlatform});
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication probe(count, arguments.data());
    wingmap::installTranslations(probe, QLocale());
    return CommandLine::judge(QCoreApplication::arguments()).answer();
}

} // namespace

int main(int argc, char *argv[])
{
    // Help and version are answered before QApplication exists: they need
    // no display, only the translation.
    const CommandLine asked = CommandLine::helpOrVersion(argc, argv);
    if (asked.request() != CommandLine::Request::Run) {
        QCoreApplication console(argc, argv);
        wingmap::installTranslations(console, QLocale());
        return asked.answer();
    }
    if (!displayNamed()) {
        if (const int status = judgeWithoutDisplay(argc, argv); status != 0)
            return status;
    }

    // QApplication takes Qt's own options out of argv; what it leaves (also
    // an option of another platform, such as -display on Wayland) is wrong.
    QApplication app(argc, argv);
    QApplication::setApplicationName("Wingmap");
    wingmap::installTranslations(app, QLocale());
    const CommandLine left = CommandLine::judge(QCoreApplication::arguments());
    if (left.request() == CommandLine::Request::Error)
        return left.answer();
    QApplication::setWindowIcon(programIcon());
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName("wingmap");
    wingmap::Form1 form;
    form.show();
    return app.exec();
}
