#include "wm/Mouse.h"

#include "platform/Log.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

namespace {

bool differs(double a, double b) {
    return std::abs(a - b) > Mouse::dragThreshold;
}

} // namespace

Mouse::Mouse(MouseTarget& target, const MouseServices& services)
    : target_(target), services_(services), queue_(services.queue),
      overlay_(services.panels, services.displays, services.queue) {
    target_.onPause([this] { endGesture(); });
    tap_ = services_.taps.createTap(
        EventTapLocation::session, EventTapPlacement::headInsert, EventTapOptions::defaultTap, tappedEvents,
        [this](EventType type, const Event& event) { return handle(type, event); });
    if (!tap_) {
        log(LogLevel::error, "mouse event tap unavailable");
        return;
    }
    const EventMask moved = eventMaskBit(EventType::mouseMoved);
    moveMonitor_ =
        services_.monitors.addGlobalMonitor(moved, [this](const Event& event) { pointerMoved(event); });
    localMoveMonitor_ = services_.monitors.addLocalMonitor(moved, [this](const Event& event) {
        pointerMoved(event);
        return event;
    });
}

Mouse::~Mouse() {
    stop();
}

void Mouse::stop() {
    target_.onPause({});
    if (tap_) {
        tap_->enable(false);
        tap_->invalidate();
        tap_.reset();
    }
    for (auto* monitor : {&moveMonitor_, &localMoveMonitor_})
        if (*monitor)
            services_.monitors.removeMonitor(*std::exchange(*monitor, std::nullopt));
    drag_.reset();
    // Neither may focus or re-tile once the permission they act with is gone.
    hoverWork_.cancel();
    trailingHitTest_.cancel();
    liveResizeWork_.cancel();
    overlay_.hide();
}

bool Mouse::handle(EventType type, const Event& event) {
    if (type == EventType::tapDisabledByTimeout || type == EventType::tapDisabledByUserInput) {
        if (services_.accessibility.isTrusted() && tap_)
            tap_->enable(true);
        // Its owner may drop the gestures from inside the call.
        const std::function<void()> disabled = onDisabled;
        disabled();
        return false;
    }
    if (target_.pausedByHand()) {
        // The application never saw the press: its release alone would reach it as a stray click end.
        if (swallowedRelease_ == type) {
            swallowedRelease_.reset();
            return true;
        }
        return false;
    }
    if (swallowedRelease_ == type)
        swallowedRelease_.reset();
    const bool swallowed = route(type, event);
    if (swallowed && (type == EventType::leftMouseDown || type == EventType::rightMouseDown))
        swallowedRelease_ = type == EventType::leftMouseDown ? EventType::leftMouseUp : EventType::rightMouseUp;
    return swallowed;
}

bool Mouse::route(EventType type, const Event& event) {
    switch (type) {
    case EventType::leftMouseDown:
        return leftDown(event);
    case EventType::leftMouseDragged:
        return leftDragged(event.location);
    case EventType::leftMouseUp:
        return leftUp(event.location);
    case EventType::rightMouseDown:
        return rightDown(event);
    case EventType::rightMouseDragged:
        if (!drag_ || !std::holds_alternative<Resizing>(*drag_))
            return false;
        resizeFromCorner(event.location);
        return true;
    case EventType::rightMouseUp: {
        if (!drag_ || !std::holds_alternative<Resizing>(*drag_))
            return false;
        const AXWindow window = std::get<Resizing>(*drag_).window;
        drag_.reset();
        finishResize(window);
        return true;
    }
    default:
        return false;
    }
}

bool Mouse::leftDown(const Event& event) {
    queue_.after(Duration::zero(), lifetime_.guarded([this] { target_.refreshStatus(); }));
    if ((event.flags & EventFlag::maskSecondaryFn) == 0) {
        drag_ = Pressed{event.location};
        return false;
    }
    return grab(event.location, (event.flags & EventFlag::maskShift) != 0);
}

bool Mouse::rightDown(const Event& event) {
    if ((event.flags & EventFlag::maskSecondaryFn) == 0)
        return false;
    log(LogLevel::default_, "fn + secondary click at %ld,%ld", static_cast<long>(event.location.x),
        static_cast<long>(event.location.y));
    return grab(event.location, true);
}

