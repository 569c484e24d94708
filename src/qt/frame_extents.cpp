// SPDX-License-Identifier: MIT
#include "qt/frame_extents.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef ZINDLE_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>
#endif

namespace zindle::qt {

#ifdef ZINDLE_HAVE_XCB

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Up to `count` 32-bit values of a property; empty if it is not set.
std::vector<std::uint32_t> property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name,
                                    xcb_atom_t type, std::uint32_t count)
{
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, name, type, 0, count), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// The toolkit's connection to the X server, or nullptr off X11.
xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* c) { return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root; }

bool supports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t hint)
{
    const auto supported = property(c, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024);
    return std::find(supported.begin(), supported.end(), hint) != supported.end();
}

}  // namespace

// The window manager sets _NET_FRAME_EXTENTS on the unmapped window in
// answer to _NET_REQUEST_FRAME_EXTENTS, before it maps the window; a
// manager that offers the request but does not answer costs 50 ms.
QMargins frameExtentsBeforeShowing(QWidget& window)
{
    xcb_connection_t* c = x11Connection();
    if (c == nullptr)   // not X11, or a platform without a connection
        return {};
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = rootWindow(c);
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || !supports(c, root, request))
        return {};

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);

    const xcb_atom_t extents = atom(c, "_NET_FRAME_EXTENTS");
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(50);
    do {
        const auto v = property(c, id, extents, XCB_ATOM_CARDINAL, 4);
        if (v.size() == 4)   // left, right, top, bottom
            return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                            static_cast<int>(v[3]));
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    } while (std::chrono::steady_clock::now() < end);
    return {};
}

// The first desktop's work area, as the window manager publishes it, or the
// whole root window where none does.
QRect freeAreaInDevicePixels()
{
    xcb_connection_t* c = x11Connection();
    if (c == nullptr)
        return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const auto area = property(c, rootWindow(c), atom(c, "_NET_WORKAREA"), XCB_ATOM_CARDINAL, 4);
    if (area.size() == 4)
        return QRect(static_cast<int>(area[0]), static_cast<int>(area[1]), static_cast<int>(area[2]),
                     static_cast<int>(area[3]));
    return QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
}

#else

QMargins frameExtentsBeforeShowing(QWidget&) { return {}; }
QRect freeAreaInDevicePixels() { return {}; }

#endif

}  // namespace zindle::qt
