#include "platform/x11/X11Windows.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>

namespace quillmere {

namespace {

// An element's id says what it stands for in its upper half: a client window (0), an application by pid,
// the system, or a window's close button.
enum class ElementKind : std::uint64_t { window = 0, application = 1, systemWide = 2, closeButton = 3 };

AXElement element(ElementKind kind, std::uint32_t low) {
    return AXElement(static_cast<std::uint64_t>(kind) << 32 | low);
}
ElementKind kindOf(AXElement element) {
    return static_cast<ElementKind>(element.id() >> 32);
}
std::uint32_t lowOf(AXElement element) {
    return static_cast<std::uint32_t>(element.id());
}

// The source indication of a pager: the request comes from a tool acting for the user, not an application.
constexpr std::uint32_t sourcePager = 2;
constexpr std::uint32_t northWestGravity = 1;
constexpr std::uint32_t moveResizeX = 1u << 8, moveResizeY = 1u << 9, moveResizeWidth = 1u << 10,
                        moveResizeHeight = 1u << 11;
constexpr std::uint32_t stateRemove = 0, stateAdd = 1;
// The level macOS gives pop-up menus, which the system compares window layers with.
constexpr int popUpMenuLevel = 101;

AXError axError(X11Error error) {
    return error == X11Error::gone ? AXError::invalidUIElement : AXError::cannotComplete;
}

// A size in whole pixels, at least one.
std::uint32_t pixels(double value) {
    return static_cast<std::uint32_t>(std::max(1.0, std::round(value)));
}

// A coordinate as a message's data carries it: a signed number in an unsigned field.
std::uint32_t coordinate(double value) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::round(value)));
}

} // namespace

class X11Windows::Observer final : public AXObserver {
  public:
    Observer(X11Windows& windows, std::uint64_t id)
        : windows_(windows), alive_(windows.lifetime_.watch()), id_(id) {}
    ~Observer() override {
        if (alive_.alive())
            windows_.observers_.erase(id_);
    }

    AXError add(AXElement element, std::string_view notification) override {
        if (!alive_.alive())
            return AXError::failure;
        Registration& registration = windows_.observers_.at(id_);
        if (kindOf(element) == ElementKind::application) {
            if (static_cast<std::int32_t>(lowOf(element)) != registration.pid)
                return AXError::illegalArgument;
        } else if (kindOf(element) == ElementKind::window) {
            const auto known = windows_.known_.find(lowOf(element));
            if (known == windows_.known_.end())
                return AXError::invalidUIElement;
            if (known->second.pid != registration.pid)
                return AXError::illegalArgument;
        } else {
            return AXError::illegalArgument;
        }
        const bool added = registration.notifications.emplace(element.id(), std::string(notification)).second;
        return added ? AXError::success : AXError::notificationAlreadyRegistered;
    }

    AXError remove(AXElement element, std::string_view notification) override {
        if (!alive_.alive())
            return AXError::failure;
        const auto erased =
            windows_.observers_.at(id_).notifications.erase({element.id(), std::string(notification)});
        return erased ? AXError::success : AXError::notificationNotRegistered;
    }

  private:
    X11Windows& windows_;
    LifetimeGuard::Watch alive_;
    std::uint64_t id_;
};

X11Windows::X11Windows(X11Connection& connection) : connection_(connection) {
    listener_ = connection_.listen([this](const xcb_generic_event_t& event) { handle(event); });
    connection_.selectInput(connection_.root(), XCB_EVENT_MASK_PROPERTY_CHANGE);
    for (XWindow window : clientList(X11Atom::netClientList))
        watch(window);
    active_ = activeWindow();
}

X11Windows::~X11Windows() {
    connection_.stopListening(listener_);
}

AXElement X11Windows::systemWideElement() {
    return element(ElementKind::systemWide, 0);
}

AXElement X11Windows::applicationElement(std::int32_t pid) {
    return element(ElementKind::application, static_cast<std::uint32_t>(pid));
}

// X requests never wait on another client, so there is no message to time out.
AXError X11Windows::setMessagingTimeout(AXElement, double seconds) {
    return seconds < 0 ? AXError::illegalArgument : AXError::success;
}

