#include "platform/x11/X11Connection.h"

#include "platform/Log.h"

#include <algorithm>
#include <chrono>

namespace quillmere {

namespace {

// The error codes of the core protocol that mean the named resource no longer exists.
constexpr std::uint8_t badWindow = 3;
constexpr std::uint8_t badDrawable = 9;

const xcb_screen_t* screenNumber(xcb_connection_t* connection, int number) {
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screens.rem; --number, xcb_screen_next(&screens))
        if (number == 0)
            return screens.data;
    return nullptr;
}

} // namespace

std::unique_ptr<X11Connection> X11Connection::open(MainQueue& queue, const char* display) {
    int number = 0;
    xcb_connection_t* connection = xcb_connect(display, &number);
    const xcb_screen_t* screen =
        xcb_connection_has_error(connection) ? nullptr : screenNumber(connection, number);
    if (!screen) {
        xcb_disconnect(connection);
        return nullptr;
    }
    std::unique_ptr<X11Connection> opened(new X11Connection(queue, connection, screen));
    // Asked all at once: one round trip for the whole table.
    std::array<xcb_intern_atom_cookie_t, x11AtomNames.size()> cookies{};
    for (std::size_t index = 0; index < x11AtomNames.size(); ++index)
        cookies[index] =
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(x11AtomNames[index].size()),
                            x11AtomNames[index].data());
    for (std::size_t index = 0; index < x11AtomNames.size(); ++index) {
        const auto answer = opened->reply(xcb_intern_atom_reply, cookies[index]);
        if (!answer)
            return nullptr;
        opened->atoms_[index] = answer.value()->atom;
    }
    return opened;
}

X11Connection::X11Connection(MainQueue& queue, xcb_connection_t* connection, const xcb_screen_t* screen)
    : queue_(queue), connection_(connection), screen_(screen) {
    source_ = queue_.addReadable(xcb_get_file_descriptor(connection_), [this] { dispatchPending(); });
}

X11Connection::~X11Connection() {
    if (source_)
        queue_.removeReadable(*source_);
    if (pendingDrain_)
        queue_.cancel(*pendingDrain_);
    xcb_disconnect(connection_);
}

bool X11Connection::connected() const {
    return xcb_connection_has_error(connection_) == 0;
}

XAtom X11Connection::intern(std::string_view name) {
    if (const auto known = interned_.find(std::string(name)); known != interned_.end())
        return known->second;
    const auto answer =
        reply(xcb_intern_atom_reply,
              xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.data()));
    if (!answer)
        return 0;
    interned_.emplace(name, answer.value()->atom);
    return answer.value()->atom;
}

std::string X11Connection::atomName(XAtom atom) {
    if (atom == 0)
        return {};
    const auto answer = reply(xcb_get_atom_name_reply, xcb_get_atom_name(connection_, atom));
    if (!answer)
        return {};
    const char* name = xcb_get_atom_name_name(answer.value().get());
    return std::string(name, static_cast<std::size_t>(xcb_get_atom_name_name_length(answer.value().get())));
}

X11Result<X11Property> X11Connection::property(XWindow window, XAtom name, std::uint32_t maxItems) {
    return propertyReply(
        xcb_get_property(connection_, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, maxItems));
}

std::vector<X11Result<X11Property>> X11Connection::properties(std::span<const XWindow> windows, XAtom name,
                                                              std::uint32_t maxItems) {
    std::vector<xcb_get_property_cookie_t> cookies;
    cookies.reserve(windows.size());
    for (XWindow window : windows)
        cookies.push_back(
            xcb_get_property(connection_, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, maxItems));
    std::vector<X11Result<X11Property>> answers;
    answers.reserve(windows.size());
    for (const auto cookie : cookies)
        answers.push_back(propertyReply(cookie));
    return answers;
}

X11Result<X11Property> X11Connection::propertyReply(xcb_get_property_cookie_t cookie) {
    const auto answer = reply(xcb_get_property_reply, cookie);
    if (!answer)
        return answer.error();
    xcb_get_property_reply_t* got = answer.value().get();
    X11Property read{got->type, got->format, {}};
    const auto* bytes = static_cast<const std::uint8_t*>(xcb_get_property_value(got));
    read.bytes.assign(bytes, bytes + xcb_get_property_value_length(got));
    return read;
}

