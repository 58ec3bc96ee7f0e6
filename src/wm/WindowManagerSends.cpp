#include "core/SpanningSpace.h"
#include "wm/WindowManager.h"

#include <algorithm>

namespace quillmere {

namespace {

// The same shared Desktop, on the display that the other id names.
SpaceId onDisplayOf(SpaceId space, SpaceId other) {
    constexpr SpaceId displayBits = 0xFF;
    return (space & ~displayBits) | (other & displayBits);
}

} // namespace

void WindowManager::send(WindowId window, SpaceId to, bool keepingDisplay) {
    if (!tracking_.windows.contains(window))
        return;
    const Desktops desktops = spaces_.desktops();
    const auto current = spaces_.space(window);
    if (!current || desktops.isFullScreen(*current))
        return;
    const bool bothShared = (to & SpanningSpace::mark) && (*current & SpanningSpace::mark);
    const SpaceId target = keepingDisplay && bothShared ? onDisplayOf(to, *current) : to;
    // Only a Desktop that a display has now can take the window: a layout made for any other id would hold
    // the window where no Space shows it.
    const DisplaySpaces* holder = desktops.display(target);
    if (!holder || holder->isFullScreen(target) || target == *current)
        return;
    carry(window, *current, target);
}

// A window that comes back to the Space it was sent from takes its old place again: inserted afresh it could
// find no tile with room for it beside the others and end up stacked on one of them.
void WindowManager::relocate(WindowId window, SpaceId from, SpaceId to) {
    bool floats = false;
    std::optional<SpaceLayout::Slot> left;
    if (const auto source = arrangement_.layouts.find(from); source != arrangement_.layouts.end()) {
        floats = source->second.floating.contains(window);
        left = source->second.slot(window);
        source->second.remove(window);
    }
    forgetFocus(from, window);

    const auto laidOut = geometry(to, spaces_.desktops());
    const Rect area = laidOut ? laidOut->area : Rect();
    const Spacing spacing = laidOut ? laidOut->spacing : config_.spacingSettings.spacingForDisplayWidth(0);
    const auto tracked = tracking_.windows.find(window);
    const auto app = tracked == tracking_.windows.end()
                         ? std::nullopt
                         : std::optional(tracked->second.bundleID(services_.desktop.applications));
    const auto last = arrangement_.lastFocusedTiled.find(to);
    SpaceLayout layout = this->layout(to);
    const auto back = tracking_.sentFrom.extract(window);
    if (back.empty() || back.mapped().space != to || !layout.reinsert(window, back.mapped().slot))
        layout.add(window, app,
                   last == arrangement_.lastFocusedTiled.end() ? std::nullopt : std::optional(last->second), area,
                   spacing.gap, floats, spacing.ratio, tileMinimumSizes());
    if (left && tracked != tracking_.windows.end())
        tracking_.sentFrom.insert_or_assign(window, SavedSlot{tracked->second.pid, from, *left});
    arrangement_.layouts.insert_or_assign(to, std::move(layout));
    apply(from);
    apply(to);
}

std::optional<WindowManager::AdjacentDesktop> WindowManager::adjacentDesktop(WindowId window, bool forward) {
    auto space = layoutSpace(window);
    if (!space)
        space = spaces_.space(window);
    if (!space)
        return std::nullopt;
    const Desktops desktops = spaces_.desktops();
    const DisplaySpaces* display = desktops.display(*space);
    if (!display || std::ranges::find(display->spaces, *space) == display->spaces.end())
        return std::nullopt;
    const auto next = display->desktop(*space, forward);
    const auto position = next ? desktops.position(*next) : std::nullopt;
    if (!position)
        return std::nullopt;
    return AdjacentDesktop{*next, *position};
}

void WindowManager::sendToAdjacentSpace(WindowId window, bool forward) {
    if (!tracking_.windows.contains(window))
        return;
    const auto current = spaces_.space(window);
    if (!current)
        return;
    const auto adjacent = adjacentDesktop(window, forward);
    if (!adjacent || adjacent->space == *current)
        return;
    sendAndFollow(window, *current, adjacent->space);
}

void WindowManager::sendToSpace(std::int64_t position, WindowId window, SpaceId from) {
    const Desktops desktops = spaces_.desktops();
    const DisplaySpaces* display = desktops.display(from);
    if (!display)
        return;
    const auto target = Desktops::spaceAtPosition(position, *display);
    if (!target)
        return;
    if (display->isFullScreen(*target)) {
        log(LogLevel::default_, "send %ld: a full-screen app's Space, can't take windows", position);
        return;
    }
    if (*target != from)
        sendAndFollow(window, from, *target);
}

void WindowManager::sendToDisplay(bool forward, WindowId window, SpaceId from) {
    const Desktops desktops = spaces_.desktops();
    const DisplaySpaces* display = desktops.display(from);
    const DisplaySpaces* neighbour = display ? desktops.neighbor(*display, forward) : nullptr;
    if (!neighbour)
        return;
    if (neighbour->isFullScreen(neighbour->current)) {
        log(LogLevel::default_, "send display: %{public}s is showing a full-screen app", neighbour->name());
        return;
    }
    if (neighbour->current != from)
        sendAndFollow(window, from, neighbour->current);
}

// Only a window whose tile is in the source layout has a tile to carry: one that tiling left out stays out.
void WindowManager::carry(WindowId window, SpaceId from, SpaceId to) {
    spaces_.move(window, to);
    if (const auto source = arrangement_.layouts.find(from);
        source != arrangement_.layouts.end() && source->second.contains(window))
        relocate(window, from, to);
}

void WindowManager::sendAndFollow(WindowId window, SpaceId from, SpaceId to) {
    carry(window, from, to);
    if (config_.followsSends)
        services_.switcher.switchTo(to, focusOnArrival(window));
}

} // namespace quillmere
