#pragma once

#include "core/Result.h"
#include "platform/MainQueue.h"
#include "platform/x11/X11Atoms.h"
#include "platform/x11/X11Property.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>
#include <xcb/xcb.h>

namespace quillmere {

// An X window id.
using XWindow = std::uint32_t;

// Why a request to the server got no answer.
enum class [[nodiscard]] X11Error{
    // The window (or drawable) the request named no longer exists.
    gone,
    // The server refused the request for another reason.
    failed,
    // The connection to the server is lost.
    disconnected,
};

template <class T> using X11Result = Result<T, X11Error>;

// A reply of xcb, freed with free() as xcb asks.
struct X11ReplyFree {
    void operator()(void* reply) const { std::free(reply); }
};
template <class Reply> using X11Reply = std::unique_ptr<Reply, X11ReplyFree>;

// The one connection of the X11 desktop to the X server, shared by every class that answers an interface.
//
// Nothing the server says ends the program: every error of a request comes back as a value (a window that
// vanished reads as X11Error::gone), errors of requests nobody waits for are dropped, and a lost connection
// is told once to whoever asked. Events are read without blocking whenever the connection's descriptor is
// readable on the main queue (and after a reply, which may have brought events along), and handed to every
// listener there, never inside the call that caused them.
class X11Connection {
  public:
    using Listener = std::function<void(const xcb_generic_event_t& event)>;
    using ListenerId = std::uint64_t;

    // Connects to the named display (DISPLAY when none) and interns the atoms of X11Atom; none when no
    // server answers.
    static std::unique_ptr<X11Connection> open(MainQueue& queue, const char* display = nullptr);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    // For the requests of xcb and its extensions that the connection does not wrap.
    xcb_connection_t* raw() const { return connection_; }
    const xcb_screen_t& screen() const { return *screen_; }
    XWindow root() const { return screen_->root; }
    MainQueue& queue() const { return queue_; }
    bool connected() const;

    XAtom atom(X11Atom name) const { return atoms_[static_cast<std::size_t>(name)]; }
    // Interns any other name once; 0 when the server does not answer.
    XAtom intern(std::string_view name);
    // The name of an atom; empty for 0 or an unknown atom.
    std::string atomName(XAtom atom);

    // The whole property (up to `maxItems` 32-bit units), of any type.
    X11Result<X11Property> property(XWindow window, XAtom name,
                                    std::uint32_t maxItems = defaultPropertyLength);
    // One property of many windows, asked in one round trip; answers in the windows' order.
    std::vector<X11Result<X11Property>> properties(std::span<const XWindow> windows, XAtom name,
                                                   std::uint32_t maxItems = defaultPropertyLength);

    // The reply of a request of xcb, with its error as a value, for example
    // `reply(xcb_get_geometry_reply, xcb_get_geometry(raw(), window))`.
    template <class Reply, class Cookie>
    X11Result<X11Reply<Reply>> reply(Reply* (*function)(xcb_connection_t*, Cookie, xcb_generic_error_t**),
                                     Cookie cookie) {
        xcb_generic_error_t* error = nullptr;
        X11Reply<Reply> answer(function(connection_, cookie, &error));
        afterReply();
        if (answer)
            return answer;
        return replyError(error);
    }

    // A client message as EWMH and ICCCM define them, sent to the root window (for the window manager) or
    // to the window itself; sent at once, nothing waits for an answer.
    void sendToWindowManager(XWindow window, XAtom type, std::array<std::uint32_t, 5> data);
    void sendToClient(XWindow window, XAtom type, std::array<std::uint32_t, 5> data);
    // Sends what the requests made through raw() left in xcb's buffer.
    void flush();
    // Waits until the server has handled every request sent so far; what the window manager does in turn
    // comes later, as events.
    void sync();

    // Adds to the events this client is sent about the window (the masks of all callers are kept together).
    void selectInput(XWindow window, std::uint32_t mask);
    // Forgets the window's mask, once it is gone.
    void forgetInput(XWindow window);

    // Every event, with its raw response type (extension events at their extension's base), goes to every
    // listener in the order they listened.
    ListenerId listen(Listener listener);
    void stopListening(ListenerId id);
    // Called once, on the main queue, when the connection is lost.
    void onDisconnect(std::function<void()> handler);

    // Reads and dispatches every event that has arrived; what the descriptor's handler calls.
    void dispatchPending();

    static constexpr std::uint32_t defaultPropertyLength = 1u << 16;

  private:
    X11Connection(MainQueue& queue, xcb_connection_t* connection, const xcb_screen_t* screen);
    static X11Error replyError(xcb_generic_error_t* error);
    X11Result<X11Property> propertyReply(xcb_get_property_cookie_t cookie);
    void send(XWindow destination, std::uint32_t mask, XWindow window, XAtom type,
              std::array<std::uint32_t, 5> data);
    void afterReply();
    void dispatch(const xcb_generic_event_t& event);
    void checkConnection();

    MainQueue& queue_;
    xcb_connection_t* connection_;
    const xcb_screen_t* screen_;
    std::array<XAtom, static_cast<std::size_t>(X11Atom::count)> atoms_{};
    std::unordered_map<std::string, XAtom> interned_;
    std::unordered_map<XWindow, std::uint32_t> inputMasks_;
    std::map<ListenerId, std::shared_ptr<Listener>> listeners_;
    ListenerId nextListener_ = 1;
    std::function<void()> disconnectHandler_;
    bool disconnectTold_ = false;
    using Event = std::unique_ptr<xcb_generic_event_t, X11ReplyFree>;
    std::deque<Event> queued_;
    std::optional<SourceToken> source_;
    std::optional<TaskToken> pendingDrain_;
};

} // namespace quillmere
