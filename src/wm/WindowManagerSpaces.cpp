#include "wm/WindowManager.h"

#include <algorithm>
#include <utility>

namespace quillmere {

std::vector<WindowId> WindowManager::layoutWindows(const SpaceLayout& layout) {
    std::vector<WindowId> ids = layout.tree.windows();
    ids.insert(ids.end(), layout.floating.begin(), layout.floating.end());
    return ids;
}

// Every step works from one read of the Spaces, so that a change arriving meanwhile is left whole to the
// next pass. Windows admitted while fresh Spaces settle are written once, with their Space, at the end.
void WindowManager::spaceChanged() {
    const SignpostIntervalState interval = signposter.beginInterval("Space change");
    const Desktops desktops = spaces_.desktops();
    noteShownSpaces(desktops);
    const std::set<WindowId> settledByDisplays = settleDisplayChange(desktops);
    reconcileSpaceMembership(settledByDisplays);

    const std::vector<SpaceId> visible = desktops.visible();
    std::vector<SpaceId> fresh;
    std::ranges::copy_if(visible, std::back_inserter(fresh),
                         [this](SpaceId space) { return !history_.settledSpaces.contains(space); });
    gates_.launching = !fresh.empty();
    std::set<std::int32_t> pids;
    for (const RunningApplication& app : services_.desktop.applications.runningApplications())
        if (app.activationPolicy == ActivationPolicy::regular)
            pids.insert(app.processIdentifier);
    for (std::int32_t pid : pids)
        observe(pid, false);
    if (gates_.launching) {
        settle(fresh);
        gates_.launching = false;
    }

    lookAgainAfterFullScreen();
    capturePreviewsSoon();
    for (SpaceId space : visible)
        apply(space);
    if (!settledByDisplays.empty()) {
        std::vector<SpaceId> hidden;
        for (const auto& [space, layout] : arrangement_.layouts)
            if (std::ranges::find(visible, space) == visible.end() && desktops.display(space))
                hidden.push_back(space);
        for (SpaceId space : hidden)
            apply(space);
    }
    highlight_.follow(focusedWindow());
    publishStatus();
    signposter.endInterval("Space change", interval);
}

void WindowManager::noteShownSpaces(const Desktops& desktops) {
    for (const DisplaySpaces& display : desktops.displays()) {
        const auto shown = history_.shownSpace.find(display.id);
        if (shown != history_.shownSpace.end() && shown->second == display.current)
            continue;
        if (shown != history_.shownSpace.end())
            history_.previousSpace.insert_or_assign(display.id, shown->second);
        else
            history_.previousSpace.erase(display.id);
        history_.shownSpace.insert_or_assign(display.id, display.current);
    }
}

// A Space the read does not know (its display just left, or the list was read mid-change) says nothing
// about where the window belongs, so only a Space its display calls full screen untracks a window.
void WindowManager::reconcileSpaceMembership(const std::set<WindowId>& keeping) {
    const Desktops desktops = spaces_.desktops();
    const std::map<WindowId, Rect> bounds = desktops.spansDisplays() ? windowBounds() : std::map<WindowId, Rect>{};

    std::vector<std::pair<SpaceId, std::vector<WindowId>>> held;
    for (const auto& [space, layout] : arrangement_.layouts)
        held.emplace_back(space, layoutWindows(layout));

    for (const auto& [from, windows] : held) {
        for (WindowId window : windows) {
            if (keeping.contains(window))
                continue;
            const auto frame = bounds.find(window);
            const auto to = spaces_.space(window, frame == bounds.end() ? std::nullopt : std::optional(frame->second));
            if (!to || *to == from)
                continue;
            const DisplaySpaces* display = desktops.display(*to);
            if (Desktops::real(*to) == Desktops::real(from) && frame != bounds.end() && display) {
                const Rect common = display->frame.intersection(frame->second);
                if ((common.isNull() ? 0 : common.area()) < frame->second.area() / 2)
                    continue;
            }
            if (!display)
                continue;
            if (display->isFullScreen(*to)) {
                log(LogLevel::default_, "window %u went full screen, no longer tiled", window);
                const auto tracked = tracking_.windows.find(window);
                const auto layout = arrangement_.layouts.find(from);
                const auto slot = layout == arrangement_.layouts.end() ? std::nullopt : layout->second.slot(window);
                if (tracked != tracking_.windows.end() && slot)
                    tracking_.savedSlots.insert_or_assign(window, SavedSlot{tracked->second.pid, from, *slot});
                untrack(window);
                continue;
            }
            log(LogLevel::default_, "window %u moved outside Quillmere to space %ld", window,
                desktops.number(*to).value_or(0));
            relocate(window, from, *to);
        }
    }
}

void WindowManager::lookAgainAfterFullScreen() {
    std::set<std::int32_t> pids = std::exchange(tracking_.fullScreenPIDs, {});
    for (const auto& [window, saved] : tracking_.savedSlots)
        pids.insert(saved.pid);
    for (std::int32_t pid : pids)
        for (Duration delay : {firstFullScreenLook, secondFullScreenLook})
            later(delay, [this, pid] { observe(pid, false); });
}

void WindowManager::capturePreviewsSoon() {
    if (!services_.previews.enabled())
        return;
    previewCapture_.schedule(previewCaptureDelay, [this] { capturePreviews(); });
}

// Pictures of windows on hidden Spaces are kept as they were; those of windows gone are dropped.
void WindowManager::capturePreviews() {
    const std::vector<InventoryWindow> inventory = allWindowsWithBounds(true);
    std::set<WindowId> present;
    for (const InventoryWindow& window : inventory)
        present.insert(window.id);
    services_.previews.keep(present);

    const std::vector<SpaceId> visible = spaces_.desktops().visible();
    std::vector<WindowId> shown;
    for (const InventoryWindow& window : inventory)
        if (std::ranges::find(visible, window.space) != visible.end())
            shown.push_back(window.id);
    services_.previews.refresh(shown);
}

} // namespace quillmere
