#ifndef WINGMAP_COMMAND_LINE_H
#define WINGMAP_COMMAND_LINE_H

#include <QCoreApplication>
#include <QString>

#include <utility>

namespace wingmap {

// The program's command line: --help and --version, which need no display,
// and Qt's own standard options, which are left for QApplication. Anything
// else is a usage error (exit status 2).
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Request { Run, Help, Version, Error };

    // Reads argv from left to right; the first help, version or wrong
    // argument decides.
    static CommandLine read(int argc, char *argv[]);

    // An error for an argument that QApplication left in argv.
    static CommandLine unexpected(const char *argument);

    Request request() const { return m_request; }

    // Prints the help, the version, or the error and the usage, in the
    // language of the installed translation; returns the exit status.
    int answer() const;

private:
    enum class Error { None, UnknownOption, UnexpectedArgument, MissingValue };

    CommandLine(Request request, Error error = Error::None, QString argument = {})
        : m_request(request), m_error(error), m_argument(std::move(argument))
    {
    }

    QString errorText() const;

    Request m_request;
    Error m_error;
    QString m_argument;
};

} // namespace wingmap

#endif
