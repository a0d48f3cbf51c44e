#include "app/command_line.h"

#include "wingmap_version.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace wingmap {

namespace {

constexpr int kExitUsage = 2;

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

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

CommandLine CommandLine::read(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help")
            return {Request::Help};
        if (arg == "-v" || arg == "--version")
            return {Request::Version};
        const QtOption *option = findQtOption(arg);
        if (!option) {
            return {Request::Error,
                    arg.starts_with('-') ? Error::UnknownOption : Error::UnexpectedArgument,
                    QString::fromLocal8Bit(argv[i])};
        }
        if (option->takesValue && ++i == argc)
            return {Request::Error, Error::MissingValue, QString::fromLocal8Bit(arg.data())};
    }
    return {Request::Run};
}

CommandLine CommandLine::unexpected(const char *argument)
{
    return {Request::Error, Error::UnexpectedArgument, QString::fromLocal8Bit(argument)};
}

QString CommandLine::errorText() const
{
    switch (m_error) {
    case Error::None:
        break;
    case Error::UnknownOption:
        return tr("unknown option '%1'").arg(m_argument);
    case Error::UnexpectedArgument:
        return tr("unexpected argument '%1'").arg(m_argument);
    case Error::MissingValue:
        return tr("option '%1' needs a value").arg(m_argument);
    }
    return {};
}

int CommandLine::answer() const
{
    const QString usage = tr("Usage: wingmap [-h | --help | -v | --version] [Qt options]") + '\n';
    switch (m_request) {
    case Request::Run:
        break;
    case Request::Help:
        print(stdout, usage);
        print(stdout, tr("Shows a circle in the complex plane beside the profile that the\n"
                         "Joukowsky transformation makes of it.\n"
                         "\n"
                         "  -h, --help     print this help and exit\n"
                         "  -v, --version  print the version and exit\n"
                         "\n"
                         "Qt's standard options (-platform, -display, -style, -session and the\n"
                         "others named in wingmap(1)) are passed on to Qt.\n"));
        return 0;
    case Request::Version:
        print(stdout, QStringLiteral("wingmap " WINGMAP_VERSION "\n"));
        return 0;
    case Request::Error:
        print(stderr, QStringLiteral("wingmap: %1\n").arg(errorText()) + usage);
        return kExitUsage;
    }
    return 0;
}

} // namespace wingmap