AXResult<AXAttributeValue> X11Windows::attribute(AXElement asked, std::string_view name) {
    switch (kindOf(asked)) {
    case ElementKind::window:
        return windowAttribute(lowOf(asked), name);
    case ElementKind::application:
        return applicationAttribute(static_cast<std::int32_t>(lowOf(asked)), name);
    case ElementKind::closeButton: {
        if (name == "AXRole")
            return AXAttributeValue(std::string("AXButton"));
        const auto exists = closable(lowOf(asked));
        return exists ? AXResult<AXAttributeValue>(AXError::attributeUnsupported) : exists.error();
    }
    case ElementKind::systemWide:
        return AXError::attributeUnsupported;
    }
    return AXError::illegalArgument;
}

AXResult<AXAttributeValue> X11Windows::applicationAttribute(std::int32_t pid, std::string_view name) {
    std::vector<XWindow> owned;
    for (const auto& [window, known] : known_)
        if (known.pid == pid)
            owned.push_back(window);
    // A running process with no window yet (one just launched) has an empty list, as any application.
    if (owned.empty() && !(pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM)))
        return AXError::cannotComplete;
    if (name == "AXRole")
        return AXAttributeValue(std::string("AXApplication"));
    if (name == "AXWindows") {
        std::vector<AXElement> elements;
        for (XWindow window : owned)
            elements.push_back(windowElement(window));
        return AXAttributeValue(std::move(elements));
    }
    if (name == "AXFocusedWindow" || name == "AXMainWindow") {
        const auto active = activeWindow();
        if (active && std::ranges::find(owned, *active) != owned.end())
            return AXAttributeValue(windowElement(*active));
        return AXError::noValue;
    }
    return AXError::attributeUnsupported;
}

AXResult<AXAttributeValue> X11Windows::windowAttribute(XWindow window, std::string_view name) {
    const auto asValue = [](const auto& read) -> AXResult<AXAttributeValue> {
        if (!read)
            return read.error();
        return AXAttributeValue(*read);
    };
    if (name == "AXRole") {
        const auto exists = frame(window);
        return exists ? AXResult<AXAttributeValue>(std::string("AXWindow")) : exists.error();
    }
    if (name == "AXSubrole") {
        const auto isStandard = standard(window);
        if (!isStandard)
            return isStandard.error();
        return AXAttributeValue(std::string(*isStandard ? "AXStandardWindow" : "AXDialog"));
    }
    if (name == "AXTitle")
        return asValue(title(window));
    if (name == "AXPosition" || name == "AXSize") {
        const auto outer = frame(window);
        if (!outer)
            return outer.error();
        return name == "AXPosition" ? AXAttributeValue(AXValue(outer->origin))
                                    : AXAttributeValue(AXValue(outer->size));
    }
    if (name == "AXMinimized")
        return asValue(minimized(window));
    if (name == "AXFullScreen")
        return asValue(hasState(window, connection_.atom(X11Atom::netWmStateFullscreen)));
    if (name == "AXMain" || name == "AXFocused") {
        const auto exists = frame(window);
        return exists ? AXResult<AXAttributeValue>(activeWindow() == window) : exists.error();
    }
    if (name == "AXCloseButton") {
        const auto hasButton = closable(window);
        if (!hasButton)
            return hasButton.error();
        return *hasButton ? AXResult<AXAttributeValue>(element(ElementKind::closeButton, window))
                          : AXError::noValue;
    }
    return AXError::attributeUnsupported;
}

AXResult<bool> X11Windows::isSettable(AXElement asked, std::string_view name) {
    if (kindOf(asked) != ElementKind::window)
        return kindOf(asked) == ElementKind::systemWide ? AXResult<bool>(AXError::attributeUnsupported)
                                                        : false;
    const XWindow window = lowOf(asked);
    if (name == "AXSize") {
        const auto hints = sizeHints(window);
        if (!hints)
            return hints.error();
        return !hints->fixed();
    }
    if (name == "AXPosition" || name == "AXMinimized" || name == "AXFullScreen") {
        const auto exists = frame(window);
        return exists ? AXResult<bool>(true) : exists.error();
    }
    return false;
}

