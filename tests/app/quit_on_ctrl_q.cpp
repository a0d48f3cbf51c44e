// Starts the real program on an X display (run under xvfb-run), copies the
// picture through the panes' menu (or selects the text of a field), opens
// the Flow window, presses Ctrl+Q and checks that the program has ended
// within 0.2 s: without a clipboard manager, with one that saves the picture
// at once, with one that takes 90 ms a format and with one that never
// answers. The keys and clicks are sent to the window as X events. Where the
// manager saves the picture, the PNG it holds must show the start drawing.
// Usage: quit_on_ctrl_q PROGRAM
#include "tests/support/pixel_checks.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr qint64 kQuitLimitMs = 200;
constexpr xcb_keysym_t kKeyC = 0x63;
constexpr xcb_keysym_t kKeyL = 0x6c;
constexpr xcb_keysym_t kKeyQ = 0x71;
constexpr xcb_keysym_t kKeyHome = 0xff50;
constexpr xcb_keysym_t kKeyEnd = 0xff57;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t *x, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

QByteArray atomName(xcb_connection_t *x, xcb_atom_t atom)
{
    const Reply<xcb_get_atom_name_reply_t> reply(
        xcb_get_atom_name_reply(x, xcb_get_atom_name(x, atom), nullptr), &std::free);
    return reply ? QByteArray(xcb_get_atom_name_name(reply.get()),
                              xcb_get_atom_name_name_length(reply.get()))
                 : QByteArray();
}

xcb_window_t selectionOwner(xcb_connection_t *x, xcb_atom_t selection)
{
    const Reply<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(x, xcb_get_selection_owner(x, selection), nullptr),
        &std::free);
    return reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
}

xcb_window_t rootWindow(xcb_connection_t *x)
{
    return xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
}

// A clipboard manager as a desktop runs one (the freedesktop.org clipboard
// manager protocol): it owns CLIPBOARD_MANAGER and, asked to save the
// clipboard (SAVE_TARGETS), fetches every target the owner offers one at a
// time, takes the clipboard over and answers. On its own connection and
// thread, so that it works while the test waits for the program.
class ClipboardManager
{
public:
    enum class Kind { Prompt, Slow, Silent };

    explicit ClipboardManager(Kind kind) : m_kind(kind), m_x(xcb_connect(nullptr, nullptr))
    {
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        m_window = xcb_generate_id(m_x);
        xcb_create_window(m_x, XCB_COPY_FROM_PARENT, m_window, rootWindow(m_x), 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &events);
        m_manager = internAtom(m_x, "CLIPBOARD_MANAGER");
        m_saveTargets = internAtom(m_x, "SAVE_TARGETS");
        m_clipboard = internAtom(m_x, "CLIPBOARD");
        m_targets = internAtom(m_x, "TARGETS");
        m_property = internAtom(m_x, "TEST_MANAGER_DATA");
        for (const char *sideEffect : {"TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS"})
            m_skipped.push_back(internAtom(m_x, sideEffect));
        xcb_set_selection_owner(m_x, m_window, m_manager, XCB_CURRENT_TIME);
        m_owns = selectionOwner(m_x, m_manager) == m_window;
        m_thread = std::thread([this] { run(); });
    }

    ~ClipboardManager()
    {
        stop();
        xcb_disconnect(m_x);
    }

    bool owns() const { return m_owns; }

