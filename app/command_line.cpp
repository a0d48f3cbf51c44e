#include "app/command_line.h"

#include "wingmap_version.h"

#include <cstdio>
#include <string_view>

namespace wingmap {

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitNoDisplay = 1;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

CommandLine CommandLine::helpOrVersion(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help")
            return {Request::Help};
        if (arg == "-v" || arg == "--version")
            return {Request::Version};
    }
    return {Request::Run};
}

CommandLine CommandLine::judge(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return {Request::Run};
    const QString &first = arguments.at(1);
    return {Request::Error,
            first.startsWith('-') ? Error::UnknownOption : Error::UnexpectedArgument, first};
}

CommandLine CommandLine::noDisplay(DisplayProblem problem, const QString &platform,
                                   const QString &variable)
{
    CommandLine answer(Request::NoDisplay, Error::None, platform);
    answer.m_displayProblem = problem;
    answer.m_variable = variable;
    return answer;
}

QString CommandLine::noDisplayText() const
{
    switch (m_displayProblem) {
    case DisplayProblem::NoneSet:
        break;
    case DisplayProblem::NoWaylandPlugin:
        return tr("Wingmap opens a window, so it needs a graphical session: only WAYLAND_DISPLAY "
                  "is set, and Qt's Wayland plugin (the package qt6-wayland) is not installed.");
    case DisplayProblem::PlatformNeeds:
        return tr("Wingmap opens a window, so it needs a graphical session: Qt's platform %1 "
                  "cannot start without %2.")
            .arg(m_argument, m_variable.isEmpty() ? tr("its plugin") : m_variable);
    }
    return tr("Wingmap opens a window, so it needs a graphical session: neither DISPLAY nor "
              "WAYLAND_DISPLAY is set.");
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
    case Request::NoDisplay:
        print(stderr, noDisplayText() + '\n');
        return kExitNoDisplay;
    }
    return 0;
}

} // namespace wingmap
