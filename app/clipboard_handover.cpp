#include "app/clipboard_handover.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace wingmap {
namespace {

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t selectionOwner(xcb_connection_t *connection, xcb_atom_t selection)
{
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> reply(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection),
                                      nullptr),
        &std::free);
    return reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
}

// Ends the wait when the manager answers the save request: a
// SelectionNotify sent to the window that asked. A manager that keeps to the
// protocol has taken the clipboard over by then.
class ManagerAnswer : public QAbstractNativeEventFilter
{
public:
    ManagerAnswer(xcb_window_t asker, QEventLoop *wait) : m_asker(asker), m_wait(wait) {}

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) == XCB_SELECTION_NOTIFY &&
            reinterpret_cast<const xcb_selection_notify_event_t *>(event)->requestor == m_asker)
            m_wait->quit();
        return false;
    }

private:
    xcb_window_t m_asker;
    QEventLoop *m_wait;
};

// Asks the manager to save the clipboard (the SAVE_TARGETS conversion of the
// clipboard manager protocol) and runs the event loop, which answers the
// manager's requests for the picture at once, until the manager answers or
// `wait` has passed.
void askManagerToSave(xcb_connection_t *connection, xcb_atom_t manager,
                      std::chrono::milliseconds wait)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t asker = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, asker, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    // No list of targets on the asking window: the manager saves them all.
    xcb_convert_selection(connection, asker, manager, internAtom(connection, "SAVE_TARGETS"),
                          internAtom(connection, "WINGMAP_SAVED"), XCB_CURRENT_TIME);
    xcb_flush(connection);

    QEventLoop loop;
    ManagerAnswer answer(asker, &loop);
    QCoreApplication::instance()->installNativeEventFilter(&answer);
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::instance()->removeNativeEventFilter(&answer);
    xcb_destroy_window(connection, asker);
}

} // namespace

void handClipboardToManager(std::chrono::milliseconds wait)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!x11 || !(clipboard->ownsClipboard() || clipboard->ownsSelection()))
        return;
    xcb_connection_t *connection = x11->connection();
    const xcb_atom_t manager = internAtom(connection, "CLIPBOARD_MANAGER");
    if (selectionOwner(connection, manager) == XCB_WINDOW_NONE)
        return;
    if (clipboard->ownsClipboard())
        askManagerToSave(connection, manager, wait);
    // What is still the program's is given up, so that Qt does not hand it
    // over again: a manager that saved it but waits for the owner to go
    // takes it over now. The primary selection (text selected in a field)
    // ends with the program, as it always does on X11.
    if (clipboard->ownsClipboard())
        clipboard->clear(QClipboard::Clipboard);
    if (clipboard->ownsSelection())
        clipboard->clear(QClipboard::Selection);
}

} // namespace wingmap
