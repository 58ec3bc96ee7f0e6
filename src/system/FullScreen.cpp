#include "system/FullScreen.h"

#include "system/AXUIElement.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <string_view>

namespace quillmere {

namespace {

using AXUIElementRef::value;
using std::chrono::milliseconds;

constexpr milliseconds pollInterval{150};
constexpr int polls = 14;
constexpr int deepestMenuLevel = 4;

constexpr milliseconds buttonDown{60};
constexpr milliseconds buttonUp{120};
constexpr milliseconds pointerBack{250};

struct TileItem {
    std::string_view identifier;
    std::array<std::string_view, 2> titles;
};

constexpr TileItem leftItem{"_tileLeft:", {"Left of Screen", "Tile Window to Left of Screen"}};
constexpr TileItem rightItem{"_tileRight:", {"Right of Screen", "Tile Window to Right of Screen"}};

} // namespace

FullScreen::FullScreen(Accessibility& accessibility, WindowList& windowList, Events& events, MainQueue& queue,
                       SwitchGeneration& switchGeneration)
    : accessibility_(&accessibility), windowList_(&windowList), events_(&events), queue_(&queue),
      switchGeneration_(&switchGeneration) {}

bool FullScreen::set(const AXWindow& window, bool on) const {
    if (value<bool>(*accessibility_, window.element, "AXFullScreen").value_or(false) == on)
        return true;
    ++switchGeneration_->value;
    const auto settable = accessibility_->isSettable(window.element, "AXFullScreen");
    if (settable && *settable &&
        accessibility_->setAttribute(window.element, "AXFullScreen", on) == AXError::success)
        return true;
    // The button toggles, and the state is known to differ from the wanted one.
    const auto button = value<AXElement>(*accessibility_, window.element, "AXFullScreenButton");
    return button && accessibility_->perform(*button, "AXPress") == AXError::success;
}

bool FullScreen::tile(std::int32_t pid, bool left) const {
    const auto menuBar =
        value<AXElement>(*accessibility_, accessibility_->applicationElement(pid), "AXMenuBar");
    if (!menuBar)
        return false;
    const TileItem& item = left ? leftItem : rightItem;
    auto found = find(*menuBar, 0, [&](AXElement element) {
        return value<std::string>(*accessibility_, element, "AXIdentifier") == item.identifier;
    });
    if (!found)
        found = find(*menuBar, 0, [&](AXElement element) {
            const auto title = value<std::string>(*accessibility_, element, "AXTitle");
            return title && std::ranges::find(item.titles, *title) != item.titles.end();
        });
    if (!found)
        return false;
    ++switchGeneration_->value;
    return accessibility_->perform(*found, "AXPress") == AXError::success;
}

std::optional<AXElement> FullScreen::find(AXElement in, int depth, const Predicate& where) const {
    if (depth > deepestMenuLevel)
        return std::nullopt;
    const auto children = value<std::vector<AXElement>>(*accessibility_, in, "AXChildren");
    for (const AXElement child : children.value_or(std::vector<AXElement>{})) {
        if (value<std::string>(*accessibility_, child, "AXRole") == "AXMenuItem" && where(child) &&
            value<bool>(*accessibility_, child, "AXEnabled") != false)
            return child;
        // A disabled item's own submenu may still hold an enabled match.
        if (auto below = find(child, depth + 1, where))
            return below;
    }
    return std::nullopt;
}

void FullScreen::choose(WindowId window, Rect area, std::function<void(bool)> then) const {
    const auto start = bounds(window);
    const auto previous = bounds(window);
    queue_->after(pollInterval,
                  [self = *this, window, area, start, previous, then = std::move(then)]() mutable {
                      self.poll(window, area, start, previous, polls, std::move(then));
                  });
}

// The offered window must have left the place it had at the call and stood still between two polls.
void FullScreen::poll(WindowId window, Rect area, std::optional<Rect> start, std::optional<Rect> previous,
                      int triesLeft, std::function<void(bool)> then) const {
    --triesLeft;
    const auto current = bounds(window);
    const bool settled = current && (!start || *current != *start) && previous && *previous == *current &&
                         area.contains(current->center());
    if (settled) {
        click(*current, std::move(then));
        return;
    }
    if (triesLeft == 0) {
        then(false);
        return;
    }
    queue_->after(pollInterval,
                  [self = *this, window, area, start, current, triesLeft, then = std::move(then)]() mutable {
                      self.poll(window, area, start, current, triesLeft, std::move(then));
                  });
}

std::optional<Rect> FullScreen::bounds(WindowId of) const {
    for (const WindowDescription& description : windowList_->onScreenWindows())
        if (description.number == of)
            return description.bounds;
    return std::nullopt;
}

// Every step is timed from the call, and the pointer goes back where it stood.
void FullScreen::click(Rect bounds, std::function<void(bool)> then) const {
    const auto pointer = events_->create();
    const std::optional<Point> remembered = pointer ? std::optional(pointer->location) : std::nullopt;
    const Point target = bounds.center();
    Events* events = events_;
    const auto post = [events, target](EventType type) {
        if (const auto event = events->createMouseEvent(type, target))
            events->post(EventTapLocation::hid, *event);
    };
    queue_->after(milliseconds(0), [post] { post(EventType::mouseMoved); });
    queue_->after(buttonDown, [post] { post(EventType::leftMouseDown); });
    queue_->after(buttonUp, [post] { post(EventType::leftMouseUp); });
    queue_->after(pointerBack, [events, remembered, then = std::move(then)] {
        if (remembered)
            events->warpMouseCursorPosition(*remembered);
        then(true);
    });
}

} // namespace quillmere