bool Mouse::grab(Point location, bool resizing) {
    const auto window = target_.window(location);
    const auto frame = window ? window->frame(services_.accessibility) : std::nullopt;
    if (!frame)
        return false;
    if (resizing)
        drag_ = Resizing{*window, *frame, location, frame->center().x < location.x,
                         frame->center().y < location.y};
    else
        drag_ = Moving{*window, *frame, location, true};
    return true;
}

bool Mouse::leftDragged(Point location) {
    if (!drag_)
        return false;
    if (const auto* pressed = std::get_if<Pressed>(&*drag_)) {
        std::vector<std::pair<AXWindow, Rect>> watched;
        for (const AXWindow& window : target_.windows(pressed->start, watchSlack))
            if (const auto frame = window.frame(services_.accessibility))
                watched.emplace_back(window, *frame);
        if (watched.empty())
            drag_.reset();
        else
            drag_ = Watching{std::move(watched)};
        return false;
    }
    if (const auto* watching = std::get_if<Watching>(&*drag_)) {
        watch(std::vector(watching->windows), location);
        return false;
    }
    if (const auto* resizing = std::get_if<EdgeResizing>(&*drag_)) {
        liveResize(resizing->window);
        return false;
    }
    if (std::holds_alternative<Resizing>(*drag_)) {
        resizeFromCorner(location);
        return true;
    }
    const Moving moving = std::get<Moving>(*drag_);
    if (!moving.byModifier) {
        showDropPreview(moving.window, location);
        return false;
    }
    const Point origin{moving.frame.minX() + location.x - moving.start.x,
                       moving.frame.minY() + location.y - moving.start.y};
    // The next drag event writes again.
    (void)services_.accessibility.setAttribute(moving.window.element, "AXPosition", AXValue(origin));
    const auto outer = edge(location);
    const auto adjacent = outer ? target_.adjacentDesktop(moving.window.id, outer->right) : std::nullopt;
    if (adjacent)
        overlay_.show(outer->strip, Overlay::Kind::send(adjacent->position));
    else
        showDropPreview(moving.window, location);
    return true;
}

bool Mouse::leftUp(Point location) {
    if (!drag_ || std::holds_alternative<Pressed>(*drag_) || std::holds_alternative<Watching>(*drag_)) {
        endGesture();
        return false;
    }
    if (const auto* resizing = std::get_if<EdgeResizing>(&*drag_)) {
        const AXWindow window = resizing->window;
        endGesture();
        finishResize(window);
        return false;
    }
    if (const auto* resizing = std::get_if<Resizing>(&*drag_)) {
        const AXWindow window = resizing->window;
        endGesture();
        finishResize(window);
        return true;
    }
    const Moving moving = std::get<Moving>(*drag_);
    endGesture();
    const auto outer = moving.byModifier ? edge(location) : std::nullopt;
    if (outer)
        target_.sendToAdjacentSpace(moving.window.id, outer->right);
    else if (target_.isTiled(moving.window.id))
        target_.drop(moving.window.id, location);
    return moving.byModifier;
}

void Mouse::endGesture() {
    drag_.reset();
    liveResizeWork_.cancel();
    overlay_.hide();
}

void Mouse::showDropPreview(const AXWindow& window, Point location) {
    if (const auto preview = target_.dropHighlight(window.id, location))
        overlay_.show(preview->rect, preview->kind);
    else
        overlay_.hide();
}

// The application moves or resizes its own window; what changed tells which the user is doing.
void Mouse::watch(const std::vector<std::pair<AXWindow, Rect>>& windows, Point location) {
    for (const auto& [window, was] : windows) {
        if (!target_.isTiled(window.id))
            continue;
        const auto now = window.frame(services_.accessibility);
        if (!now)
            continue;
        if (differs(now->width(), was.width()) || differs(now->height(), was.height())) {
            drag_ = EdgeResizing{window};
            liveResize(window);
            return;
        }
        if (differs(now->minX(), was.minX()) || differs(now->minY(), was.minY())) {
            drag_ = Moving{window, *now, location, false};
            showDropPreview(window, location);
            return;
        }
    }
}

void Mouse::liveResize(const AXWindow& window) {
    liveResizeWork_.schedule(liveResizeDelay, [this, id = window.id] { target_.userResized(id, true); });
}

