#include "wm/WindowManager.h"

#include <algorithm>
#include <limits>
#include <set>

namespace quillmere {

namespace {

std::optional<WindowId> fitting(std::int64_t number) {
    if (number < 0 || number > std::numeric_limits<WindowId>::max())
        return std::nullopt;
    return static_cast<WindowId>(number);
}

} // namespace

// The application's own hidden and click-through panels, such as the overlays, never stand between the
// pointer and a window.
std::vector<WindowManager::OnScreenEntry> WindowManager::onScreenWindows() {
    std::set<WindowId> ownShown;
    for (const ApplicationWindow& own : services_.desktop.applicationWindows.windows())
        if (own.isVisible && !own.ignoresMouseEvents)
            if (const auto number = fitting(own.windowNumber))
                ownShown.insert(*number);
    std::vector<OnScreenEntry> entries;
    for (const WindowDescription& description : services_.desktop.windowList.onScreenWindows()) {
        if (description.alpha && *description.alpha <= 0)
            continue;
        if (description.ownerPid == services_.ownPid && !ownShown.contains(description.number))
            continue;
        if (!description.bounds)
            continue;
        entries.push_back({description.number, description.ownerPid, description.layer, *description.bounds});
    }
    return entries;
}

std::optional<AXWindow> WindowManager::window(Point at) {
    const auto front = services_.focus.frontmostPID();
    const int popUpMenuLevel = services_.desktop.windowList.windowLevel(WindowLevelKey::popUpMenu);
    for (const OnScreenEntry& entry : onScreenWindows()) {
        if (!entry.bounds.contains(at))
            continue;
        if (entry.layer != 0 && entry.layer != popUpMenuLevel && entry.pid != front)
            continue;
        const auto tracked = tracking_.windows.find(entry.id);
        return tracked == tracking_.windows.end() ? std::nullopt : std::optional(tracked->second);
    }
    return std::nullopt;
}

std::vector<AXWindow> WindowManager::windows(Point near, double slack) {
    std::vector<AXWindow> found;
    for (const OnScreenEntry& entry : onScreenWindows()) {
        if (entry.layer != 0 || !entry.bounds.insetBy(-slack, -slack).contains(near))
            continue;
        if (const auto tracked = tracking_.windows.find(entry.id); tracked != tracking_.windows.end())
            found.push_back(tracked->second);
    }
    return found;
}

bool WindowManager::isTiled(WindowId id) const {
    const auto space = layoutSpace(id);
    return space && arrangement_.layouts.at(*space).tree.contains(id);
}

std::optional<WindowId> WindowManager::focusedWindowID() {
    const auto front = services_.focus.frontmostPID();
    if (front && *front == services_.ownPid) {
        const auto key = services_.desktop.applicationWindows.keyWindowNumber();
        return key ? fitting(*key) : std::nullopt;
    }
    const auto focused = focusedWindow();
    return focused ? std::optional(focused->id) : std::nullopt;
}

} // namespace quillmere