AXError X11Windows::setAttribute(AXElement asked, std::string_view name, const AXAttributeValue& value) {
    if (kindOf(asked) != ElementKind::window)
        return AXError::attributeUnsupported;
    return writeWindow(lowOf(asked), name, value);
}

AXError X11Windows::writeWindow(XWindow window, std::string_view name, const AXAttributeValue& value) {
    const auto* geometry = std::get_if<AXValue>(&value);
    const auto* flag = std::get_if<bool>(&value);
    if (name == "AXPosition" || name == "AXSize") {
        if (!geometry || (name == "AXPosition" ? !geometry->point() : !geometry->size()))
            return AXError::illegalArgument;
        if (const auto exists = frame(window); !exists)
            return exists.error();
        if (name == "AXPosition")
            moveResize(window, geometry->point(), std::nullopt);
        else
            moveResize(window, std::nullopt, geometry->size());
        return AXError::success;
    }
    if (name != "AXMinimized" && name != "AXFullScreen")
        return AXError::attributeUnsupported;
    if (!flag)
        return AXError::illegalArgument;
    if (const auto exists = frame(window); !exists)
        return exists.error();
    if (name == "AXMinimized") {
        if (*flag)
            connection_.sendToWindowManager(window, connection_.atom(X11Atom::wmChangeState),
                                            {static_cast<std::uint32_t>(WmState::iconic), 0, 0, 0, 0});
        else
            activate(window);
        return AXError::success;
    }
    connection_.sendToWindowManager(
        window, connection_.atom(X11Atom::netWmState),
        {*flag ? stateAdd : stateRemove, connection_.atom(X11Atom::netWmStateFullscreen), 0, sourcePager, 0});
    return AXError::success;
}

AXError X11Windows::perform(AXElement asked, std::string_view action) {
    const XWindow window = lowOf(asked);
    if (kindOf(asked) == ElementKind::closeButton && action == "AXPress") {
        const auto hasButton = closable(window);
        if (!hasButton)
            return hasButton.error();
        if (!*hasButton)
            return AXError::actionUnsupported;
        connection_.sendToWindowManager(window, connection_.atom(X11Atom::netCloseWindow),
                                        {XCB_CURRENT_TIME, sourcePager, 0, 0, 0});
        return AXError::success;
    }
    if (kindOf(asked) != ElementKind::window || action != "AXRaise")
        return AXError::actionUnsupported;
    if (const auto exists = frame(window); !exists)
        return exists.error();
    activate(window);
    return AXError::success;
}

AXResult<WindowId> X11Windows::windowNumber(AXElement asked) {
    if (kindOf(asked) != ElementKind::window)
        return AXError::illegalArgument;
    if (const auto exists = frame(lowOf(asked)); !exists)
        return exists.error();
    return WindowId{lowOf(asked)};
}

AXResult<std::unique_ptr<AXObserver>> X11Windows::observer(std::int32_t pid, Callback callback) {
    const std::uint64_t id = nextObserver_++;
    observers_.emplace(id, Registration{pid, std::move(callback), {}});
    return std::unique_ptr<AXObserver>(std::make_unique<Observer>(*this, id));
}

// Reads

AXResult<Rect> X11Windows::frame(XWindow window) {
    const XWindow one[] = {window};
    const auto read = frames(one).front();
    if (read)
        return *read;
    // Told apart only here: a window that is gone, or a read that failed otherwise.
    const auto exists = connection_.reply(xcb_get_window_attributes_reply,
                                          xcb_get_window_attributes(connection_.raw(), window));
    return exists ? AXError::cannotComplete : axError(exists.error());
}

// All requests go out before the first answer is read: one round trip for any number of windows.
std::vector<std::optional<Rect>> X11Windows::frames(std::span<const XWindow> windows) {
    std::vector<xcb_get_geometry_cookie_t> geometries;
    std::vector<xcb_translate_coordinates_cookie_t> origins;
    for (XWindow window : windows) {
        geometries.push_back(xcb_get_geometry(connection_.raw(), window));
        origins.push_back(xcb_translate_coordinates(connection_.raw(), window, connection_.root(), 0, 0));
    }
    const auto allExtents = connection_.properties(windows, connection_.atom(X11Atom::netFrameExtents), 4);
    std::vector<std::optional<Rect>> read;
    for (std::size_t index = 0; index < windows.size(); ++index) {
        const auto geometry = connection_.reply(xcb_get_geometry_reply, geometries[index]);
        const auto origin = connection_.reply(xcb_translate_coordinates_reply, origins[index]);
        if (!geometry || !origin || !allExtents[index]) {
            read.emplace_back();
            continue;
        }
        const Rect client(origin.value()->dst_x, origin.value()->dst_y, geometry.value()->width,
                          geometry.value()->height);
        read.emplace_back(FrameExtents::decode(allExtents[index]->cardinals()).outer(client));
    }
    return read;
}

