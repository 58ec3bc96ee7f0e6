#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace quillmere {

namespace {

EventType downType(int button) {
    switch (button) {
    case 0:
        return EventType::leftMouseDown;
    case 1:
        return EventType::rightMouseDown;
    default:
        throw std::invalid_argument("the pointer script has no button " + std::to_string(button));
    }
}

} // namespace

EventMonitorToken SimulatedDesktop::addGlobalMonitor(EventMask mask, std::function<void(const Event&)> handler) {
    const EventMonitorToken token = nextMonitor_++;
    monitors_.emplace(token, sim::Monitor{.global = true, .mask = mask, .handler = std::move(handler)});
    return token;
}

EventMonitorToken SimulatedDesktop::addLocalMonitor(EventMask mask, std::function<Event(const Event&)> handler) {
    const EventMonitorToken token = nextMonitor_++;
    monitors_.emplace(token, sim::Monitor{.global = false,
                                          .mask = mask,
                                          .handler = [handler = std::move(handler)](const Event& event) {
                                              handler(event);
                                          }});
    return token;
}

void SimulatedDesktop::removeMonitor(EventMonitorToken token) {
    monitors_.erase(token);
}

// Monitors are looked up afresh for each call, as a handler may remove any of them.
void SimulatedDesktop::pointerMoved() {
    const bool ownInFront = ownApplication_ && front_ == ownApplication_;
    const Event event{.type = EventType::mouseMoved, .location = pointer_, .timestamp = absoluteTime()};
    std::vector<EventMonitorToken> tokens;
    for (const auto& [token, monitor] : monitors_)
        if (monitor.global != ownInFront && (monitor.mask & eventMaskBit(EventType::mouseMoved)) != 0)
            tokens.push_back(token);
    for (const EventMonitorToken token : tokens)
        if (const auto found = monitors_.find(token); found != monitors_.end()) {
            const auto handler = found->second.handler;
            handler(event);
        }
}

void SimulatedDesktop::mouseDown(int button, Point at, EventFlags flags) {
    const EventType type = downType(button);
    pointer_ = confined(at);
    pressButton(button);
    heldFlags_ = flags;
    input(type);
    const Event event{.type = type, .location = pointer_, .timestamp = absoluteTime(), .flags = flags};
    if (!throughTaps(event))
        deliverToApplication(event);
}

void SimulatedDesktop::mouseDrag(Point to) {
    EventType type = EventType::leftMouseDragged;
    if ((pressedButtons_ & 1) == 0) {
        if ((pressedButtons_ & 2) == 0)
            throw std::invalid_argument("a drag needs a held button");
        type = EventType::rightMouseDragged;
    }
    pointer_ = confined(to);
    input(type);
    const Event event{.type = type, .location = pointer_, .timestamp = absoluteTime(), .flags = heldFlags_};
    if (!throughTaps(event))
        deliverToApplication(event);
}

void SimulatedDesktop::mouseUp(int button) {
    const EventType type = button == 0 ? EventType::leftMouseUp : EventType::rightMouseUp;
    downType(button);
    releaseButton(button);
    input(type);
    const Event event{.type = type, .location = pointer_, .timestamp = absoluteTime(), .flags = heldFlags_};
    if (!throughTaps(event))
        deliverToApplication(event);
    if (button == 0)
        grab_.reset();
}

// Only a left press on a standard window's own layer starts anything: menus and panels keep their clicks.
void SimulatedDesktop::deliverToApplication(const Event& event) {
    applicationMouseEvents_.push_back({event.type, event.location});
    if (event.type == EventType::leftMouseDragged && grab_) {
        dragGrabbed(event.location);
        return;
    }
    if (event.type != EventType::leftMouseDown)
        return;
    grab_.reset();
    for (const WindowId number : std::vector(stacking_)) {
        const sim::Window& under = windows_.at(number);
        if (!isShown(under) || !under.frame.contains(event.location))
            continue;
        if (under.layer != 0)
            return;
        focus(number);
        const Rect& frame = under.frame;
        const Point at = event.location;
        sim::WindowGrab grab{.window = number,
                             .start = at,
                             .frame = frame,
                             .west = at.x - frame.minX() <= resizeBand,
                             .east = frame.maxX() - at.x <= resizeBand,
                             .north = at.y - frame.minY() <= resizeBand,
                             .south = frame.maxY() - at.y <= resizeBand};
        if (grab.resizes() || at.y < frame.minY() + titleBarHeight)
            grab_ = grab;
        return;
    }
}

// The application keeps its minimum and maximum size and the edges the user does not hold.
void SimulatedDesktop::dragGrabbed(Point to) {
    sim::Window* grabbed = window(grab_->window);
    if (!grabbed)
        return;
    const double dx = to.x - grab_->start.x;
    const double dy = to.y - grab_->start.y;
    const Rect& from = grab_->frame;
    if (!grab_->resizes()) {
        setFrame(*grabbed, from.offsetBy(dx, dy));
        followDisplay(*grabbed);
        return;
    }
    const double minX = from.minX() + (grab_->west ? dx : 0);
    const double maxX = from.maxX() + (grab_->east ? dx : 0);
    const double minY = from.minY() + (grab_->north ? dy : 0);
    const double maxY = from.maxY() + (grab_->south ? dy : 0);
    const Size size = acceptedSize(*grabbed, {std::max(maxX - minX, 1.0), std::max(maxY - minY, 1.0)});
    setFrame(*grabbed, {grab_->west ? from.maxX() - size.width : from.minX(),
                        grab_->north ? from.maxY() - size.height : from.minY(), size.width, size.height});
}

WindowId SimulatedDesktop::openPopUpMenu(std::int32_t pid, Rect rect) {
    return openWindow(pid, {.frame = rect, .role = "AXMenu", .subrole = std::nullopt, .layer = popUpMenuLevel,
                            .closeButton = false});
}

int SimulatedDesktop::windowLevel(WindowLevelKey key) {
    return key == WindowLevelKey::popUpMenu ? popUpMenuLevel : 0;
}

std::optional<std::vector<DisplayId>> SimulatedDesktop::displaysWithPoint(Point point, std::uint32_t maxDisplays) {
    std::vector<DisplayId> found;
    for (const sim::Display* shown : displaysInScreenOrder())
        if (found.size() < maxDisplays && shown->bounds.contains(point))
            found.push_back(shown->number);
    return found;
}

std::vector<ApplicationWindow> SimulatedDesktop::windows() {
    std::vector<ApplicationWindow> result;
    if (!ownApplication_)
        return result;
    for (const auto& [id, panel] : panels_)
        result.push_back({static_cast<std::int64_t>(panelNumbers + id), panel.visible, panel.style.ignoresMouseEvents});
    for (const WindowId number : windowsOf(*ownApplication_))
        result.push_back({number, isShown(windows_.at(number)), false});
    return result;
}

std::optional<std::int64_t> SimulatedDesktop::keyWindowNumber() {
    if (!ownApplication_ || front_ != ownApplication_)
        return std::nullopt;
    const auto key = keyWindow(*ownApplication_);
    return key ? std::optional<std::int64_t>(*key) : std::nullopt;
}

Rect SimulatedDesktop::globalFrame(const Rect& screenFrame) const {
    const auto ordered = displaysInScreenOrder();
    const double firstHeight = ordered.empty() ? 0 : ordered.front()->bounds.height();
    return {screenFrame.minX(), firstHeight - screenFrame.maxY(), screenFrame.width(), screenFrame.height()};
}

} // namespace quillmere