void Mouse::finishResize(const AXWindow& window) {
    liveResizeWork_.cancel();
    target_.userResized(window.id, false);
}

// Past the opposite corner the window would turn inside out: it stops at its minimum size with that corner
// where it was.
void Mouse::resizeFromCorner(Point point) {
    if (!drag_ || !std::holds_alternative<Resizing>(*drag_))
        return;
    const Resizing& resizing = std::get<Resizing>(*drag_);
    const Rect& frame = resizing.frame;
    const double dx = point.x - resizing.start.x;
    const double dy = point.y - resizing.start.y;
    Size minimum{1, 1};
    if (const auto learned = target_.learnedMinimumSize(resizing.window.id))
        minimum = {std::max(learned->width, 1.0), std::max(learned->height, 1.0)};
    const double width = std::max(resizing.east ? frame.width() + dx : frame.width() - dx, minimum.width);
    const double height = std::max(resizing.south ? frame.height() + dy : frame.height() - dy, minimum.height);
    const Rect target{resizing.east ? frame.minX() : frame.maxX() - width,
                      resizing.south ? frame.minY() : frame.maxY() - height, width, height};
    resizing.window.setFrame(services_.accessibility, target);
    liveResize(resizing.window);
}

// Edges that border another display never count.
std::optional<Mouse::OuterEdge> Mouse::edge(Point point) {
    const Desktops desktops = services_.spaces.desktops();
    const DisplaySpaces* display = desktops.display(point);
    if (!display)
        return std::nullopt;
    const Rect& frame = display->frame;
    if (point.x <= frame.minX() + outerEdgeReach && desktops.isOuterEdge(false, *display))
        return OuterEdge{false, {frame.minX(), frame.minY(), sendStripWidth, frame.height()}};
    if (point.x >= frame.maxX() - outerEdgeReach && desktops.isOuterEdge(true, *display))
        return OuterEdge{true, {frame.maxX() - sendStripWidth, frame.minY(), sendStripWidth, frame.height()}};
    return std::nullopt;
}

void Mouse::pointerMoved(const Event& event) {
    const Point location = event.location;
    const auto displays = services_.displays.displaysWithPoint(location, 1);
    if (displays && displays->size() == 1 && displays->front() != pointerDisplay_) {
        pointerDisplay_ = displays->front();
        target_.refreshStatus();
    }
    if (target_.pausedByHand())
        return;
    focusFollowsMouse(location);
}

void Mouse::focusFollowsMouse(Point point) {
    if (!target_.focusFollowsMouse() || drag_)
        return;
    const MainQueue::Instant now = queue_.now();
    if (lastHitTest_ && now - *lastHitTest_ <= hitTestInterval) {
        latestPointer_ = point;
        if (!trailingHitTest_.isPending())
            trailingHitTest_.schedule(*lastHitTest_ + hitTestInterval - now, [this] {
                if (target_.focusFollowsMouse() && !drag_ && !target_.pausedByHand())
                    hitTest(latestPointer_);
            });
        return;
    }
    trailingHitTest_.cancel();
    hitTest(point);
}

void Mouse::hitTest(Point point) {
    lastHitTest_ = queue_.now();
    const auto window = target_.window(point);
    if (!window) {
        if (hovered_) {
            hovered_.reset();
            hoverWork_.cancel();
        }
        return;
    }
    if (hovered_ == window->id)
        return;
    hovered_ = window->id;
    hoverWork_.schedule(
        hoverDelay, [this, id = window->id, before = target_.focusedWindowID()] { hoverEnded(id, before); });
}

// Everything is checked again: a click, a key or a command that changed focus meanwhile wins.
void Mouse::hoverEnded(WindowId window, std::optional<WindowId> focusedBefore) {
    if (!target_.focusFollowsMouse() || drag_ || hovered_ != window || target_.pausedByHand())
        return;
    const auto pointer = services_.events.create();
    if (!pointer)
        return;
    const auto under = target_.window(pointer->location);
    if (!under || under->id != window || target_.focusedWindowID() != focusedBefore)
        return;
    const auto focused = target_.focusedWindow();
    if (!focused || focused->id != window)
        services_.focus.focusWithoutRaise(*under, focused);
}

} // namespace quillmere