AXResult<FrameExtents> X11Windows::extents(XWindow window) {
    const auto read = connection_.property(window, connection_.atom(X11Atom::netFrameExtents), 4);
    if (!read)
        return axError(read.error());
    return FrameExtents::decode(read->cardinals());
}

AXResult<bool> X11Windows::minimized(XWindow window) {
    const auto state = connection_.property(window, connection_.atom(X11Atom::wmState), 2);
    if (!state)
        return axError(state.error());
    if (state->cardinal() == static_cast<std::uint32_t>(WmState::iconic))
        return true;
    return hasState(window, connection_.atom(X11Atom::netWmStateHidden));
}

AXResult<bool> X11Windows::hasState(XWindow window, XAtom state) {
    const auto states = connection_.property(window, connection_.atom(X11Atom::netWmState));
    if (!states)
        return axError(states.error());
    const auto atoms = states->cardinals();
    return std::ranges::find(atoms, state) != atoms.end();
}

AXResult<SizeHints> X11Windows::sizeHints(XWindow window) {
    const auto hints = connection_.property(window, XCB_ATOM_WM_NORMAL_HINTS, 18);
    if (!hints)
        return axError(hints.error());
    return SizeHints::decode(hints->cardinals());
}

AXResult<bool> X11Windows::standard(XWindow window) {
    const auto types = connection_.property(window, connection_.atom(X11Atom::netWmWindowType));
    const auto transient = connection_.property(window, XCB_ATOM_WM_TRANSIENT_FOR, 1);
    const auto attributes = connection_.reply(xcb_get_window_attributes_reply,
                                              xcb_get_window_attributes(connection_.raw(), window));
    if (!types || !transient || !attributes)
        return axError(!types ? types.error() : !transient ? transient.error() : attributes.error());
    const WindowKind kind{types->cardinals(), transient->cardinal().value_or(0) != 0,
                          attributes.value()->override_redirect != 0};
    return kind.standard(connection_.atom(X11Atom::netWmWindowTypeNormal));
}

AXResult<std::string> X11Windows::title(XWindow window) {
    const auto name = connection_.property(window, connection_.atom(X11Atom::netWmName));
    if (!name)
        return axError(name.error());
    if (name->exists())
        return name->text();
    const auto legacy = connection_.property(window, XCB_ATOM_WM_NAME);
    if (!legacy)
        return axError(legacy.error());
    return legacy->text();
}

AXResult<bool> X11Windows::closable(XWindow window) {
    const auto protocols = connection_.property(window, connection_.atom(X11Atom::wmProtocols));
    if (!protocols)
        return axError(protocols.error());
    const auto atoms = protocols->cardinals();
    return std::ranges::find(atoms, connection_.atom(X11Atom::wmDeleteWindow)) != atoms.end();
}

std::optional<XWindow> X11Windows::activeWindow() {
    const auto active =
        connection_.property(connection_.root(), connection_.atom(X11Atom::netActiveWindow), 1);
    const auto window = active ? active->cardinal() : std::nullopt;
    return window && *window != XCB_NONE ? window : std::nullopt;
}

std::vector<XWindow> X11Windows::clientList(X11Atom list) {
    const auto windows = connection_.property(connection_.root(), connection_.atom(list));
    return windows ? windows->cardinals() : std::vector<XWindow>{};
}

std::int32_t X11Windows::pidOf(XWindow window) {
    const auto pid = connection_.property(window, connection_.atom(X11Atom::netWmPid), 1);
    return pid ? static_cast<std::int32_t>(pid->cardinal().value_or(0)) : 0;
}

// Writes

