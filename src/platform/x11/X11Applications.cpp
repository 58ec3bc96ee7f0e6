#include "platform/x11/X11Applications.h"

#include "platform/linux/ProcessFacts.h"

#include <algorithm>
#include <xcb/res.h>

namespace quillmere {
namespace {

// ICCCM's WM_STATE value of a minimized window.
constexpr std::uint32_t iconicState = 3;
// EWMH's source indication of a pager, which window managers obey without asking about focus stealing.
constexpr std::uint32_t pagerSource = 2;

bool holds(const std::vector<std::uint32_t>& items, std::uint32_t item) {
    return std::ranges::count(items, item) > 0;
}

} // namespace

X11Applications::X11Applications(X11Connection& connection, QueuedNotificationCenter& notifications,
                                 std::int32_t ownPid)
    : connection_(connection), notifications_(notifications), ownPid_(ownPid) {
    connection_.selectInput(connection_.root(), XCB_EVENT_MASK_PROPERTY_CHANGE);
    listener_ = connection_.listen([this](const xcb_generic_event_t& event) { eventArrived(event); });
    // What runs already is no news.
    if (auto now = snapshot())
        told_ = std::move(*now);
}

X11Applications::~X11Applications() {
    connection_.stopListening(listener_);
}

std::optional<std::vector<X11Applications::ClientWindow>> X11Applications::clientWindows() {
    auto list = connection_.property(connection_.root(), connection_.atom(X11Atom::netClientListStacking));
    if (list && !list->exists())
        list = connection_.property(connection_.root(), connection_.atom(X11Atom::netClientList));
    if (!list)
        return std::nullopt;
    const std::vector<XWindow> windows = list->cardinals();
    const auto read = [&](XAtom name) { return connection_.properties(windows, name); };
    const auto pids = read(connection_.atom(X11Atom::netWmPid));
    const auto classes = read(XCB_ATOM_WM_CLASS);
    const auto states = read(connection_.atom(X11Atom::wmState));
    const auto netStates = read(connection_.atom(X11Atom::netWmState));
    const auto types = read(connection_.atom(X11Atom::netWmWindowType));
    const auto transients = read(XCB_ATOM_WM_TRANSIENT_FOR);
    std::vector<ClientWindow> clients;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        // A window that vanished since the list was read is no one's any more.
        if (!classes[i] || !states[i] || !netStates[i] || !types[i] || !transients[i])
            continue;
        const auto pid = pidOf(windows[i], pids[i]);
        if (!pid)
            continue;
        ClientWindow client{.window = windows[i], .pid = *pid};
        if (const auto names = classes[i]->texts(); names.size() >= 2)
            client.windowClass = WindowClass{names[0], names[1]};
        client.minimized = states[i]->cardinal() == iconicState ||
                           holds(netStates[i]->cardinals(), connection_.atom(X11Atom::netWmStateHidden));
        client.normal = isNormal(*types[i], *transients[i]);
        clients.push_back(std::move(client));
        if (watched_.insert(windows[i]).second)
            connection_.selectInput(windows[i],
                                    XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    }
    return clients;
}

std::optional<std::int32_t> X11Applications::pidOf(XWindow window, const X11Result<X11Property>& wmPid) {
    if (!wmPid)
        return std::nullopt;
    if (const auto pid = wmPid->cardinal(); pid && *pid > 0)
        return static_cast<std::int32_t>(*pid);
    // A client that sets no _NET_WM_PID is still known to the server, when it runs on this machine.
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection_.raw(), &xcb_res_id);
    if (!extension || !extension->present)
        return std::nullopt;
    xcb_res_client_id_spec_t query{.client = window, .mask = XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    const auto ids = connection_.reply(xcb_res_query_client_ids_reply,
                                       xcb_res_query_client_ids(connection_.raw(), 1, &query));
    if (!ids)
        return std::nullopt;
    for (auto id = xcb_res_query_client_ids_ids_iterator(ids->get()); id.rem;
         xcb_res_client_id_value_next(&id)) {
        // The length is in bytes; a process id takes four.
        const auto& [answered, bytes] = *id.data;
        if (answered.mask == XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID && bytes >= sizeof(std::uint32_t))
            return static_cast<std::int32_t>(*xcb_res_client_id_value_value(id.data));
    }
    return std::nullopt;
}

// The first type the window names that EWMH defines decides, as the window manager reads it; a window without
// one is normal unless it is transient for another, which makes it a dialog.
bool X11Applications::isNormal(const X11Property& types, const X11Property& transientFor) const {
    const X11Atom defined[] = {X11Atom::netWmWindowTypeNormal,  X11Atom::netWmWindowTypeDialog,
                               X11Atom::netWmWindowTypeUtility, X11Atom::netWmWindowTypeSplash,
                               X11Atom::netWmWindowTypeDock,    X11Atom::netWmWindowTypeDesktop,
                               X11Atom::netWmWindowTypeToolbar, X11Atom::netWmWindowTypeMenu};
    for (std::uint32_t type : types.cardinals())
        for (X11Atom known : defined)
            if (type == connection_.atom(known))
                return known == X11Atom::netWmWindowTypeNormal;
    return !transientFor.cardinal().value_or(0);
}

std::optional<std::int32_t> X11Applications::activeWindowOwner(const std::vector<ClientWindow>& windows) {
    const auto active = connection_.property(connection_.root(), connection_.atom(X11Atom::netActiveWindow));
    if (!active || !active->cardinal())
        return std::nullopt;
    const auto found = std::ranges::find(windows, *active->cardinal(), &ClientWindow::window);
    return found == windows.end() ? std::nullopt : std::optional(found->pid);
}

const X11Applications::Known& X11Applications::known(const ClientWindow& window) {
    if (const auto found = known_.find(window.pid); found != known_.end())
        return found->second;
    const auto executable = processExecutableName(window.pid);
    const auto entry = entries_.matching(window.windowClass, executable);
    Known known{.identity =
                    applicationIdentity(entry ? &entry->entry : nullptr, window.windowClass, executable),
                .launchDate = processLaunchDate(window.pid)};
    if (entry)
        known.location = entry->location;
    return known_.emplace(window.pid, std::move(known)).first->second;
}

std::optional<ApplicationsSnapshot> X11Applications::snapshot() {
    const auto windows = clientWindows();
    if (!windows)
        return std::nullopt;
    // Each process is named after its first window with a class, else its first window.
    std::map<std::int32_t, const ClientWindow*> named;
    for (const ClientWindow& window : *windows) {
        const auto [found, first] = named.try_emplace(window.pid, &window);
        if (!first && !found->second->windowClass && window.windowClass)
            found->second = &window;
    }
    ApplicationsSnapshot snapshot;
    for (const auto& [pid, window] : named) {
        const Known& about = known(*window);
        snapshot.applications[pid] = {.application = {.processIdentifier = pid,
                                                      .bundleIdentifier = about.identity.bundleIdentifier,
                                                      .localizedName = about.identity.localizedName,
                                                      .activationPolicy = ActivationPolicy::accessory,
                                                      .launchDate = about.launchDate},
                                      .hidden = true};
    }
    for (const ClientWindow& window : *windows) {
        auto& entry = snapshot.applications.at(window.pid);
        if (window.normal && window.pid != ownPid_)
            entry.application.activationPolicy = ActivationPolicy::regular;
        entry.hidden = entry.hidden && window.minimized;
    }
    snapshot.frontmost = activeWindowOwner(*windows);
    // A process whose windows are all gone is forgotten, so that its id may serve another.
    std::erase_if(known_, [&](const auto& item) { return !snapshot.applications.contains(item.first); });
    return snapshot;
}

std::vector<RunningApplication> X11Applications::runningApplications() {
    std::vector<RunningApplication> running;
    if (const auto now = snapshot())
        for (const auto& [pid, entry] : now->applications)
            running.push_back(entry.application);
    return running;
}

std::optional<RunningApplication> X11Applications::application(std::int32_t pid) {
    const auto now = snapshot();
    if (!now)
        return std::nullopt;
    const auto found = now->applications.find(pid);
    return found == now->applications.end() ? std::nullopt : std::optional(found->second.application);
}

std::optional<RunningApplication> X11Applications::frontmostApplication() {
    const auto now = snapshot();
    if (!now || !now->frontmost)
        return std::nullopt;
    return now->applications.at(*now->frontmost).application;
}

std::vector<XWindow> X11Applications::windowsOf(std::int32_t pid) {
    std::vector<XWindow> windows;
    if (const auto clients = clientWindows())
        for (const ClientWindow& client : *clients)
            if (client.pid == pid)
                windows.push_back(client.window);
    return windows;
}

bool X11Applications::activate(std::int32_t pid) {
    const auto clients = clientWindows();
    if (!clients)
        return false;
    std::optional<XWindow> chosen;
    for (const ClientWindow& client : *clients)
        if (client.pid == pid && (!chosen || !client.minimized))
            chosen = client.window;
    if (!chosen)
        return false;
    connection_.sendToWindowManager(*chosen, connection_.atom(X11Atom::netActiveWindow),
                                    {pagerSource, XCB_CURRENT_TIME, 0, 0, 0});
    return true;
}

std::optional<std::int32_t> X11Applications::runningAt(const std::string& location) {
    if (!snapshot())
        return std::nullopt;
    for (const auto& [pid, about] : known_)
        if (about.location == location)
            return pid;
    return std::nullopt;
}

std::optional<std::string> X11Applications::urlForApplication(std::string_view bundleIdentifier) {
    // An application named after its window class or program when it ran is found by the same rules.
    const std::string name(bundleIdentifier);
    const auto entry = entries_.matching(WindowClass{name, name}, name);
    return entry ? std::optional(entry->location) : std::nullopt;
}

void X11Applications::openApplication(const std::string& at, const OpenConfiguration& configuration) {
    if (const auto running = runningAt(at)) {
        if (configuration.activates)
            activate(*running);
        return;
    }
    entries_.launch(at, {});
}

void X11Applications::open(const std::vector<std::string>& urls, const std::string& withApplicationAt,
                           const OpenConfiguration&) {
    // The program decides whether a running copy takes the files, as it does when the desktop opens them.
    entries_.launch(withApplicationAt, urls);
}

void X11Applications::hideApplication(std::int32_t pid) {
    for (XWindow window : windowsOf(pid))
        connection_.sendToWindowManager(window, connection_.atom(X11Atom::wmChangeState),
                                        {iconicState, 0, 0, 0, 0});
}

bool X11Applications::terminateApplication(std::int32_t pid) {
    const std::vector<XWindow> windows = windowsOf(pid);
    for (XWindow window : windows)
        connection_.sendToWindowManager(window, connection_.atom(X11Atom::netCloseWindow),
                                        {XCB_CURRENT_TIME, pagerSource, 0, 0, 0});
    return !windows.empty();
}

std::vector<InstalledApplication> X11Applications::installedApplications() {
    std::vector<InstalledApplication> installed;
    for (const auto& listed : entries_.entries())
        if (listed.shown)
            installed.push_back({listed.entry.id, listed.entry.name});
    return installed;
}

void X11Applications::setActivationPolicy(std::int32_t, ActivationPolicy) {}

void X11Applications::eventArrived(const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7F) {
    case XCB_PROPERTY_NOTIFY: {
        const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
        const XAtom watched[] = {connection_.atom(X11Atom::netClientList),
                                 connection_.atom(X11Atom::netClientListStacking),
                                 connection_.atom(X11Atom::netActiveWindow),
                                 connection_.atom(X11Atom::wmState), connection_.atom(X11Atom::netWmState)};
        if (std::ranges::count(watched, change.atom))
            refreshSoon();
        break;
    }
    case XCB_DESTROY_NOTIFY: {
        const auto& destroyed = reinterpret_cast<const xcb_destroy_notify_event_t&>(event);
        if (watched_.erase(destroyed.window))
            connection_.forgetInput(destroyed.window);
        refreshSoon();
        break;
    }
    default:
        break;
    }
}

void X11Applications::refreshSoon() {
    if (refreshQueued_)
        return;
    refreshQueued_ = true;
    connection_.queue().after(MainQueue::Duration::zero(), lifetime_.guarded([this] {
        refreshQueued_ = false;
        refresh();
    }));
}

void X11Applications::refresh() {
    auto now = snapshot();
    if (!now)
        return;
    for (const WorkspaceNotification& change : applicationChanges(told_, *now))
        notifications_.post(change.name, change.application);
    told_ = std::move(*now);
}

} // namespace quillmere
