#ifndef WINGMAP_DISPLAY_CHECK_H
#define WINGMAP_DISPLAY_CHECK_H

#include "app/command_line.h"

#include <optional>

namespace wingmap {

// Whether one of the platforms Qt would try can open a window here, judged
// from the command line and the environment before any application exists:
// a platform asked for by -platform (the last one) or else by
// QT_QPA_PLATFORM, or else Qt's own choice, Wayland where WAYLAND_DISPLAY or
// XDG_SESSION_TYPE says so, then X11. X11 (xcb) needs DISPLAY (or -display),
// Wayland needs WAYLAND_DISPLAY and Qt's Wayland plugin; any other platform
// (offscreen, minimal, eglfs, vnc, ...) is taken at its word. Without one, Qt
// would abort as it starts; the answer then says why, in one sentence.
std::optional<CommandLine> missingDisplay(int argc, char *argv[]);

} // namespace wingmap

#endif