// With north-west gravity the position is the frame's own, whatever border the client asked for (static
// gravity would count that border in); the size is the client's, so the frame's extents are taken off.
void X11Windows::moveResize(XWindow window, std::optional<Point> position, std::optional<Size> size) {
    const auto frameExtents = extents(window);
    const FrameExtents around = frameExtents ? *frameExtents : FrameExtents{};
    const Point origin = position.value_or(Point{});
    const Rect client = around.client(Rect(origin, size.value_or(around.outer(Size{1, 1}))));
    std::uint32_t flags = northWestGravity | sourcePager << 12;
    if (position)
        flags |= moveResizeX | moveResizeY;
    if (size)
        flags |= moveResizeWidth | moveResizeHeight;
    connection_.sendToWindowManager(window, connection_.atom(X11Atom::netMoveresizeWindow),
                                    {flags, coordinate(origin.x), coordinate(origin.y),
                                     pixels(client.size.width), pixels(client.size.height)});
}

void X11Windows::activate(XWindow window) {
    connection_.sendToWindowManager(window, connection_.atom(X11Atom::netActiveWindow),
                                    {sourcePager, XCB_CURRENT_TIME, 0, 0, 0});
}

// The window list

std::vector<WindowDescription> X11Windows::onScreenWindows() {
    auto stacking = clientList(X11Atom::netClientListStacking);
    std::ranges::reverse(stacking);
    return descriptions(stacking, true);
}

std::vector<WindowDescription> X11Windows::allWindows() {
    auto stacking = clientList(X11Atom::netClientListStacking);
    std::ranges::reverse(stacking);
    return descriptions(stacking, false);
}

std::vector<WindowDescription> X11Windows::describe(const std::vector<WindowId>& windows) {
    return descriptions(windows, false);
}

int X11Windows::windowLevel(WindowLevelKey key) {
    return key == WindowLevelKey::popUpMenu ? popUpMenuLevel : 0;
}

std::vector<WindowDescription> X11Windows::descriptions(const std::vector<XWindow>& windows,
                                                        bool onScreenOnly) {
    std::vector<xcb_get_window_attributes_cookie_t> attributes;
    for (XWindow window : windows)
        attributes.push_back(xcb_get_window_attributes(connection_.raw(), window));
    const auto pids = connection_.properties(windows, connection_.atom(X11Atom::netWmPid), 1);
    const auto names = connection_.properties(windows, connection_.atom(X11Atom::netWmName));
    const auto legacyNames = connection_.properties(windows, XCB_ATOM_WM_NAME);
    const auto classes = connection_.properties(windows, XCB_ATOM_WM_CLASS);
    const auto bounds = frames(windows);
    std::vector<WindowDescription> described;
    for (std::size_t index = 0; index < windows.size(); ++index) {
        const auto shown = connection_.reply(xcb_get_window_attributes_reply, attributes[index]);
        if (!shown || !bounds[index] || !pids[index] || !names[index] || !legacyNames[index] ||
            !classes[index])
            continue;
        const bool onScreen = shown.value()->map_state == XCB_MAP_STATE_VIEWABLE;
        if (onScreenOnly && !onScreen)
            continue;
        const auto classNames = classes[index]->texts();
        described.push_back({
            .number = windows[index],
            .ownerPid = static_cast<std::int32_t>(pids[index]->cardinal().value_or(0)),
            .ownerName = classNames.size() > 1 ? classNames[1] : "",
            .name = names[index]->exists() ? names[index]->text() : legacyNames[index]->text(),
            .layer = 0,
            .bounds = bounds[index],
            .isOnscreen = onScreen,
            .alpha = std::nullopt,
        });
    }
    return described;
}

// Notifications

