#include "system/AXUIElement.h"
#include "wm/WindowManager.h"

namespace quillmere {

std::string WindowManager::localizedName(std::int32_t pid) {
    const auto app = services_.desktop.applications.application(pid);
    return app ? app->localizedName.value_or("") : "";
}

std::string WindowManager::title(const AXWindow& window) {
    return AXUIElementRef::value<std::string>(ax_, window.element, "AXTitle").value_or("");
}

// The window server's Space of the window, else the active display's current one. None without an active
// display: there is no Space to lay the window out in.
std::optional<SpaceId> WindowManager::spaceOf(const AXWindow& window) {
    if (const auto space = spaces_.space(window.id))
        return space;
    return spaces_.desktops().activeSpace();
}

void WindowManager::layoutIfTileable(const AXWindow& window, bool applyingRules) {
    if (!window.isTileable(ax_))
        return;
    std::optional<SpaceId> found = spaceOf(window);
    if (!found)
        return;
    SpaceId space = *found;
    const Desktops desktops = spaces_.desktops();
    if (desktops.isFullScreen(space))
        return;

    bool routedByRule = false;
    if (applyingRules && !gates_.pausedByHand)
        if (const auto placed = placement(window); placed && placed->space != space) {
            routedByRule = placed->byRule;
            space = placed->space;
            spaces_.move(window.id, space);
        }

    const std::string app = localizedName(window.pid);
    const bool floats = config_.floatRules.floats(app, title(window));
    const auto laidOut = geometry(space, desktops);
    const Rect area = laidOut ? laidOut->area : Rect();
    const Spacing spacing = laidOut ? laidOut->spacing : config_.spacingSettings.spacingForDisplayWidth(0);
    SpaceLayout layout = this->layout(space);

    const auto saved = tracking_.savedSlots.extract(window.id);
    if (!saved.empty() && saved.mapped().space == space && layout.reinsert(window.id, saved.mapped().slot)) {
        log(LogLevel::default_, "window %u back in its old place", window.id);
    } else {
        const auto last = arrangement_.lastFocusedTiled.find(space);
        layout.add(window.id, window.bundleID(services_.desktop.applications),
                   last == arrangement_.lastFocusedTiled.end() ? std::nullopt : std::optional(last->second), area,
                   spacing.gap, floats, spacing.ratio, tileMinimumSizes());
    }
    arrangement_.layouts.insert_or_assign(space, std::move(layout));
    log(LogLevel::default_, "tracked %u %{public}s on space %ld floating=%{bool}d", window.id, app,
        desktops.number(space).value_or(0), floats);
    apply(space);

    if (routedByRule && config_.followsRouting)
        services_.switcher.switchTo(space, focusOnArrival(window.id));
    if (applyingRules && !gates_.pausedByHand && config_.fullScreenApps.contains(app)) {
        log(LogLevel::default_, "rule: %{public}s opens full screen", app);
        later(fullScreenRuleDelay, [this, window] { fullScreen_.set(window, true); });
    }
    focusChanged();
}

std::optional<WindowManager::Placement> WindowManager::placement(const AXWindow& window) {
    const std::string key = window.bundleID(services_.desktop.applications);
    if (const auto owed = profiles_.takeOwedSpace(key)) {
        log(LogLevel::default_, "profile owes %{public}s desktop %ld: routing window %u", key,
            spaces_.desktops().number(*owed).value_or(0), window.id);
        return Placement{*owed, false};
    }

    const auto rule = config_.spaceRules.apps.find(localizedName(window.pid));
    if (rule == config_.spaceRules.apps.end())
        return std::nullopt;
    const Desktops desktops = spaces_.desktops();
    const DisplaySpaces* active = desktops.active();
    if (!active || rule->second < 1 || rule->second > static_cast<std::int64_t>(active->spaces.size()))
        return std::nullopt;
    const auto space = Desktops::spaceNumbered(static_cast<int>(rule->second), *active);
    return space ? std::optional(Placement{*space, true}) : std::nullopt;
}

} // namespace quillmere
