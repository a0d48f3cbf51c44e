#include "app/command_line.h"
#include "ui/main_window/form1.h"
#include "ui/translations/translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QSize>
#include <QString>

#include <array>

namespace {

QIcon programIcon()
{
    constexpr std::array kSizes{16, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : kSizes)
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/wingmap.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char *argv[])
{
    using wingmap::CommandLine;
    // Help, version and a wrong argument are answered before QApplication
    // exists: they need no display, only the translation.
    const CommandLine commandLine = CommandLine::read(argc, argv);
    if (commandLine.request() != CommandLine::Request::Run) {
        QCoreApplication console(argc, argv);
        wingmap::installTranslations(console, QLocale());
        return commandLine.answer();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Wingmap");
    wingmap::installTranslations(app, QLocale());
    // What Qt left in argv (an option the running platform does not take,
    // such as -display on Wayland) is as wrong as an unknown option.
    if (argc > 1)
        return CommandLine::unexpected(argv[1]).answer();
    QApplication::setWindowIcon(programIcon());
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName("wingmap");
    wingmap::Form1 form;
    form.show();
    return app.exec();
}
