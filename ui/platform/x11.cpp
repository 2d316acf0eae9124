// The Unix desktops: X11, whose window manager says before a window is shown what frame it will
// put around it, and Wayland, which cannot say.
#include "ui/platform/platform.h"

#include <xcb/xcb.h>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace ui::platform {
namespace {

// Asks the window manager, through the freedesktop window-manager hints, for the
// frame of a window that is not mapped yet; it answers by setting _NET_FRAME_EXTENTS.
class FrameExtentsRequest {
public:
    explicit FrameExtentsRequest(xcb_connection_t* connection) : m_connection(connection) {}

    std::optional<QMargins> ask(xcb_window_t window) {
        const xcb_window_t root = rootOf(window);
        const xcb_atom_t request = atom("_NET_REQUEST_FRAME_EXTENTS");
        const xcb_atom_t extents = atom("_NET_FRAME_EXTENTS");
        if (root == XCB_NONE || request == XCB_NONE || extents == XCB_NONE ||
            !managerSupports(root, request)) {
            return std::nullopt;
        }
        send(root, window, request);
        // A window manager answers within a few milliseconds; one that does not is not waited
        // for longer than a user would notice.
        QDeadlineTimer deadline(250);
        do {
            if (auto margins = read(window, extents)) {
                return margins;
            }
            QThread::msleep(1);
        } while (!deadline.hasExpired());
        return std::nullopt;
    }

private:
    template <class T>
    using Reply = std::unique_ptr<T, decltype(&std::free)>;

    xcb_atom_t atom(const char* name) const {
        const auto cookie =
            xcb_intern_atom(m_connection, 1, static_cast<uint16_t>(std::strlen(name)), name);
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(m_connection, cookie, nullptr), &std::free);
        return reply ? reply->atom : XCB_NONE;
    }

    xcb_window_t rootOf(xcb_window_t window) const {
        const Reply<xcb_get_geometry_reply_t> reply(
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr),
            &std::free);
        return reply ? reply->root : XCB_NONE;
    }

    Reply<xcb_get_property_reply_t> property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
                                             uint32_t length) const {
        const auto cookie = xcb_get_property(m_connection, 0, window, name, type, 0, length);
        return {xcb_get_property_reply(m_connection, cookie, nullptr), &std::free};
    }

    bool managerSupports(xcb_window_t root, xcb_atom_t feature) const {
        const auto reply = property(root, atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
        if (!reply || reply->format != 32) {
            return false;
        }
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        return std::find(atoms, atoms + reply->value_len, feature) != atoms + reply->value_len;
    }

    void send(xcb_window_t root, xcb_window_t window, xcb_atom_t request) const {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = request;
        xcb_send_event(m_connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(m_connection);
    }

    std::optional<QMargins> read(xcb_window_t window, xcb_atom_t extents) const {
        const auto reply = property(window, extents, XCB_ATOM_CARDINAL, 4);
        if (!reply || reply->format != 32 || reply->value_len != 4) {
            return std::nullopt;
        }
        // Left, right, top, bottom.
        const auto* e = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
        return QMargins(static_cast<int>(e[0]), static_cast<int>(e[2]), static_cast<int>(e[1]),
                        static_cast<int>(e[3]));
    }

    xcb_connection_t* m_connection;
};

}  // namespace

bool hasDisplay() {
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

void prepare() {}

void start(QApplication& /*application*/) {}

std::optional<QFont> defaultFace() { return std::nullopt; }

std::optional<QMargins> windowManagerFrame(QWidget& window) {
    // The offscreen platform answers as an X11 application too, with no connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        x11->connection() == nullptr) {
        return std::nullopt;
    }
    const auto margins =
        FrameExtentsRequest(x11->connection()).ask(static_cast<xcb_window_t>(window.winId()));
    if (!margins) {
        return std::nullopt;
    }
    // The window manager counts device pixels; the layout counts logical ones.
    const qreal ratio = window.devicePixelRatioF();
    return QMargins(qRound(margins->left() / ratio), qRound(margins->top() / ratio),
                    qRound(margins->right() / ratio), qRound(margins->bottom() / ratio));
}

bool clipboardTakesPictures() { return true; }

void programEnded() {}

}  // namespace ui::platform
