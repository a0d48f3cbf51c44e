#include "app/display_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <string_view>

namespace wingmap {

namespace {

struct Asked
{
    QStringList platforms;  // in the order Qt tries them
    bool explicitly = true; // by -platform or QT_QPA_PLATFORM, not Qt's own choice
    bool display = false;   // -display on the command line
    QStringList pluginPaths;
};

// Qt takes the last -platform (or --platform) of the command line, else
// QT_QPA_PLATFORM; a list is tried in order, and each name may carry
// options after a colon ("offscreen:configfile=...").
Asked askedFor(int argc, char *argv[])
{
    Asked asked;
    QString platform;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform")
            platform = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "-display" || arg == "--display")
            asked.display = true;
        else if (arg == "-platformpluginpath" || arg == "--platformpluginpath")
            asked.pluginPaths << QString::fromLocal8Bit(argv[++i]);
    }
    if (platform.isEmpty())
        platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.isEmpty()) {
        asked.explicitly = false;
        const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                             qEnvironmentVariable("XDG_SESSION_TYPE") == "wayland";
        platform = wayland ? "wayland;xcb" : "xcb";
    }
    for (const QString &entry : platform.split(';', Qt::SkipEmptyParts))
        asked.platforms << entry.section(':', 0, 0).trimmed();
    return asked;
}

// A Wayland platform plugin in one of the folders Qt looks in.
bool hasWaylandPlugin(const QStringList &extraPaths)
{
    QStringList folders = extraPaths;
    folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    for (const QString &path : QCoreApplication::libraryPaths())
        folders << path + "/platforms";
    for (const QString &folder : folders) {
        if (!folder.isEmpty() && !QDir(folder).entryList({"libqwayland*"}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

} // namespace

std::optional<CommandLine> missingDisplay(int argc, char *argv[])
{
    const Asked asked = askedFor(argc, argv);
    const bool display = asked.display || !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    std::optional<bool> waylandPlugin; // looked for only when it matters
    if (asked.platforms.isEmpty())
        return std::nullopt; // Qt's own choice, then

    QString firstPlatform;
    QString firstNeed; // the variable the first platform lacks, or none for its plugin
    for (const QString &platform : asked.platforms) {
        QString need;
        if (platform == "xcb") {
            if (display)
                return std::nullopt;
            need = "DISPLAY";
        } else if (platform.startsWith("wayland")) {
            if (wayland) {
                if (!waylandPlugin)
                    waylandPlugin = hasWaylandPlugin(asked.pluginPaths);
                if (*waylandPlugin)
                    return std::nullopt;
            } else {
                need = "WAYLAND_DISPLAY";
            }
        } else {
            return std::nullopt;
        }
        if (firstPlatform.isEmpty()) {
            firstPlatform = platform;
            firstNeed = need;
        }
    }

    // Qt's own choice fails for want of both variables, or with only
    // WAYLAND_DISPLAY set for want of the plugin.
    using Problem = CommandLine::DisplayProblem;
    if (asked.explicitly)
        return CommandLine::noDisplay(Problem::PlatformNeeds, firstPlatform, firstNeed);
    return CommandLine::noDisplay(wayland ? Problem::NoWaylandPlugin : Problem::NoneSet);
}

} // namespace wingmap
