#ifndef WINGMAP_COMMAND_LINE_H
#define WINGMAP_COMMAND_LINE_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <utility>

namespace wingmap {

// The program's command line: --help and --version, which need no display;
// Qt's own options, which QApplication takes out of argv itself; anything
// else is a usage error (exit status 2). Without a display to open the window
// on, the program says so in one sentence (exit status 1).
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Request { Run, Help, Version, Error, NoDisplay };

    // Why the platforms that Qt would try cannot open a window.
    enum class DisplayProblem {
        NoneSet,         // neither DISPLAY nor WAYLAND_DISPLAY is set
        NoWaylandPlugin, // only WAYLAND_DISPLAY is set, and Qt has no Wayland plugin
        PlatformNeeds,   // the platform asked for lacks its variable or its plugin
    };

    // Help or version, wherever it stands (-h, --help, -v or --version, the
    // first of them decides); else Run. Reads argv before any application
    // exists, so it needs no display.
    static CommandLine helpOrVersion(int argc, char *argv[]);

    // What Qt left of the command line once the application took its own
    // options (QCoreApplication::arguments(), the program first): anything
    // left is an error, the first one named.
    static CommandLine judge(const QStringList &arguments);

    // The sentence for a window with no display. For PlatformNeeds, the
    // platform asked for and the variable it needs, or none for its plugin.
    static CommandLine noDisplay(DisplayProblem problem, const QString &platform = {},
                                 const QString &variable = {});

    Request request() const { return m_request; }

    // Prints the help, the version, the error and the usage, or why there is
    // no display, in the language of the installed translation; returns the
    // exit status (0 for Run, which prints nothing).
    int answer() const;

private:
    enum class Error { None, UnknownOption, UnexpectedArgument };

    CommandLine(Request request, Error error = Error::None, QString argument = {})
        : m_request(request), m_error(error), m_argument(std::move(argument))
    {
    }

    QString errorText() const;
    QString noDisplayText() const;

    Request m_request;
    Error m_error;
    QString m_argument;
    DisplayProblem m_displayProblem = DisplayProblem::NoneSet;
    QString m_variable;
};

} // namespace wingmap

#endif
