#include "ui/form1.h"
#include "ui/translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QSize>
#include <QString>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr int kExitUsage = 2;

constexpr char kUsage[] = "Usage: wingmap [-h | --help | -v | --version] [Qt options]\n";

constexpr char kHelp[] = "Shows a circle in the complex plane beside the profile that the\n"
                         "Joukowsky transformation makes of it.\n"
                         "\n"
                         "  -h, --help     print this help and exit\n"
                         "  -v, --version  print the version and exit\n"
                         "\n"
                         "Qt's standard options (-platform, -display, -style, -session and the\n"
                         "others named in wingmap(1)) are passed on to Qt.\n";

// The options that QApplication takes out of argv itself. A name ending in
// '=' carries its value joined to it.
struct QtOption
{
    std::string_view name;
    bool takesValue;
};
constexpr std::array<QtOption, 16> kQtOptions{{
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-session", true},
    {"-display", true},
    {"-geometry", true},
    {"-style", true},
    {"-style=", false},
    {"-stylesheet", true},
    {"-stylesheet=", false},
    {"-reverse", false},
    {"-widgetcount", false},
}};

const QtOption *findQtOption(std::string_view arg)
{
    if (arg.starts_with("--")) // Qt reads --platform as -platform.
        arg.remove_prefix(1);
    for (const QtOption &option : kQtOptions) {
        if (option.name.ends_with('=') ? arg.starts_with(option.name) : arg == option.name)
            return &option;
    }
    return nullptr;
}

enum class Request { Run, Help, Version, Error };

struct CommandLine
{
    Request request = Request::Run;
    std::string error;
};

// Reads argv from left to right; the first help, version or wrong argument
// decides.
CommandLine readCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help")
            return {Request::Help, {}};
        if (arg == "-v" || arg == "--version")
            return {Request::Version, {}};
        const QtOption *option = findQtOption(arg);
        if (!option) {
            const char *kind = arg.starts_with('-') ? "unknown option" : "unexpected argument";
            return {Request::Error, std::string(kind) + " '" + std::string(arg) + "'"};
        }
        if (option->takesValue && ++i == argc)
            return {Request::Error, "option '" + std::string(arg) + "' needs a value"};
    }
    return {};
}

int usageError(const std::string &error)
{
    std::fprintf(stderr, "wingmap: %s\n%s", error.c_str(), kUsage);
    return kExitUsage;
}

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
    // Answered before QApplication exists: these need no display.
    const CommandLine commandLine = readCommandLine(argc, argv);
    switch (commandLine.request) {
    case Request::Help:
        std::fputs(kUsage, stdout);
        std::fputs(kHelp, stdout);
        return 0;
    case Request::Version:
        std::puts("wingmap " WINGMAP_VERSION);
        return 0;
    case Request::Error:
        return usageError(commandLine.error);
    case Request::Run:
        break;
    }

    QApplication app(argc, argv);
    // What Qt left in argv (an option the running platform does not take,
    // such as -display on Wayland) is as wrong as an unknown option.
    if (argc > 1)
        return usageError("unexpected argument '" + std::string(argv[1]) + "'");
    QApplication::setApplicationName("Wingmap");
    wingmap::installTranslations(app, QLocale());
    QApplication::setWindowIcon(programIcon());
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName("wingmap");
    wingmap::Form1 form;
    form.show();
    return app.exec();
}
