// A small X client for the X11 tests: opens windows as it is told, prints their ids, and answers the
// window manager as an ordinary application does (or does not, when asked).
//
//   x11-test-client [--title T] [--class C] [--type normal|dialog|utility|none] [--size WxH] [--min WxH]
//                   [--fixed WxH] [--transient] [--no-close] [--ignore-pings] [--count N]
//
// Each window's id is printed as one line of hexadecimal once it is mapped. The client ends when every
// window was closed through WM_DELETE_WINDOW, or when its standard input closes.

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

struct Options {
    std::string title = "test window";
    std::string className = "QuillmereTest";
    std::string type = "normal";
    std::uint32_t width = 400, height = 300;
    std::uint32_t minWidth = 0, minHeight = 0;
    bool fixed = false;
    bool transient = false;
    bool closable = true;
    bool answerPings = true;
    int count = 1;
};

bool parseSize(const char* text, std::uint32_t& width, std::uint32_t& height) {
    unsigned w = 0, h = 0;
    if (std::sscanf(text, "%ux%u", &w, &h) != 2)
        return false;
    width = w;
    height = h;
    return true;
}

bool parse(int argc, char** argv, Options& options) {
    for (int index = 1; index < argc; ++index) {
        const std::string flag = argv[index];
        const char* value = index + 1 < argc ? argv[index + 1] : nullptr;
        const bool takesValue = flag == "--title" || flag == "--class" || flag == "--type" ||
                                flag == "--size" || flag == "--min" || flag == "--fixed" || flag == "--count";
        if (takesValue && !value)
            return false;
        if (flag == "--title")
            options.title = value;
        else if (flag == "--class")
            options.className = value;
        else if (flag == "--type")
            options.type = value;
        else if (flag == "--size" && !parseSize(value, options.width, options.height))
            return false;
        else if (flag == "--min" && !parseSize(value, options.minWidth, options.minHeight))
            return false;
        else if (flag == "--fixed") {
            if (!parseSize(value, options.width, options.height))
                return false;
            options.minWidth = options.width;
            options.minHeight = options.height;
            options.fixed = true;
        } else if (flag == "--count")
            options.count = std::atoi(value);
        else if (flag == "--transient")
            options.transient = true;
        else if (flag == "--no-close")
            options.closable = false;
        else if (flag == "--ignore-pings")
            options.answerPings = false;
        else if (!takesValue)
            return false;
        if (takesValue)
            ++index;
    }
    return true;
}

xcb_atom_t intern(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

void setProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
                 std::uint8_t format, std::uint32_t length, const void* data) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, name, type, format, length, data);
}

// WM_NORMAL_HINTS as ICCCM lays it out: flags, four obsolete fields, then minimum and maximum sizes.
void setSizeHints(xcb_connection_t* connection, xcb_window_t window, const Options& options) {
    constexpr std::uint32_t programMinSize = 1u << 4, programMaxSize = 1u << 5;
    std::uint32_t hints[18] = {};
    if (options.minWidth || options.minHeight) {
        hints[0] |= programMinSize;
        hints[5] = options.minWidth;
        hints[6] = options.minHeight;
    }
    if (options.fixed) {
        hints[0] |= programMaxSize;
        hints[7] = options.width;
        hints[8] = options.height;
    }
    setProperty(connection, window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "x11-test-client: bad arguments\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "x11-test-client: no X server\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screenNumber > 0; --screenNumber)
        xcb_screen_next(&screens);
    const xcb_screen_t* screen = screens.data;

    const xcb_atom_t protocols = intern(connection, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = intern(connection, "WM_DELETE_WINDOW");
    const xcb_atom_t ping = intern(connection, "_NET_WM_PING");
    const xcb_atom_t netWmName = intern(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = intern(connection, "UTF8_STRING");
    const xcb_atom_t windowType = intern(connection, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t pid = intern(connection, "_NET_WM_PID");
    const std::string typeName = "_NET_WM_WINDOW_TYPE_" + [&] {
        std::string upper = options.type;
        for (char& letter : upper)
            letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
        return upper;
    }();
    const xcb_atom_t type = intern(connection, typeName.c_str());

    std::set<xcb_window_t> open;
    std::set<xcb_window_t> unannounced;
    xcb_window_t first = XCB_NONE;
    for (int index = 0; index < options.count; ++index) {
        const xcb_window_t window = xcb_generate_id(connection);
        const std::uint32_t values[] = {screen->white_pixel, XCB_EVENT_MASK_STRUCTURE_NOTIFY};
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0,
                          static_cast<std::uint16_t>(options.width),
                          static_cast<std::uint16_t>(options.height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          screen->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
        setProperty(connection, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                    static_cast<std::uint32_t>(options.title.size()), options.title.data());
        setProperty(connection, window, netWmName, utf8, 8, static_cast<std::uint32_t>(options.title.size()),
                    options.title.data());
        const std::string classes = options.className + '\0' + options.className + '\0';
        setProperty(connection, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                    static_cast<std::uint32_t>(classes.size()), classes.data());
        std::vector<xcb_atom_t> supported;
        if (options.closable)
            supported.push_back(deleteWindow);
        supported.push_back(ping);
        setProperty(connection, window, protocols, XCB_ATOM_ATOM, 32,
                    static_cast<std::uint32_t>(supported.size()), supported.data());
        if (options.type != "none")
            setProperty(connection, window, windowType, XCB_ATOM_ATOM, 32, 1, &type);
        const std::uint32_t processId = static_cast<std::uint32_t>(getpid());
        setProperty(connection, window, pid, XCB_ATOM_CARDINAL, 32, 1, &processId);
        setSizeHints(connection, window, options);
        if (options.transient && first != XCB_NONE)
            setProperty(connection, window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &first);
        if (first == XCB_NONE)
            first = window;
        xcb_map_window(connection, window);
        open.insert(window);
        unannounced.insert(window);
    }
    xcb_flush(connection);

    pollfd watched[2] = {{xcb_get_file_descriptor(connection), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    while (!open.empty()) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const std::uint8_t kind = event->response_type & 0x7f;
            if (kind == XCB_MAP_NOTIFY) {
                const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (unannounced.erase(mapped->window)) {
                    std::printf("0x%x\n", mapped->window);
                    std::fflush(stdout);
                }
            } else if (kind == XCB_CLIENT_MESSAGE) {
                auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
                if (message->type == protocols && message->data.data32[0] == deleteWindow) {
                    xcb_destroy_window(connection, message->window);
                    open.erase(message->window);
                } else if (message->type == protocols && message->data.data32[0] == ping &&
                           options.answerPings) {
                    message->window = screen->root;
                    xcb_send_event(connection, 0, screen->root,
                                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                                   reinterpret_cast<const char*>(message));
                }
            }
            std::free(event);
        }
        xcb_flush(connection);
        if (xcb_connection_has_error(connection))
            return 1;
        if (::poll(watched, 2, -1) < 0)
            return 1;
        if (watched[1].revents & (POLLIN | POLLHUP)) {
            char buffer[64];
            if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
                break;
        }
    }
    xcb_disconnect(connection);
    return 0;
}
