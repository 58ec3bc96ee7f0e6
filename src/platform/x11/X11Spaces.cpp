#include "platform/x11/X11Spaces.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <iterator>

namespace quillmere {

namespace {

constexpr std::uint32_t sourcePager = 2;
// The ICCCM input flag of WM_HINTS: whether the client takes the focus when it is set on it.
constexpr std::uint32_t inputHint = 1;

PropertyList spaceNumber(SpaceId id) {
    return static_cast<std::int64_t>(id);
}

PropertyList spaceEntry(SpaceId id) {
    return PropertyList::Dictionary{
        {"ManagedSpaceID", spaceNumber(id)}, {"id64", spaceNumber(id)}, {"type", 0}};
}

bool processExists(std::int32_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

// Processes are named by their pid, in the low half.
ProcessSerialNumber process(std::int32_t pid) {
    return {0, static_cast<std::uint32_t>(pid)};
}

std::uint32_t readWindow(std::span<const std::uint8_t, WindowServer::eventRecordSize> record) {
    std::uint32_t window = 0;
    for (std::size_t byte = 0; byte < sizeof window; ++byte)
        window |= static_cast<std::uint32_t>(record[0x3C + byte]) << (8 * byte);
    return window;
}

} // namespace

X11Spaces::X11Spaces(X11Connection& connection) : connection_(connection) {
    listener_ = connection_.listen([this](const xcb_generic_event_t& event) { handle(event); });
    connection_.selectInput(connection_.root(), XCB_EVENT_MASK_PROPERTY_CHANGE);
}

X11Spaces::~X11Spaces() {
    connection_.stopListening(listener_);
}

void X11Spaces::onChange(std::function<void()> changed) {
    changed_ = std::move(changed);
}

// The window manager stands in for the window server: window ids stay valid while it runs.
std::optional<std::int32_t> X11Spaces::processId() const {
    const auto check =
        connection_.property(connection_.root(), connection_.atom(X11Atom::netSupportingWmCheck), 1);
    const auto window = check ? check->cardinal() : std::nullopt;
    if (!window)
        return std::nullopt;
    const auto pid = connection_.property(*window, connection_.atom(X11Atom::netWmPid), 1);
    return pid && pid->cardinal() ? static_cast<std::int32_t>(*pid->cardinal()) : 0;
}

std::optional<PropertyList> X11Spaces::managedDisplaySpaces(ConnectionId connection) {
    if (connection != connectionId)
        return std::nullopt;
    PropertyList::Array spaces;
    const std::uint32_t count = desktopCount();
    for (std::uint32_t desktop = 0; desktop < count; ++desktop)
        spaces.push_back(spaceEntry(spaceOf(desktop)));
    PropertyList::Dictionary main{{"Display Identifier", "Main"}, {"Spaces", std::move(spaces)}};
    const std::uint32_t current = currentDesktop();
    if (current < count)
        main.emplace("Current Space", spaceEntry(spaceOf(current)));
    return PropertyList(PropertyList::Array{std::move(main)});
}

std::optional<std::string> X11Spaces::activeMenuBarDisplayIdentifier(ConnectionId connection) {
    if (connection != connectionId)
        return std::nullopt;
    return "Main";
}

std::optional<PropertyList> X11Spaces::spacesForWindows(ConnectionId connection, int,
                                                        const std::vector<WindowId>& windows) {
    if (connection != connectionId)
        return std::nullopt;
    const std::uint32_t count = desktopCount();
    std::vector<SpaceId> found;
    const auto add = [&](SpaceId space) {
        if (std::ranges::find(found, space) == found.end())
            found.push_back(space);
    };
    for (const auto& desktop : connection_.properties(windows, connection_.atom(X11Atom::netWmDesktop), 1)) {
        const auto index = desktop ? desktop->cardinal() : std::nullopt;
        if (index == everyDesktop)
            for (std::uint32_t each = 0; each < count; ++each)
                add(spaceOf(each));
        else if (index && *index < count)
            add(spaceOf(*index));
    }
    PropertyList::Array answer;
    std::ranges::transform(found, std::back_inserter(answer), spaceNumber);
    return PropertyList(std::move(answer));
}

bool X11Spaces::moveWindowsToManagedSpace(const std::vector<WindowId>& windows, SpaceId space) {
    const auto desktop = desktopOf(space);
    if (!desktop)
        return false;
    for (WindowId window : windows)
        connection_.sendToWindowManager(window, connection_.atom(X11Atom::netWmDesktop),
                                        {*desktop, sourcePager, 0, 0, 0});
    return true;
}

bool X11Spaces::showSpace(SpaceId space) {
    const auto desktop = desktopOf(space);
    if (!desktop)
        return false;
    connection_.sendToWindowManager(connection_.root(), connection_.atom(X11Atom::netCurrentDesktop),
                                    {*desktop, XCB_CURRENT_TIME, 0, 0, 0});
    return true;
}

void X11Spaces::addDesktop() {
    connection_.sendToWindowManager(connection_.root(), connection_.atom(X11Atom::netNumberOfDesktops),
                                    {desktopCount() + 1, 0, 0, 0, 0});
}

void X11Spaces::removeDesktop() {
    const std::uint32_t count = desktopCount();
    if (count <= 1)
        return;
    connection_.sendToWindowManager(connection_.root(), connection_.atom(X11Atom::netNumberOfDesktops),
                                    {count - 1, 0, 0, 0, 0});
}

Result<ProcessSerialNumber, StatusCode> X11Spaces::processForPid(std::int32_t pid) {
    if (!processExists(pid))
        return StatusCode::processNotFound;
    return process(pid);
}

Result<std::int32_t, StatusCode> X11Spaces::pidForProcess(const ProcessSerialNumber& named) {
    const auto pid = static_cast<std::int32_t>(named.low);
    if (named.high != 0 || !processExists(pid))
        return StatusCode::processNotFound;
    return pid;
}

Result<ProcessSerialNumber, StatusCode> X11Spaces::frontProcess() {
    const auto active =
        connection_.property(connection_.root(), connection_.atom(X11Atom::netActiveWindow), 1);
    const auto window = active ? active->cardinal() : std::nullopt;
    if (!window || *window == XCB_NONE)
        return StatusCode::failure;
    const auto pid = connection_.property(*window, connection_.atom(X11Atom::netWmPid), 1);
    if (!pid || !pid->cardinal())
        return StatusCode::failure;
    return process(static_cast<std::int32_t>(*pid->cardinal()));
}

StatusCode X11Spaces::setFrontProcess(const ProcessSerialNumber& named, WindowId window,
                                      FrontProcessOptions options) {
    if (!pidForProcess(named))
        return StatusCode::processNotFound;
    if (window == 0)
        return StatusCode::noError;
    if (options == FrontProcessOptions::withoutRaising)
        focusWithoutRaising(window);
    else
        connection_.sendToWindowManager(window, connection_.atom(X11Atom::netActiveWindow),
                                        {sourcePager, XCB_CURRENT_TIME, 0, 0, 0});
    return StatusCode::noError;
}

// The records that make a window key (the second of the pair, or the one that gains the key) focus it.
StatusCode X11Spaces::postEventRecord(const ProcessSerialNumber& named,
                                      std::span<const std::uint8_t, eventRecordSize> record) {
    if (!pidForProcess(named))
        return StatusCode::processNotFound;
    const bool makesKey = record[0x08] == 0x02 || (record[0x08] == 0x0D && record[0x8A] == 0x01);
    if (makesKey)
        focusWithoutRaising(readWindow(record));
    return StatusCode::noError;
}

// ICCCM: a client with the input hint set (or none) takes the focus from SetInputFocus; one that lists
// WM_TAKE_FOCUS is asked to take it itself. Neither restacks the window.
void X11Spaces::focusWithoutRaising(XWindow window) {
    const auto hints = connection_.property(window, XCB_ATOM_WM_HINTS, 2);
    const auto protocols = connection_.property(window, connection_.atom(X11Atom::wmProtocols));
    if (!hints || !protocols)
        return;
    const auto hintItems = hints->cardinals();
    const bool takesInput = hintItems.size() < 2 || !(hintItems[0] & inputHint) || hintItems[1] != 0;
    if (takesInput)
        xcb_set_input_focus(connection_.raw(), XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
    const auto listed = protocols->cardinals();
    if (std::ranges::find(listed, connection_.atom(X11Atom::wmTakeFocus)) != listed.end())
        connection_.sendToClient(window, connection_.atom(X11Atom::wmProtocols),
                                 {connection_.atom(X11Atom::wmTakeFocus), XCB_CURRENT_TIME, 0, 0, 0});
    connection_.flush();
}

std::uint32_t X11Spaces::desktopCount() {
    const auto count =
        connection_.property(connection_.root(), connection_.atom(X11Atom::netNumberOfDesktops), 1);
    return std::max(1u, count ? count->cardinal().value_or(1) : 1);
}

std::uint32_t X11Spaces::currentDesktop() {
    const auto current =
        connection_.property(connection_.root(), connection_.atom(X11Atom::netCurrentDesktop), 1);
    return current ? current->cardinal().value_or(0) : 0;
}

std::optional<std::uint32_t> X11Spaces::desktopOf(SpaceId space) {
    if (space == 0 || space > desktopCount())
        return std::nullopt;
    return static_cast<std::uint32_t>(space - 1);
}

void X11Spaces::handle(const xcb_generic_event_t& event) {
    if ((event.response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return;
    const auto& changed = reinterpret_cast<const xcb_property_notify_event_t&>(event);
    if (changed.window != connection_.root())
        return;
    if ((changed.atom == connection_.atom(X11Atom::netCurrentDesktop) ||
         changed.atom == connection_.atom(X11Atom::netNumberOfDesktops)) &&
        changed_)
        changed_();
}

} // namespace quillmere
