#include "wm/WindowManager.h"

namespace quillmere {

namespace {

// How the restore log names each reference: "app#n=id", or why it waits.
std::string describeReferences(const SpaceSnapshot& snapshot, const std::map<WindowRef, WindowId>& live,
                               const std::function<bool(WindowId)>& isTracked) {
    std::string text;
    for (const WindowRef& ref : snapshot.windows()) {
        if (!text.empty())
            text += ", ";
        text += ref.text();
        const auto found = live.find(ref);
        if (found == live.end())
            text += " waits (not open)";
        else if (!isTracked(found->second))
            text += " waits (not tracked yet)";
        else
            text += "=" + std::to_string(found->second);
    }
    return text;
}

} // namespace

void WindowManager::settle(const std::vector<SpaceId>& spaces) {
    for (SpaceId space : spaces) {
        if (!history_.settledSpaces.insert(space).second)
            continue;
        if (restoreFromSession(space))
            continue;
        if (outsideMoves_.adoptArrangement(space))
            log(LogLevel::default_, "first shown: keeping the arrangement on desktop %ld",
                spaces_.desktops().number(space).value_or(0));
    }
}

// The record is used up whether or not anything of it can be restored: a Space is settled once.
bool WindowManager::restoreFromSession(SpaceId space) {
    const std::optional<Session::Space> record = session_.take(space);
    if (!record)
        return false;
    const auto number = spaces_.desktops().number(space);
    const LayoutMode mode = config_.spaceRules.layout(number ? std::optional<std::int64_t>(*number) : std::nullopt);

    // A window that has been admitted to another Space since is not taken back.
    const auto isHere = [this, space](WindowId window, const std::string& app) {
        const auto tracked = tracking_.windows.find(window);
        const auto layout = arrangement_.layouts.find(space);
        return tracked != tracking_.windows.end() &&
               tracked->second.bundleID(services_.desktop.applications) == app &&
               layout != arrangement_.layouts.end() && layout->second.contains(window);
    };
    const auto floats = [this](WindowId window) {
        const auto tracked = tracking_.windows.find(window);
        return tracked != tracking_.windows.end() &&
               config_.floatRules.floats(localizedName(tracked->second.pid), title(tracked->second));
    };
    const auto restorable = record->restorable(mode, isHere, floats);
    if (!restorable)
        return false;
    restore(restorable->layout, space, restorable->windows);
    return true;
}

// A window is in one layout only: each window the snapshot takes leaves whatever other layout held it.
void WindowManager::restore(const SpaceSnapshot& snapshot, SpaceId space, const std::map<WindowRef, WindowId>& live) {
    const auto isTracked = [this](WindowId window) { return tracking_.windows.contains(window); };
    std::set<SpaceId> leftBehind;
    for (const auto& [ref, window] : live) {
        if (!isTracked(window))
            continue;
        for (auto& [other, layout] : arrangement_.layouts)
            if (other != space && layout.contains(window)) {
                layout.remove(window);
                forgetFocus(other, window);
                leftBehind.insert(other);
            }
    }

    SpaceLayout restored(snapshot, [&](const WindowRef& ref) -> std::optional<WindowId> {
        const auto found = live.find(ref);
        return found != live.end() && isTracked(found->second) ? std::optional(found->second) : std::nullopt;
    });
    restored.tiling = config_.tiling;
    restored.stacking = config_.stacking;

    const Desktops desktops = spaces_.desktops();
    log(LogLevel::default_, "restore desktop %ld: %{public}s", desktops.number(space).value_or(0),
        describeReferences(snapshot, live, isTracked));

    const auto laidOut = geometry(space, desktops);
    const Rect area = laidOut ? laidOut->area : Rect();
    const double gap = laidOut ? laidOut->spacing.gap : config_.spacingSettings.spacingForDisplayWidth(0).gap;
    if (const auto old = arrangement_.layouts.find(space); old != arrangement_.layouts.end()) {
        for (WindowId window : old->second.tree.windows()) {
            if (restored.contains(window))
                continue;
            const auto tracked = tracking_.windows.find(window);
            const auto app = tracked == tracking_.windows.end()
                                 ? std::nullopt
                                 : std::optional(tracked->second.bundleID(services_.desktop.applications));
            restored.add(window, app, std::nullopt, area, gap, false, 0.5, tileMinimumSizes());
        }
        for (WindowId window : old->second.floating)
            if (!restored.contains(window))
                restored.add(window, std::nullopt, std::nullopt, area, gap, true, 0.5, {});
    }
    arrangement_.layouts.insert_or_assign(space, std::move(restored));
    apply(space);
    for (SpaceId other : leftBehind)
        apply(other);
}

void WindowManager::adoptOnScreen() {
    if (!config_.adoptsNativeTiling)
        return;
    reconcileSpaceMembership({});
    const Desktops desktops = spaces_.desktops();
    for (SpaceId space : desktops.visible())
        if (outsideMoves_.adoptArrangement(space))
            log(LogLevel::default_, "resumed: keeping the arrangement on desktop %ld",
                desktops.number(space).value_or(0));
}

} // namespace quillmere