    // What the manager saved, by target; complete once the manager answered.
    QMap<QByteArray, QByteArray> saved()
    {
        stop();
        return m_saved;
    }

private:
    void stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }

    void run()
    {
        while (!m_stop) {
            xcb_generic_event_t *event = xcb_poll_for_event(m_x);
            if (!event) {
                pollfd socket{xcb_get_file_descriptor(m_x), POLLIN, 0};
                ::poll(&socket, 1, 10);
                continue;
            }
            const int type = event->response_type & 0x7f;
            if (type == XCB_SELECTION_REQUEST)
                request(*reinterpret_cast<xcb_selection_request_event_t *>(event));
            else if (type == XCB_SELECTION_NOTIFY)
                converted(*reinterpret_cast<xcb_selection_notify_event_t *>(event));
            std::free(event);
        }
    }

    void request(const xcb_selection_request_event_t &request)
    {
        if (request.selection == m_manager && request.target == m_saveTargets) {
            if (m_kind == Kind::Silent)
                return;
            m_asker = request;
            convert(m_targets);
            return;
        }
        notify(request, XCB_ATOM_NONE); // nothing else is offered
    }

    void converted(const xcb_selection_notify_event_t &notice)
    {
        const Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(m_x,
                                   xcb_get_property(m_x, 1, m_window, m_property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 26),
                                   nullptr),
            &std::free);
        const char *bytes =
            reply ? static_cast<const char *>(xcb_get_property_value(reply.get())) : nullptr;
        const int length = reply ? xcb_get_property_value_length(reply.get()) : 0;
        if (notice.target == m_targets) {
            const auto *offered = reinterpret_cast<const xcb_atom_t *>(bytes);
            for (int i = 0; i < length / 4; ++i)
                if (std::find(m_skipped.begin(), m_skipped.end(), offered[i]) == m_skipped.end())
                    m_toFetch.push_back(offered[i]);
        } else if (notice.property != XCB_ATOM_NONE) {
            m_saved.insert(atomName(m_x, notice.target), QByteArray(bytes, length));
        }
        if (!m_toFetch.empty()) {
            const xcb_atom_t next = m_toFetch.back();
            m_toFetch.pop_back();
            if (m_kind == Kind::Slow)
                std::this_thread::sleep_for(90ms);
            convert(next);
            return;
        }
        xcb_set_selection_owner(m_x, m_window, m_clipboard, XCB_CURRENT_TIME);
        notify(m_asker, m_asker.property);
    }

    void convert(xcb_atom_t target)
    {
        xcb_convert_selection(m_x, m_window, m_clipboard, target, m_property, m_asker.time);
        xcb_flush(m_x);
    }

    void notify(const xcb_selection_request_event_t &request, xcb_atom_t property)
    {
        xcb_selection_notify_event_t notice{};
        notice.response_type = XCB_SELECTION_NOTIFY;
        notice.requestor = request.requestor;
        notice.selection = request.selection;
        notice.target = request.target;
        notice.property = property;
        notice.time = request.time;
        xcb_send_event(m_x, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&notice));
        xcb_flush(m_x);
    }

    Kind m_kind;
    xcb_connection_t *m_x;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    xcb_atom_t m_manager, m_saveTargets, m_clipboard, m_targets, m_property;
    std::vector<xcb_atom_t> m_skipped;
    std::vector<xcb_atom_t> m_toFetch;
    xcb_selection_request_event_t m_asker{};
    QMap<QByteArray, QByteArray> m_saved;
    bool m_owns = false;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};

// Keys and clicks sent to a window as X events, on the test's own connection.
class Driver
{
public:
    Driver() : m_x(xcb_connect(nullptr, nullptr)), m_root(rootWindow(m_x)) {}
    ~Driver() { xcb_disconnect(m_x); }

    xcb_connection_t *connection() const { return m_x; }

    // The top-level window that shows the screen point (x, y).
    xcb_window_t windowAt(int x, int y) const
    {
        const Reply<xcb_translate_coordinates_reply_t> reply(
            xcb_translate_coordinates_reply(
                m_x, xcb_translate_coordinates(m_x, m_root, m_root, x, y), nullptr),
            &std::free);
        return reply ? reply->child : xcb_window_t{XCB_WINDOW_NONE};
    }

    int mappedWindows() const
    {
        const Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(m_x, xcb_query_tree(m_x, m_root), nullptr), &std::free);
        int mapped = 0;
        for (int i = 0; tree && i < xcb_query_tree_children_length(tree.get()); ++i) {
            const Reply<xcb_get_window_attributes_reply_t> attributes(
                xcb_get_window_attributes_reply(
                    m_x, xcb_get_window_attributes(m_x, xcb_query_tree_children(tree.get())[i]),
                    nullptr),
                &std::free);
            mapped += attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        }
        return mapped;
    }

    void focus(xcb_window_t window)
    {
        xcb_set_input_focus(m_x, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        xcb_flush(m_x);
    }

    void key(xcb_window_t window, xcb_keysym_t symbol, uint16_t modifiers = 0)
    {
        for (const uint8_t type : {XCB_KEY_PRESS, XCB_KEY_RELEASE}) {
            xcb_key_press_event_t event = inputEvent<xcb_key_press_event_t>(window, type);
            event.detail = keycode(symbol);
            event.state = modifiers;
            send(window, event);
        }
    }

    // Button 3 at a point of the window, which opens a pane's menu.
    void rightClick(xcb_window_t window, int x, int y)
    {
        for (const uint8_t type : {XCB_BUTTON_PRESS, XCB_BUTTON_RELEASE}) {
            auto event = inputEvent<xcb_button_press_event_t>(window, type);
            event.detail = 3;
            event.event_x = event.root_x = int16_t(x);
            event.event_y = event.root_y = int16_t(y);
            event.state = type == XCB_BUTTON_RELEASE ? XCB_BUTTON_MASK_3 : 0;
            send(window, event);
        }
    }

private:
    template <typename Event> Event inputEvent(xcb_window_t window, uint8_t type) const
    {
        Event event{};
        event.response_type = type;
        event.time = XCB_CURRENT_TIME;
        event.root = m_root;
        event.event = window;
        event.same_screen = 1;
        return event;
    }

    template <typename Event> void send(xcb_window_t window, const Event &event)
    {
        xcb_send_event(m_x, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&event));
        xcb_flush(m_x);
    }

    xcb_keycode_t keycode(xcb_keysym_t symbol) const
    {
        const xcb_setup_t *setup = xcb_get_setup(m_x);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        const Reply<xcb_get_keyboard_mapping_reply_t> map(
            xcb_get_keyboard_mapping_reply(
                m_x, xcb_get_keyboard_mapping(m_x, setup->min_keycode, count), nullptr),
            &std::free);
        const xcb_keysym_t *symbols = xcb_get_keyboard_mapping_keysyms(map.get());
        for (int i = 0; i < count; ++i)
            if (symbols[i * map->keysyms_per_keycode] == symbol)
                return xcb_keycode_t(setup->min_keycode + i);
        return 0;
    }

    xcb_connection_t *m_x;
    xcb_window_t m_root;
};

