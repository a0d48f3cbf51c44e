#include "app/clipboard_handover.h"
#include "app/command_line.h"
#include "app/display_check.h"
#include "ui/main_window/form1.h"
#include "ui/translations/translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QSize>
#include <QString>

#include <array>
#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using wingmap::CommandLine;

// How long the program waits, as it ends, for the clipboard manager to take
// a copied picture over: the program is gone within a fifth of a second.
constexpr std::chrono::milliseconds kClipboardManagerWait{80};

QIcon programIcon()
{
    constexpr std::array kSizes{16, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : kSizes)
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/wingmap.png").arg(size), QSize(size, size));
    return icon;
}

// Without a display a desktop platform would abort as it starts, and a
// wrong argument would go unreported behind that failure. So Qt first takes
// its options on its "minimal" platform, which needs no display (a -platform
// of the user's is made minimal too), and what it leaves is judged: a wrong
// argument is named, else the program says why it has no display. Returns
// the exit status of the answer. With no argument to judge, the answer
// needs only the translation.
int answerWithoutDisplay(int argc, char *argv[], const CommandLine &noDisplay)
{
    if (argc < 2) {
        QCoreApplication console(argc, argv);
        wingmap::installTranslations(console, QLocale());
        return noDisplay.answer();
    }
    static char platformOption[] = "-platform";
    static char minimalPlatform[] = "minimal";
    std::vector<char *> arguments(argv, argv + argc);
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        if (arg == "-platform" || arg == "--platform")
            arguments[++i] = minimalPlatform;
    }
    arguments.insert(arguments.begin() + 1, {platformOption, minimalPlatform});
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication probe(count, arguments.data());
    wingmap::installTranslations(probe, QLocale());
    const CommandLine left = CommandLine::judge(QCoreApplication::arguments());
    return left.request() == CommandLine::Request::Error ? left.answer() : noDisplay.answer();
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
    if (const std::optional<CommandLine> missing = wingmap::missingDisplay(argc, argv))
        return answerWithoutDisplay(argc, argv, *missing);

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
    const int status = app.exec();
    wingmap::handClipboardToManager(kClipboardManagerWait);
    return status;
}