void X11Windows::handle(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7f) {
    case XCB_PROPERTY_NOTIFY: {
        const auto& changed = reinterpret_cast<const xcb_property_notify_event_t&>(event);
        if (changed.window == connection_.root()) {
            if (changed.atom == connection_.atom(X11Atom::netClientList))
                clientListChanged();
            else if (changed.atom == connection_.atom(X11Atom::netActiveWindow))
                activeChanged();
            return;
        }
        const auto known = known_.find(changed.window);
        if (known == known_.end())
            return;
        if (changed.atom == connection_.atom(X11Atom::wmState) ||
            changed.atom == connection_.atom(X11Atom::netWmState))
            minimizedMaybeChanged(changed.window);
        else if (changed.atom == connection_.atom(X11Atom::netFrameExtents))
            frameMaybeChanged(changed.window);
        else if (changed.atom == connection_.atom(X11Atom::netWmName) || changed.atom == XCB_ATOM_WM_NAME)
            notify(changed.window, known->second.pid, "AXTitleChanged");
        return;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto& configured = reinterpret_cast<const xcb_configure_notify_event_t&>(event);
        if (known_.contains(configured.window))
            frameMaybeChanged(configured.window);
        return;
    }
    case XCB_DESTROY_NOTIFY:
        // Told at once: the server may hand the id to a new window before _NET_CLIENT_LIST changes.
        forget(reinterpret_cast<const xcb_destroy_notify_event_t&>(event).window);
        return;
    default:
        return;
    }
}

void X11Windows::clientListChanged() {
    const auto listed = clientList(X11Atom::netClientList);
    const std::set<XWindow> now(listed.begin(), listed.end());
    std::vector<XWindow> gone;
    for (const auto& [window, known] : known_)
        if (!now.contains(window))
            gone.push_back(window);
    for (XWindow window : gone)
        forget(window);
    for (XWindow window : listed)
        if (!known_.contains(window) && watch(window))
            notify(window, known_.at(window).pid, "AXWindowCreated");
}

// False for a window that is already gone, which the list may still name.
bool X11Windows::watch(XWindow window) {
    connection_.selectInput(window, XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE);
    const auto outer = frame(window);
    if (!outer && outer.error() == AXError::invalidUIElement) {
        connection_.forgetInput(window);
        return false;
    }
    const auto isMinimized = minimized(window);
    known_[window] = {pidOf(window), outer ? std::optional(*outer) : std::nullopt,
                      isMinimized && *isMinimized};
    return true;
}

void X11Windows::forget(XWindow window) {
    const auto known = known_.find(window);
    if (known == known_.end())
        return;
    const std::int32_t pid = known->second.pid;
    known_.erase(known);
    connection_.forgetInput(window);
    notify(window, pid, "AXUIElementDestroyed");
}

void X11Windows::frameMaybeChanged(XWindow window) {
    const auto outer = frame(window);
    if (!outer)
        return;
    Known& known = known_.at(window);
    const std::optional<Rect> before = known.frame;
    known.frame = *outer;
    if (!before || before->origin != outer->origin)
        notify(window, known.pid, "AXMoved");
    if (!before || before->size != outer->size)
        notify(window, known.pid, "AXResized");
}

void X11Windows::minimizedMaybeChanged(XWindow window) {
    const auto now = minimized(window);
    if (!now)
        return;
    Known& known = known_.at(window);
    if (known.minimized == *now)
        return;
    known.minimized = *now;
    notify(window, known.pid, *now ? "AXWindowMiniaturized" : "AXWindowDeminiaturized");
}

void X11Windows::activeChanged() {
    const auto now = activeWindow();
    if (now == active_)
        return;
    active_ = now;
    if (!now || !known_.contains(*now))
        return;
    const std::int32_t pid = known_.at(*now).pid;
    notify(*now, pid, "AXFocusedWindowChanged");
    notify(*now, pid, "AXMainWindowChanged");
}

// A notification goes to each observer of the window's process that registered for it on the window or on
// the application. A callback may end observers, so each is looked up again before it is called.
void X11Windows::notify(XWindow window, std::int32_t pid, std::string_view notification) {
    const std::string name(notification);
    const std::uint64_t application = applicationElement(pid).id();
    std::vector<std::uint64_t> told;
    for (const auto& [id, registration] : observers_)
        if (registration.pid == pid &&
            (registration.notifications.contains(std::pair(application, name)) ||
             registration.notifications.contains(std::pair(std::uint64_t{window}, name))))
            told.push_back(id);
    const auto alive = lifetime_.watch();
    for (std::uint64_t id : told) {
        if (!alive.alive())
            return;
        const auto found = observers_.find(id);
        if (found == observers_.end())
            continue;
        const Callback callback = found->second.callback;
        callback(windowElement(window), name);
    }
}

} // namespace quillmere
