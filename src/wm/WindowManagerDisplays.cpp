#include "wm/WindowManager.h"

namespace quillmere {

namespace {

std::map<std::string, Rect> framesById(const Desktops& desktops) {
    std::map<std::string, Rect> frames;
    for (const DisplaySpaces& display : desktops.displays())
        frames.emplace(display.id, display.frame);
    return frames;
}

} // namespace

void WindowManager::displaysSettled() {
    if (gates_.pausedByHand) {
        gates_.displaysUnsettled = false;
        return;
    }
    const Desktops desktops = spaces_.desktops();
    const std::string fingerprint = desktops.fingerprint();
    if (fingerprint != lastDisplay_) {
        lastDisplay_ = fingerprint;
        // The layouts of a display that left are parked before anything may replace the arrangement
        // wholesale; the pass below then finds nothing more to park or give back.
        settleDisplayChange(desktops);
        if (const auto automatic = profiles_.automaticProfile(desktops)) {
            log(LogLevel::default_, "displays changed to %{public}s, applying %{public}s", fingerprint,
                automatic->name);
            profiles_.load(*automatic, LoadOrigin::automatic);
            gates_.displaysUnsettled = false;
            return;
        }
    }
    spaceChanged();
    gates_.displaysUnsettled = false;
}

std::set<WindowId> WindowManager::settleDisplayChange(const Desktops& desktops) {
    if (!lastDesktops_) {
        lastDesktops_ = desktops;
        return {};
    }
    const Desktops old = *std::exchange(lastDesktops_, desktops);
    if (!gates_.displaysUnsettled && framesById(old) == framesById(desktops))
        return {};

    std::set<WindowId> settled;
    for (const auto& [space, layout] : arrangement_.layouts)
        if (desktops.display(space))
            for (WindowId window : layoutWindows(layout))
                settled.insert(window);
    for (auto& [space, layout] : departed_.update(old, desktops, arrangement_.layouts))
        giveBack(space, std::move(layout), settled);
    gatherBack(settled, desktops);
    return settled;
}

// While a display was away the system gathered its windows onto another display's Desktop, where they stay
// when it returns, whether it was away long enough to give its layouts back or not. Written frames alone
// would only carry them to the Desktop the display shows, over its tiles, so each goes to the Space of its
// layout first, as a send does. A window moved between the Spaces of one display is left to the next pass.
void WindowManager::gatherBack(const std::set<WindowId>& windows, const Desktops& desktops) {
    for (WindowId window : windows) {
        const auto home = layoutSpace(window);
        const auto now = spaces_.space(window);
        if (!home || !now || Desktops::real(*home) == Desktops::real(*now))
            continue;
        const DisplaySpaces* homeDisplay = desktops.display(*home);
        const DisplaySpaces* nowDisplay = desktops.display(*now);
        if (homeDisplay && nowDisplay && homeDisplay->id != nowDisplay->id && !homeDisplay->isFullScreen(*home) &&
            !nowDisplay->isFullScreen(*now))
            spaces_.move(window, *home);
    }
}

// The system gathered the returning display's windows onto the displays that stayed, where admission may
// have tiled them: they leave those layouts for the one they come back to.
void WindowManager::giveBack(SpaceId space, SpaceLayout layout, std::set<WindowId>& settled) {
    for (WindowId window : layoutWindows(layout))
        if (!tracking_.windows.contains(window))
            layout.removeKeepingHoles(window);
    const std::vector<WindowId> windows = layoutWindows(layout);
    for (WindowId window : windows)
        for (auto& [other, held] : arrangement_.layouts)
            if (other != space && held.contains(window)) {
                held.remove(window);
                forgetFocus(other, window);
            }
    // Only a layout without tiles is replaced: the windows floating in it float on in the one given back.
    if (const auto replaced = arrangement_.layouts.find(space); replaced != arrangement_.layouts.end())
        for (WindowId window : replaced->second.floating)
            if (!layout.contains(window))
                layout.add(window, std::nullopt, std::nullopt, Rect(), 0, true, 0.5, {});
    arrangement_.layouts.insert_or_assign(space, std::move(layout));
    settled.insert(windows.begin(), windows.end());
    log(LogLevel::default_, "display back: restored desktop %ld with %ld window(s)",
        spaces_.desktops().number(space).value_or(0), static_cast<std::int64_t>(windows.size()));
}

} // namespace quillmere
