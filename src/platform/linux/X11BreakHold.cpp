// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/X11BreakHold.h"

#include "platform/linux/Xcb.h"

#include <QGuiApplication>
#include <array>
#include <cstdlib>
#include <xcb/xcb.h>

namespace qv {

namespace {

constexpr uint32_t everyDesktop = 0xffffffff;
constexpr uint32_t addState = 1;
// Source indication 2: a pager acting for the user, which window managers do not second-guess.
constexpr uint32_t fromPager = 2;

} // namespace

struct X11BreakHold::Connection {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t desktop = XCB_ATOM_NONE;
    xcb_atom_t state = XCB_ATOM_NONE;
    xcb_atom_t sticky = XCB_ATOM_NONE;

    void tellWindowManager(xcb_window_t window, xcb_atom_t type,
                           const std::array<uint32_t, 4>& data) const {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = type;
        for (std::size_t i = 0; i < data.size(); ++i) {
            event.data.data32[i] = data[i];
        }
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&event));
    }
};

std::unique_ptr<X11BreakHold> X11BreakHold::create(TimeSource& time) {
    const XcbRoot display = qtXcbRoot();
    if (display.connection == nullptr) {
        return nullptr;
    }
    auto x = std::make_unique<Connection>();
    x->connection = display.connection;
    x->root = display.root;
    x->desktop = internAtom(x->connection, "_NET_WM_DESKTOP");
    x->state = internAtom(x->connection, "_NET_WM_STATE");
    x->sticky = internAtom(x->connection, "_NET_WM_STATE_STICKY");
    return std::unique_ptr<X11BreakHold>(new X11BreakHold(time, std::move(x)));
}

X11BreakHold::X11BreakHold(TimeSource& time, std::unique_ptr<Connection> connection)
    : time_(time)
    , x_(std::move(connection)) {
    qGuiApp->installNativeEventFilter(this);
}

X11BreakHold::~X11BreakHold() {
    end();
    if (qGuiApp != nullptr) {
        qGuiApp->removeNativeEventFilter(this);
    }
}

BreakHoldStatus X11BreakHold::status() const {
    return {BreakHoldGuarantee::held, BreakHoldRemedy::none};
}

void X11BreakHold::begin(const std::vector<QObject*>& windows) {
    windows_.clear();
    for (QObject* object : windows) {
        if (auto* window = qobject_cast<QWindow*>(object); window && window->handle()) {
            putOnEveryDesktop(*window);
            windows_.emplace_back(window);
        }
    }
    xcb_flush(x_->connection);
    keepKeyboard();
}

void X11BreakHold::end() {
    nextGrab_.cancel();
    windows_.clear();
    // Harmless when this application holds no grab; it cannot end another's.
    xcb_ungrab_keyboard(x_->connection, XCB_CURRENT_TIME);
    xcb_flush(x_->connection);
}

void X11BreakHold::putOnEveryDesktop(QWindow& window) {
    const auto id = static_cast<xcb_window_t>(window.winId());
    // The property is read when the window manager takes the window on; the messages reach
    // it once it has. Which comes first is a race with the window's mapping.
    xcb_change_property(x_->connection, XCB_PROP_MODE_REPLACE, id, x_->desktop, XCB_ATOM_CARDINAL,
                        32, 1, &everyDesktop);
    x_->tellWindowManager(id, x_->desktop, {everyDesktop, fromPager, 0, 0});
    x_->tellWindowManager(id, x_->state, {addState, x_->sticky, 0, fromPager});
}

void X11BreakHold::keepKeyboard() {
    nextGrab_.cancel();
    for (const QPointer<QWindow>& window : windows_) {
        if (window && window->handle() && grabKeyboard(*window)) {
            return;
        }
    }
    if (!windows_.empty()) {
        nextGrab_ = time_.after(retrySeconds, [this] { keepKeyboard(); });
    }
}

bool X11BreakHold::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t" || windows_.empty()) {
        return false;
    }
    // A grab that ends is announced by focus events of the Ungrab mode; a window unmapped
    // (by the window manager, on a desktop switch) takes its grab along.
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const auto kind = event->response_type & 0x7f;
    const bool ended =
        ((kind == XCB_FOCUS_IN || kind == XCB_FOCUS_OUT) &&
         static_cast<const xcb_focus_in_event_t*>(message)->mode == XCB_NOTIFY_MODE_UNGRAB) ||
        kind == XCB_UNMAP_NOTIFY;
    if (ended && !nextGrab_.isActive()) {
        nextGrab_ = time_.after(0, [this] { keepKeyboard(); });
    }
    return false;
}

bool X11BreakHold::grabKeyboard(QWindow& window) {
    const auto cookie =
        xcb_grab_keyboard(x_->connection, 0, static_cast<xcb_window_t>(window.winId()),
                          XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(x_->connection, cookie, nullptr);
    const bool granted = reply != nullptr && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return granted;
}

} // namespace qv
