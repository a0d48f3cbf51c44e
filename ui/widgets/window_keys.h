#ifndef WINGMAP_WINDOW_KEYS_H
#define WINGMAP_WINDOW_KEYS_H

class QWidget;

namespace wingmap {

// The keys every window of the program answers while it is the active one:
// Ctrl+W closes the window, Ctrl+Q closes every window, which ends the
// program.
void addCloseKeys(QWidget *window);

} // namespace wingmap

#endif
