#ifndef WINGMAP_CLIPBOARD_HANDOVER_H
#define WINGMAP_CLIPBOARD_HANDOVER_H

#include <chrono>

namespace wingmap {

// Hands what the program holds on the X clipboard (a copied picture) to the
// desktop's clipboard manager as the program ends, so that it can still be
// pasted afterwards, and waits for the manager at most `wait`. Then gives up
// whatever the program still holds: left to itself, Qt would hand the
// clipboard over again as it closes and wait for the manager up to five
// seconds, one request at a time. Call it once the event loop has ended and
// before the application is destroyed. Does nothing off X11, without a
// clipboard manager, or when the program holds nothing.
void handClipboardToManager(std::chrono::milliseconds wait);

} // namespace wingmap

#endif
