#include "system/AXUIElement.h"
#include "wm/WindowManager.h"

#include <algorithm>
#include <array>

namespace quillmere {

namespace {

constexpr std::array<std::string_view, 3> applicationNotifications{"AXWindowCreated", "AXFocusedWindowChanged",
                                                                   "AXMainWindowChanged"};
constexpr std::array<std::string_view, 5> windowNotifications{
    "AXUIElementDestroyed", "AXWindowMiniaturized", "AXWindowDeminiaturized", "AXMoved", "AXResized"};

} // namespace

void WindowManager::observe(std::int32_t pid, bool applyingRules) {
    if (pid == services_.ownPid)
        return;
    if (!tracking_.observers.contains(pid)) {
        auto made = ax_.observer(
            pid, lifetime_.guarded([this, pid](AXElement element, const std::string& notification) {
                handle(notification, element, pid);
            }));
        if (!made)
            return;
        std::unique_ptr<AXObserver> observer = std::move(made).value();
        const AXElement application = ax_.applicationElement(pid);
        // An application that does not answer now would never tell of the windows it opens later, so it is
        // not taken as observed: the next observation, or its next answer, tries again.
        for (std::string_view notification : applicationNotifications)
            if (observer->add(application, notification) == AXError::cannotComplete)
                return;
        tracking_.observers.emplace(pid, std::move(observer));
    }
    for (const AXWindow& window : AXUIElementRef::windows(ax_, pid)) {
        if (isLeftOut(window))
            returned(window);
        else
            track(window, applyingRules);
    }
}

void WindowManager::track(const AXWindow& window, bool applyingRules) {
    if (inFullScreen(window)) {
        tracking_.fullScreenPIDs.insert(window.pid);
        return;
    }
    if (registerWindow(window))
        layoutIfTileable(window, applyingRules);
}

bool WindowManager::inFullScreen(const AXWindow& window) {
    if (AXUIElementRef::value<bool>(ax_, window.element, "AXFullScreen") == true)
        return true;
    const auto space = spaces_.space(window.id);
    return space && spaces_.desktops().isFullScreen(*space);
}

bool WindowManager::registerWindow(const AXWindow& window) {
    if (tracking_.windows.contains(window.id))
        return false;
    if (AXUIElementRef::value<std::string>(ax_, window.element, "AXSubrole") != "AXStandardWindow")
        return false;
    const auto observer = tracking_.observers.find(window.pid);
    if (observer == tracking_.observers.end())
        return false;
    tracking_.windows.emplace(window.id, window);
    tracking_.byElement.emplace(window.element.id(), window.id);
    // A window that cannot be watched is still tiled; the next full look catches up with its changes.
    for (std::string_view notification : windowNotifications)
        (void)observer->second->add(window.element, notification);
    return true;
}

void WindowManager::untrack(WindowId id) {
    if (const auto tracked = tracking_.windows.find(id); tracked != tracking_.windows.end()) {
        tracking_.byElement.erase(tracked->second.element.id());
        tracking_.windows.erase(tracked);
    }
    arrangement_.minimumSizes.erase(id);
    writer_.forget(id);
    tracking_.sentFrom.erase(id);
    outsideMoves_.forget(id);
    removeFromLayouts(id);
}

void WindowManager::removeFromLayouts(WindowId id) {
    std::vector<SpaceId> holding;
    for (const auto& [space, layout] : arrangement_.layouts)
        if (layout.contains(id))
            holding.push_back(space);
    for (SpaceId space : holding) {
        arrangement_.layouts.at(space).remove(id);
        forgetFocus(space, id);
        apply(space);
    }
}

void WindowManager::forgetFocus(SpaceId space, WindowId window) {
    if (const auto last = arrangement_.lastFocusedTiled.find(space);
        last != arrangement_.lastFocusedTiled.end() && last->second == window)
        arrangement_.lastFocusedTiled.erase(last);
}

std::optional<AXWindow> WindowManager::trackedWindow(AXElement element) const {
    const auto found = tracking_.byElement.find(element.id());
    if (found == tracking_.byElement.end())
        return std::nullopt;
    return tracking_.windows.at(found->second);
}

std::optional<AXWindow> WindowManager::trackedWindow(WindowId window) const {
    const auto found = tracking_.windows.find(window);
    return found == tracking_.windows.end() ? std::nullopt : std::optional(found->second);
}

std::vector<AXWindow> WindowManager::windowsOf(std::int32_t pid) const {
    std::vector<AXWindow> result;
    for (const auto& [id, window] : tracking_.windows)
        if (window.pid == pid)
            result.push_back(window);
    return result;
}

void WindowManager::handle(const std::string& notification, AXElement element, std::int32_t pid) {
    const auto numbered = [&]() -> std::optional<AXWindow> {
        const auto number = ax_.windowNumber(element);
        if (!number || *number == 0)
            return std::nullopt;
        return AXWindow{*number, pid, element};
    };

    if (notification == "AXWindowCreated") {
        if (const auto window = numbered())
            track(*window, true);
    } else if (notification == "AXFocusedWindowChanged" || notification == "AXMainWindowChanged") {
        if (const auto window = numbered())
            later(tabCheckDelay, [this, window = *window] { followTabs(window); });
        focusChanged();
    } else if (const auto window = trackedWindow(element)) {
        if (notification == "AXUIElementDestroyed")
            untrack(window->id);
        else if (notification == "AXWindowMiniaturized")
            miniaturized(*window);
        else if (notification == "AXWindowDeminiaturized")
            returned(*window);
        else if (notification == "AXMoved" || notification == "AXResized")
            outsideMoves_.moved(*window);
    }
}

void WindowManager::miniaturized(const AXWindow& window) {
    if (const auto space = layoutSpace(window.id))
        if (const auto slot = arrangement_.layouts.at(*space).slot(window.id))
            tracking_.savedSlots.insert_or_assign(window.id, SavedSlot{window.pid, *space, *slot});
    removeFromLayouts(window.id);
}

// A window that comes back while a layout still holds it would be admitted a second time, perhaps on
// another Space, so only windows that are in no layout are admitted. One that went full screen while it was
// away is let go, as if it had gone full screen from its tile, so that it is admitted afresh on leaving.
void WindowManager::returned(const AXWindow& window) {
    if (layoutSpace(window.id))
        return;
    if (inFullScreen(window)) {
        tracking_.fullScreenPIDs.insert(window.pid);
        untrack(window.id);
        return;
    }
    layoutIfTileable(window, false);
}

void WindowManager::launched(const RunningApplication& app) {
    if (app.activationPolicy != ActivationPolicy::regular)
        return;
    const std::int32_t pid = app.processIdentifier;
    observe(pid, true);
    for (Duration delay : {firstRelaunchLook, secondRelaunchLook})
        later(delay, [this, pid] { observe(pid, true); });
}

void WindowManager::terminated(std::int32_t pid) {
    tracking_.observers.erase(pid);
    tracking_.hiddenPIDs.erase(pid);
    std::erase_if(tracking_.savedSlots, [pid](const auto& entry) { return entry.second.pid == pid; });
    for (const AXWindow& window : windowsOf(pid))
        untrack(window.id);
}

void WindowManager::hidden(std::int32_t pid) {
    tracking_.hiddenPIDs.insert(pid);
    for (const AXWindow& window : windowsOf(pid))
        removeFromLayouts(window.id);
}

void WindowManager::unhidden(std::int32_t pid) {
    tracking_.hiddenPIDs.erase(pid);
    for (const AXWindow& window : windowsOf(pid))
        returned(window);
}

void WindowManager::focusChanged() {
    emptyDisplay_.reset();
    const std::optional<AXWindow> window = focusedWindow();
    if (window)
        answered(window->pid);
    highlight_.follow(window);
    if (!window) {
        refreshStatus();
        return;
    }
    if (const auto space = spaceOf(*window)) {
        const auto found = arrangement_.layouts.find(*space);
        if (found != arrangement_.layouts.end() && found->second.tree.contains(window->id)) {
            SpaceLayout& layout = found->second;
            arrangement_.lastFocusedTiled[*space] = window->id;
            layout.focus(window->id);
            if (layout.mode == LayoutMode::stack && layout.stacking == StackAlgorithm::accordion)
                apply(*space);
        }
    }
    refreshStatus();
}

// Asked only when the application needs it, since observing walks all its windows.
void WindowManager::answered(std::int32_t pid) {
    const auto app = services_.desktop.applications.application(pid);
    if (tracking_.followingAnswer || !app || app->activationPolicy != ActivationPolicy::regular)
        return;
    const std::vector<AXWindow> windows = windowsOf(pid);
    if (tracking_.observers.contains(pid) &&
        std::ranges::none_of(windows, [this](const AXWindow& window) { return isLeftOut(window); }))
        return;
    tracking_.followingAnswer = true;
    observe(pid, false);
    tracking_.followingAnswer = false;
}

// A window on no Space is a tab in the background, and a hidden application's windows wait for it to show.
bool WindowManager::isLeftOut(const AXWindow& window) {
    return tracking_.windows.contains(window.id) && !tracking_.hiddenPIDs.contains(window.pid) &&
           !layoutSpace(window.id) && spaces_.space(window.id);
}

void WindowManager::followTabs(const AXWindow& window) {
    bool replacedOne = false;
    std::vector<SpaceId> spaces;
    for (const auto& [space, layout] : arrangement_.layouts)
        spaces.push_back(space);

    for (SpaceId space : spaces) {
        const SpaceLayout& layout = arrangement_.layouts.at(space);
        std::vector<WindowId> candidates = layout.tree.windows();
        candidates.insert(candidates.end(), layout.floating.begin(), layout.floating.end());
        std::vector<WindowId> stale;
        for (WindowId candidate : candidates) {
            const auto tracked = tracking_.windows.find(candidate);
            if (candidate != window.id && tracked != tracking_.windows.end() &&
                tracked->second.pid == window.pid && !spaces_.space(candidate))
                stale.push_back(candidate);
        }
        if (stale.empty())
            continue;
        if (!tracking_.windows.contains(window.id) && !registerWindow(window))
            continue;

        for (WindowId old : stale) {
            if (!replacedOne) {
                replacedOne = true;
                for (SpaceId other : spaces)
                    if (other != space && arrangement_.layouts.at(other).contains(window.id)) {
                        arrangement_.layouts.at(other).remove(window.id);
                        apply(other);
                    }
                log(LogLevel::default_, "window %u is the selected tab now, in %u's place", window.id, old);
                arrangement_.layouts.at(space).replace(old, window.id);
            } else {
                arrangement_.layouts.at(space).remove(old);
            }
            forgetFocus(space, old);
        }
        apply(space);
    }
}

void WindowManager::displaysChanged(std::string_view reason) {
    log(LogLevel::default_, "%{public}s; laying out again once displays settle", reason);
    gates_.displaysUnsettled = true;
    displaySettle_.schedule(displaySettleDelay, [this] { displaysSettled(); });
}

} // namespace quillmere
