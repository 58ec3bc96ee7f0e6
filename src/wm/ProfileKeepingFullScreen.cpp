#include "platform/Log.h"
#include "system/AXUIElement.h"
#include "wm/ProfileKeeping.h"

namespace quillmere {

// One Space at a time: each needs the display to itself while it switches there and the application fills
// or tiles the screen.
void ProfileKeeping::restoreFullScreen(std::vector<FullScreenSnapshot> snapshots, const std::string& profile,
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
    const std::optional<AXWindow> first = ids.empty() ? std::nullopt : target_.tracked(ids.front());
    const bool ready =
        first && AXUIElementRef::value<bool>(services_.accessibility, first->element, "AXFullScreen") != true;
    const auto space = ready ? services_.spaces.space(first->id) : std::nullopt;
    if (!space) {
        log(LogLevel::default_,
            "profile %{public}s: %{public}s full screen skipped, already full screen or not open", profile,
            snapshot.windows.empty() ? std::string("?") : snapshot.windows.front().app);
        restoreFullScreen(std::move(snapshots), profile, std::move(live), std::move(then));
        return;
    }

    const WindowId firstWindow = first->id;
    const std::optional<AXWindow> partner = ids.size() > 1 ? target_.tracked(ids[1]) : std::nullopt;
    const std::optional<WindowId> second = partner ? std::optional(partner->id) : std::nullopt;
    log(LogLevel::default_, "profile %{public}s: %{public}s full screen%{public}s", profile,
        localizedName(first->pid), partner ? " beside " + localizedName(partner->pid) : std::string());
    if (second)
        target_.sendTo(*second, *space);

    const Duration pause = second ? pairRestoreDelay : singleRestoreDelay;
    auto next = [this, snapshots = std::move(snapshots), profile, live = std::move(live),
                 then = std::move(then)]() mutable {
        restoreFullScreen(std::move(snapshots), profile, std::move(live), std::move(then));
    };
    services_.switcher.switchTo(*space, lifetime_.guarded([this, firstWindow, second, target = *space, pause,
                                                           next = std::move(next)]() mutable {
        if (const auto window = target_.tracked(firstWindow))
            target_.bringForward(*window);
        later(fullScreenSettleDelay,
              [this, firstWindow, second, target, pause, next = std::move(next)]() mutable {
                  fillScreen(firstWindow, second, target);
                  later(pause, std::move(next));
              });
    }));
}

// A pair is made by the system's own tiling: the first window takes the left half and the second is chosen
// for the right one.
void ProfileKeeping::fillScreen(WindowId first, std::optional<WindowId> second, SpaceId space) {
    const auto window = target_.tracked(first);
    if (!window)
        return;
    const auto partner = second ? target_.tracked(*second) : std::nullopt;
    if (partner && services_.fullScreen.tile(window->pid, true)) {
        const Desktops desktops = services_.spaces.desktops();
        if (const DisplaySpaces* display = desktops.display(space)) {
            target_.pairBeside(*partner, display->frame);
            return;
        }
    }
    services_.fullScreen.set(*window, true);
}

} // namespace quillmere
