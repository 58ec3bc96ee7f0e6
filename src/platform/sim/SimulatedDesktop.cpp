#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quillmere {

namespace sim {

Space* SpaceList::find(SpaceId id) {
    const auto found = std::ranges::find(spaces, id, &Space::id);
    return found == spaces.end() ? nullptr : &*found;
}

const Space* SpaceList::find(SpaceId id) const {
    const auto found = std::ranges::find(spaces, id, &Space::id);
    return found == spaces.end() ? nullptr : &*found;
}

std::vector<SpaceId> SpaceList::desktops() const {
    std::vector<SpaceId> result;
    for (const Space& space : spaces)
        if (!space.fullScreen)
            result.push_back(space.id);
    return result;
}

SpaceId SpaceList::homeDesktop() const {
    const auto at = std::ranges::find(spaces, current, &Space::id);
    // From the current Space itself backwards.
    const auto from = at == spaces.end() ? spaces.rbegin() : std::make_reverse_iterator(std::next(at));
    const auto before = std::find_if(from, spaces.rend(),
                                     [](const Space& space) { return !space.fullScreen; });
    if (before != spaces.rend())
        return before->id;
    const auto any = std::ranges::find(spaces, false, &Space::fullScreen);
    return any == spaces.end() ? 0 : any->id;
}

void SpaceList::remove(SpaceId id) {
    if (current == id)
        current = homeDesktop();
    std::erase_if(spaces, [id](const Space& space) { return space.id == id; });
}

Size Window::accepted(Size size) const {
    double width = std::max(size.width, minimumSize.width);
    double height = std::max(size.height, minimumSize.height);
    if (maximumSize) {
        width = std::min(width, std::max(maximumSize->width, minimumSize.width));
        height = std::min(height, std::max(maximumSize->height, minimumSize.height));
    }
    return {width, height};
}

} // namespace sim

SimulatedDesktop::SimulatedDesktop(MainQueue& queue, SpaceListForm form) : queue_(queue), form_(form) {
    systemWideElement_ = newElement({sim::ElementTarget::Kind::systemWide});
}

SimulatedDesktop::~SimulatedDesktop() = default;

Desktop SimulatedDesktop::bundle() {
    return Desktop{
        .accessibility = *this,
        .accessibilityDisplay = *this,
        .windowServer = *this,
        .windowList = *this,
        .displays = *this,
        .applications = *this,
        .activationPolicy = *this,
        .notifications = *this,
        .workspace = *this,
        .installed = *this,
        .preferences = *this,
        .events = *this,
        .eventTaps = *this,
        .eventMonitors = *this,
        .mouseButtons = *this,
        .hotKeys = *this,
        .panels = *this,
        .applicationWindows = *this,
        .screenCapture = *this,
        .desktopPictures = *this,
        .images = *this,
    };
}

sim::SpaceList& SimulatedDesktop::listOf(sim::Display& display) {
    return form_ == SpaceListForm::shared ? sharedSpaces_ : display.spaces;
}

const sim::SpaceList& SimulatedDesktop::listOf(const sim::Display& display) const {
    return form_ == SpaceListForm::shared ? sharedSpaces_ : display.spaces;
}

sim::Display* SimulatedDesktop::display(DisplayId number) {
    const auto found = std::ranges::find(displays_, number, &sim::Display::number);
    return found == displays_.end() ? nullptr : &*found;
}

const sim::Display* SimulatedDesktop::display(DisplayId number) const {
    const auto found = std::ranges::find(displays_, number, &sim::Display::number);
    return found == displays_.end() ? nullptr : &*found;
}

sim::Display& SimulatedDesktop::displayOrThrow(DisplayId number) {
    if (sim::Display* found = display(number))
        return *found;
    throw std::invalid_argument("no display " + std::to_string(number));
}

sim::Display* SimulatedDesktop::displayAt(Point point) {
    const auto found =
        std::ranges::find_if(displays_, [point](const sim::Display& d) { return d.bounds.contains(point); });
    return found == displays_.end() ? nullptr : &*found;
}

sim::Display* SimulatedDesktop::displayHolding(SpaceId space) {
    if (form_ == SpaceListForm::shared)
        return sharedSpaces_.find(space) && !displays_.empty() ? &displays_.front() : nullptr;
    const auto found =
        std::ranges::find_if(displays_, [space](const sim::Display& d) { return d.spaces.find(space); });
    return found == displays_.end() ? nullptr : &*found;
}

sim::SpaceList* SimulatedDesktop::listHolding(SpaceId space) {
    if (form_ == SpaceListForm::shared)
        return sharedSpaces_.find(space) ? &sharedSpaces_ : nullptr;
    sim::Display* holder = displayHolding(space);
    return holder ? &holder->spaces : nullptr;
}