// The top-left corner of the circle pane's inner area: the first
// light-yellow pixel in reading order, or none.
std::optional<QPoint> circlePaneCorner(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixels::isBackground(image.pixel(x, y)))
                return QPoint(x, y);
    return std::nullopt;
}

bool showsStartCircle(const QImage &image)
{
    const std::optional<QPoint> corner = circlePaneCorner(image);
    return corner && pixels::showsStartCircle(image, corner->x(), corner->y());
}

QImage screen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

template <typename Condition> bool waitFor(Condition done, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QTest::qWait(20);
    }
    return true;
}

struct Case
{
    const char *name;
    std::optional<ClipboardManager::Kind> manager;
    bool openFlow;
    // Else the program holds the picture on the clipboard.
    bool selectText = false;
};

// Runs one case; prints what it saw and returns whether it passed.
bool quitsPromptly(const QString &program, const Case &row)
{
    std::optional<ClipboardManager> manager;
    if (row.manager) {
        manager.emplace(*row.manager);
        if (!manager->owns()) {
            std::printf("FAIL %s: the test's clipboard manager could not start\n", row.name);
            return false;
        }
    }
    Driver driver;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(environment);
    process.start(program, {});
    QImage shown;
    if (!process.waitForStarted(5000) ||
        !waitFor([&] { return showsStartCircle(shown = screen()); }, 15000)) {
        std::printf("FAIL %s: the start drawing did not appear\n", row.name);
        return false;
    }
    const QPoint inPane = *circlePaneCorner(shown) + QPoint(40, 40);
    const xcb_window_t window = driver.windowAt(inPane.x(), inPane.y());
    driver.focus(window);
    QTest::qWait(200);

    xcb_atom_t held = XCB_ATOM_PRIMARY;
    if (row.selectText) {
        // The field that has the focus as the window opens.
        driver.key(window, kKeyHome);
        driver.key(window, kKeyEnd, XCB_MOD_MASK_SHIFT);
    } else {
        // Copy picture, the first entry of the pane's menu.
        driver.rightClick(window, inPane.x(), inPane.y());
        QTest::qWait(300);
        driver.key(window, kKeyC);
        held = internAtom(driver.connection(), "CLIPBOARD");
    }
    if (!waitFor([&] { return selectionOwner(driver.connection(), held) != XCB_WINDOW_NONE; },
                 3000)) {
        std::printf("FAIL %s: the program holds nothing to paste\n", row.name);
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (row.openFlow) {
        const int before = driver.mappedWindows();
        driver.key(window, kKeyL, XCB_MOD_MASK_CONTROL);
        if (!waitFor([&] { return driver.mappedWindows() > before; }, 5000)) {
            std::printf("FAIL %s: the Flow window did not open\n", row.name);
            process.kill();
            process.waitForFinished();
            return false;
        }
        QTest::qWait(500);
        driver.focus(window);
    }
    QTest::qWait(300);

    QElapsedTimer clock;
    clock.start();
    driver.key(window, kKeyQ, XCB_MOD_MASK_CONTROL);
    const bool ended = process.waitForFinished(8000);
    const qint64 took = clock.elapsed();
    if (!ended) {
        process.kill();
        process.waitForFinished();
    }
    bool passed = ended && took <= kQuitLimitMs;
    std::printf("%s %s: the program ended %lld ms after Ctrl+Q (at most %lld)\n",
                passed ? "PASS" : "FAIL", row.name, static_cast<long long>(took),
                static_cast<long long>(kQuitLimitMs));
    if (row.manager == ClipboardManager::Kind::Prompt) {
        const QImage saved = QImage::fromData(manager->saved().value("image/png"), "PNG");
        const bool kept = showsStartCircle(saved.convertToFormat(QImage::Format_RGB32));
        std::printf("%s %s: the manager holds the copied picture as PNG\n", kept ? "PASS" : "FAIL",
                    row.name);
        passed = passed && kept;
    }
    return passed;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (app.arguments().size() < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM\n", argv[0]);
        return 2;
    }
    const QString program = app.arguments()[1];
    using Kind = ClipboardManager::Kind;
    const Case cases[] = {
        {"no clipboard manager, Flow window open", std::nullopt, true},
        {"manager saving at once", Kind::Prompt, false},
        {"manager taking 90 ms a format, Flow window open", Kind::Slow, true},
        {"manager never answering", Kind::Silent, false},
        {"text selected in a field, manager never answering", Kind::Silent, false, true},
    };
    bool passed = true;
    for (const Case &row : cases)
        passed = quitsPromptly(program, row) && passed;
    return passed ? 0 : 1;
}