X11Error X11Connection::replyError(xcb_generic_error_t* error) {
    if (!error)
        return X11Error::disconnected;
    const bool gone = error->error_code == badWindow || error->error_code == badDrawable;
    std::free(error);
    return gone ? X11Error::gone : X11Error::failed;
}

void X11Connection::sendToWindowManager(XWindow window, XAtom type, std::array<std::uint32_t, 5> data) {
    send(root(), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY, window, type,
         data);
}

void X11Connection::sendToClient(XWindow window, XAtom type, std::array<std::uint32_t, 5> data) {
    send(window, XCB_EVENT_MASK_NO_EVENT, window, type, data);
}

void X11Connection::send(XWindow destination, std::uint32_t mask, XWindow window, XAtom type,
                         std::array<std::uint32_t, 5> data) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    std::ranges::copy(data, message.data.data32);
    // The event is always 32 bytes on the wire, whatever the structure's size.
    xcb_send_event(connection_, 0, destination, mask, reinterpret_cast<const char*>(&message));
    flush();
}

void X11Connection::flush() {
    xcb_flush(connection_);
    afterReply();
    checkConnection();
}

void X11Connection::sync() {
    (void)reply(xcb_get_input_focus_reply, xcb_get_input_focus(connection_));
}

void X11Connection::selectInput(XWindow window, std::uint32_t mask) {
    std::uint32_t& selected = inputMasks_[window];
    if ((selected | mask) == selected)
        return;
    selected |= mask;
    xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &selected);
    flush();
}

void X11Connection::forgetInput(XWindow window) {
    inputMasks_.erase(window);
}

X11Connection::ListenerId X11Connection::listen(Listener listener) {
    const ListenerId id = nextListener_++;
    listeners_.emplace(id, std::make_shared<Listener>(std::move(listener)));
    return id;
}

void X11Connection::stopListening(ListenerId id) {
    listeners_.erase(id);
}

void X11Connection::onDisconnect(std::function<void()> handler) {
    disconnectHandler_ = std::move(handler);
    checkConnection();
}

// A reply (or a flush, which reads while it writes) may have brought events along, which then wait in
// xcb's queue while the descriptor reads as empty: they are taken out and dispatched on the main queue.
void X11Connection::afterReply() {
    while (xcb_generic_event_t* event = xcb_poll_for_queued_event(connection_))
        queued_.emplace_back(event);
    if (queued_.empty() || pendingDrain_)
        return;
    pendingDrain_ = queue_.after(MainQueue::Duration::zero(), [this] {
        pendingDrain_.reset();
        dispatchPending();
    });
}

void X11Connection::dispatchPending() {
    while (!queued_.empty()) {
        const Event event = std::move(queued_.front());
        queued_.pop_front();
        dispatch(*event);
    }
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
        dispatch(*Event(event));
    checkConnection();
}

void X11Connection::dispatch(const xcb_generic_event_t& event) {
    // Errors of requests nobody waited for (a window that closed before a write reached it) cost nothing.
    if (event.response_type == 0)
        return;
    // A listener may stop listening, itself or another, while the event goes round.
    std::vector<std::pair<ListenerId, std::shared_ptr<Listener>>> current(listeners_.begin(),
                                                                          listeners_.end());
    for (const auto& [id, listener] : current)
        if (listeners_.contains(id))
            (*listener)(event);
}

void X11Connection::checkConnection() {
    if (connected())
        return;
    if (source_) {
        // A lost connection's descriptor stays readable for ever.
        queue_.removeReadable(*source_);
        source_.reset();
        log(LogLevel::error, "The connection to the X server is lost");
    }
    if (disconnectTold_ || !disconnectHandler_)
        return;
    disconnectTold_ = true;
    queue_.after(MainQueue::Duration::zero(), disconnectHandler_);
}

} // namespace quillmere