std::vector<SpaceId> SimulatedDesktop::everyDesktop() const {
    if (form_ == SpaceListForm::shared)
        return sharedSpaces_.desktops();
    std::vector<SpaceId> result;
    for (const sim::Display& display : displays_)
        std::ranges::copy(display.spaces.desktops(), std::back_inserter(result));
    return result;
}

sim::Window* SimulatedDesktop::window(WindowId number) {
    const auto found = windows_.find(number);
    return found == windows_.end() ? nullptr : &found->second;
}

const sim::Window* SimulatedDesktop::window(WindowId number) const {
    const auto found = windows_.find(number);
    return found == windows_.end() ? nullptr : &found->second;
}

sim::Window& SimulatedDesktop::windowOrThrow(WindowId number) {
    if (sim::Window* found = window(number))
        return *found;
    throw std::invalid_argument("no window " + std::to_string(number));
}

sim::Application* SimulatedDesktop::app(std::int32_t pid) {
    const auto found = apps_.find(pid);
    return found == apps_.end() ? nullptr : &found->second;
}

const sim::Application* SimulatedDesktop::app(std::int32_t pid) const {
    const auto found = apps_.find(pid);
    return found == apps_.end() ? nullptr : &found->second;
}

sim::Application& SimulatedDesktop::appOrThrow(std::int32_t pid) {
    if (sim::Application* found = app(pid))
        return *found;
    throw std::invalid_argument("no application " + std::to_string(pid));
}

bool SimulatedDesktop::isShown(const sim::Window& window) const {
    if (window.minimized)
        return false;
    if (const sim::Application* owner = app(window.pid); owner && owner->hidden)
        return false;
    if (window.onAllSpaces)
        return true;
    return std::ranges::any_of(window.spaces, [this](SpaceId space) {
        if (form_ == SpaceListForm::shared)
            return sharedSpaces_.current == space;
        return std::ranges::any_of(displays_,
                                   [space](const sim::Display& d) { return d.spaces.current == space; });
    });
}

std::optional<SpaceId> SimulatedDesktop::fullScreenSpace(const sim::Window& window) const {
    if (window.spaces.size() != 1)
        return std::nullopt;
    const SpaceId id = window.spaces.front();
    const auto holds = [id](const sim::SpaceList& list) {
        const sim::Space* space = list.find(id);
        return space && space->fullScreen;
    };
    if (form_ == SpaceListForm::shared)
        return holds(sharedSpaces_) ? std::optional(id) : std::nullopt;
    return std::ranges::any_of(displays_, [&](const sim::Display& d) { return holds(d.spaces); })
               ? std::optional(id)
               : std::nullopt;
}

std::vector<const sim::Display*> SimulatedDesktop::displaysInScreenOrder() const {
    std::vector<const sim::Display*> result;
    for (const sim::Display& display : displays_)
        result.push_back(&display);
    std::ranges::stable_partition(result, [](const sim::Display* d) {
        return d->bounds.origin == Point{0, 0};
    });
    return result;
}

std::vector<WindowId> SimulatedDesktop::windowsOf(std::int32_t pid) const {
    std::vector<WindowId> result;
    for (WindowId number : stacking_)
        if (windows_.at(number).pid == pid)
            result.push_back(number);
    return result;
}

std::uint64_t SimulatedDesktop::newElement(sim::ElementTarget target) {
    elements_.push_back(target);
    return elements_.size();
}

void SimulatedDesktop::setFrame(sim::Window& window, Rect frame) {
    const Rect old = window.frame;
    window.frame = frame;
    if (old.origin != frame.origin)
        notify(window.pid, window.element, "AXMoved");
    if (old.size != frame.size)
        notify(window.pid, window.element, "AXResized");
}

// macOS puts a window that lands on another display onto the Space that display shows.
void SimulatedDesktop::followDisplay(sim::Window& window) {
    if (form_ == SpaceListForm::shared || window.onAllSpaces || window.spaces.size() != 1 ||
        fullScreenSpace(window))
        return;
    sim::Display* from = displayHolding(window.spaces.front());
    sim::Display* to = displayAt(window.frame.center());
    if (from && to && from != to)
        window.spaces = {to->spaces.homeDesktop()};
}

void SimulatedDesktop::raise(WindowId window) {
    changed();
    const auto at = std::ranges::find(stacking_, window);
    if (at != stacking_.end())
        std::rotate(stacking_.begin(), at, std::next(at));
}

void SimulatedDesktop::setFocusedWindow(sim::Application& app, std::optional<WindowId> window) {
    if (app.focusedWindow == window)
        return;
    app.focusedWindow = window;
    if (!window)
        return;
    const std::uint64_t element = windows_.at(*window).element;
    notify(app.info.processIdentifier, element, "AXFocusedWindowChanged");
    notify(app.info.processIdentifier, element, "AXMainWindowChanged");
}

