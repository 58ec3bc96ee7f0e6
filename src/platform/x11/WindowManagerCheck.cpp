#include "platform/x11/WindowManagerCheck.h"

#include <cstdlib>
#include <memory>
#include <string_view>
#include <xcb/xcb.h>

namespace quillmere {
namespace {

struct Free {
    void operator()(void* reply) const { std::free(reply); }
};
template <class T> using Reply = std::unique_ptr<T, Free>;

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                                         xcb_atom_t type) {
    return Reply<xcb_get_property_reply_t>(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr));
}

std::optional<xcb_window_t> windowValue(const xcb_get_property_reply_t* reply) {
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply) < 4)
        return std::nullopt;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
}

} // namespace

WindowManagerCheck probeWindowManager(const char* display) {
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(display, &screenNumber), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return {};
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return {.reached = true};
    xcb_connection_t* c = connection.get();
    const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
    // EWMH: the root names a child window that names itself, so that a window manager that died leaves no
    // stale claim behind.
    const auto child = windowValue(property(c, screens.data->root, check, XCB_ATOM_WINDOW).get());
    if (!child || windowValue(property(c, *child, check, XCB_ATOM_WINDOW).get()) != child)
        return {.reached = true};
    const auto name = property(c, *child, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"));
    std::string text;
    if (name && name->format == 8)
        text.assign(static_cast<const char*>(xcb_get_property_value(name.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(name.get())));
    return {.reached = true, .windowManager = text};
}

} // namespace quillmere
