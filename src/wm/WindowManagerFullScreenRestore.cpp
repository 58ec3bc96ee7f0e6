#include "system/AXUIElement.h"
#include "wm/WindowManager.h"

namespace quillmere {

// One Space at a time: each needs the display to itself while it switches there and the application fills
// or tiles the screen.
void WindowManager::restoreFullScreen(std::vector<FullScreenSnapshot> snapshots, const std::string& profile,
                                      std::map<WindowRef, WindowId> live, std::function<void()> then) {
    if (snapshots.empty()) {
        then();
        return;
    }
    const FullScreenSnapshot snapshot = snapshots.front();
    snapshots.erase(snapshots.begin());

    std::vector<WindowId> ids;
    for (const WindowRef& ref : snapshot.windows)
        if (const auto found = live.find(ref); found != live.end())
            ids.push_back(found->second);
    const auto first = ids.empty() ? tracking_.windows.end() : tracking_.windows.find(ids.front());
    const bool ready = first != tracking_.windows.end() &&
                       AXUIElementRef::value<bool>(ax_, first->second.element, "AXFullScreen") != true;
    const auto space = ready ? spaces_.space(first->first) : std::nullopt;
    if (!space) {
        log(LogLevel::default_, "profile %{public}s: %{public}s full screen skipped, already full screen or not open",
            profile, snapshot.windows.empty() ? std::string("?") : snapshot.windows.front().app);
        restoreFullScreen(std::move(snapshots), profile, std::move(live), std::move(then));
        return;
    }

    const WindowId firstWindow = first->first;
    std::optional<WindowId> second;
    if (ids.size() > 1 && tracking_.windows.contains(ids[1]))
        second = ids[1];
    log(LogLevel::default_, "profile %{public}s: %{public}s full screen%{public}s", profile,
        localizedName(first->second.pid),
        second ? " beside " + localizedName(tracking_.windows.at(*second).pid) : std::string());
    if (second)
        send(*second, *space, false);

    const Duration pause = second ? pairRestoreDelay : singleRestoreDelay;
    auto next = [this, snapshots = std::move(snapshots), profile, live = std::move(live),
                 then = std::move(then)]() mutable {
        restoreFullScreen(std::move(snapshots), profile, std::move(live), std::move(then));
    };
    services_.switcher.switchTo(*space, lifetime_.guarded([this, firstWindow, second, target = *space, pause,
                                                           next = std::move(next)]() mutable {
        if (const auto window = tracking_.windows.find(firstWindow); window != tracking_.windows.end())
            bringForward(window->second);
        later(fullScreenSettleDelay, [this, firstWindow, second, target, pause, next = std::move(next)]() mutable {
            fillScreen(firstWindow, second, target);
            later(pause, std::move(next));
        });
    }));
}

// A pair is made by the system's own tiling: the first window takes the left half and the second is chosen
// for the right one.
void WindowManager::fillScreen(WindowId first, std::optional<WindowId> second, SpaceId space) {
    const auto window = tracking_.windows.find(first);
    if (window == tracking_.windows.end())
        return;
    const auto partner = second ? tracking_.windows.find(*second) : tracking_.windows.end();
    if (partner != tracking_.windows.end() && fullScreen_.tile(window->second.pid, true)) {
        const Desktops desktops = spaces_.desktops();
        if (const DisplaySpaces* display = desktops.display(space)) {
            outsideMoves_.finishPair(partner->second, display->frame, true);
            return;
        }
    }
    fullScreen_.set(window->second, true);
}

} // namespace quillmere