void SimulatedDesktop::setMinimized(sim::Window& window, bool minimized) {
    if (window.minimized == minimized)
        return;
    window.minimized = minimized;
    notify(window.pid, window.element, minimized ? "AXWindowMiniaturized" : "AXWindowDeminiaturized");
}

SpaceId SimulatedDesktop::makeFullScreen(const std::vector<WindowId>& windows) {
    sim::Window& first = windows_.at(windows.front());
    sim::SpaceList& list = *listHolding(first.spaces.front());
    const sim::Display* shownOn = form_ == SpaceListForm::shared ? displayAt(first.frame.center())
                                                                 : displayHolding(first.spaces.front());
    const Rect area = shownOn ? shownOn->bounds : displays_.front().bounds;

    const sim::Space space{newSpaceId(), true, windows, area};
    const auto after = std::ranges::find(list.spaces, first.spaces.front(), &sim::Space::id);
    list.spaces.insert(std::next(after), space);
    list.current = space.id;
    spaceChanged();

    const double half = std::floor(area.width() / 2);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        sim::Window& window = windows_.at(windows[i]);
        window.frameBeforeFullScreen = window.frame;
        window.spaceBeforeFullScreen = window.spaces.front();
        window.spaces = {space.id};
        Rect tile = area;
        if (windows.size() == 2)
            tile = i == 0 ? Rect(area.minX(), area.minY(), half, area.height())
                          : Rect(area.minX() + half, area.minY(), area.width() - half, area.height());
        setFrame(window, tile);
    }
    return space.id;
}

void SimulatedDesktop::leaveFullScreen(sim::Window& window) {
    const SpaceId id = window.spaces.front();
    sim::SpaceList& list = *listHolding(id);
    sim::Space& space = *list.find(id);
    std::erase(space.tiles, window.number);

    const sim::Space* before = list.find(window.spaceBeforeFullScreen);
    const SpaceId back = before && !before->fullScreen ? before->id : list.homeDesktop();
    window.spaces = {back};
    const std::vector<WindowId> rest = space.tiles;
    const Rect area = space.area;
    if (rest.empty()) {
        const bool shown = list.current == id;
        list.remove(id);
        if (shown) {
            list.current = back;
            spaceChanged();
        }
    }
    setFrame(window, window.frameBeforeFullScreen);
    for (WindowId other : rest)
        setFrame(windows_.at(other), area);
}

void SimulatedDesktop::forget(WindowId number) {
    const sim::Window gone = windows_.at(number);
    if (const auto fullScreen = fullScreenSpace(gone)) {
        sim::SpaceList& list = *listHolding(*fullScreen);
        sim::Space& space = *list.find(*fullScreen);
        std::erase(space.tiles, number);
        if (space.tiles.empty())
            list.remove(*fullScreen);
    }
    windows_.erase(number);
    std::erase(stacking_, number);
    if (sim::Application* owner = app(gone.pid); owner && owner->focusedWindow == number) {
        const auto next = windowsOf(gone.pid);
        setFocusedWindow(*owner, next.empty() ? std::nullopt : std::optional(next.front()));
    }
    notify(gone.pid, gone.element, "AXUIElementDestroyed");
}

void SimulatedDesktop::moveToSpace(WindowId number, SpaceId target) {
    sim::Window* moved = window(number);
    sim::SpaceList* list = listHolding(target);
    if (!moved || !list || list->find(target)->fullScreen || fullScreenSpace(*moved))
        return;
    const sim::Display* from = moved->spaces.empty() ? nullptr : displayHolding(moved->spaces.front());
    const sim::Display* to = displayHolding(target);
    moved->spaces = {target};
    moved->onAllSpaces = false;
    changed();
    if (form_ == SpaceListForm::perDisplay && from && to && from != to)
        setFrame(*moved, moved->frame.offsetBy(to->bounds.minX() - from->bounds.minX(),
                                               to->bounds.minY() - from->bounds.minY()));
}

void SimulatedDesktop::notify(std::int32_t pid, std::uint64_t element, const std::string& notification) {
    changed();
    const auto appElement = appElements_.find(pid);
    for (const auto& [id, observer] : observers_) {
        if (observer.pid != pid)
            continue;
        std::pair<std::uint64_t, std::string> registered{element, notification};
        if (!observer.registrations.contains(registered)) {
            if (appElement == appElements_.end())
                continue;
            registered.first = appElement->second;
            if (!observer.registrations.contains(registered))
                continue;
        }
        queue_.after(MainQueue::Duration::zero(),
                     lifetime_.guarded([this, id, registered, element, notification] {
                         const auto found = observers_.find(id);
                         if (found == observers_.end() || !found->second.registrations.contains(registered))
                             return;
                         // A copy, because the callback may destroy its own observer.
                         const Callback callback = found->second.callback;
                         callback(AXElement(element), notification);
                     }));
    }
}

} // namespace quillmere
