#include "wm/WindowManager.h"

#include <algorithm>

namespace quillmere {

namespace {

// Windows smaller than this on either side are palettes and such, not windows the user arranges.
constexpr double smallestSide = 100;

} // namespace

std::vector<Rect> WindowManager::displayBounds() {
    std::vector<Rect> bounds;
    for (DisplayId display : services_.desktop.displays.activeDisplays())
        bounds.push_back(services_.desktop.displays.bounds(display));
    return bounds;
}

std::vector<InventoryWindow> WindowManager::allWindowsWithBounds(bool fullScreen) {
    const Desktops desktops = spaces_.desktops();
    std::set<SpaceId> candidates;
    if (fullScreen) {
        for (const DisplaySpaces& display : desktops.displays())
            candidates.insert(display.order.begin(), display.order.end());
    } else {
        const std::vector<SpaceId> desktopSpaces = desktops.allSpaces();
        candidates.insert(desktopSpaces.begin(), desktopSpaces.end());
    }
    const std::vector<Rect> displays = displayBounds();

    std::vector<InventoryWindow> inventory;
    for (const WindowDescription& description : services_.desktop.windowList.allWindows()) {
        if (description.layer != 0 || description.ownerPid == services_.ownPid)
            continue;
        const auto app = services_.desktop.applications.application(description.ownerPid);
        if (!app || app->activationPolicy != ActivationPolicy::regular || !app->bundleIdentifier)
            continue;
        if (!description.bounds || description.bounds->width() < smallestSide ||
            description.bounds->height() < smallestSide || !mostlyOnScreen(*description.bounds, displays))
            continue;
        const auto space = spaces_.space(description.number, description.bounds);
        if (!space || !candidates.contains(*space))
            continue;
        if (const FullScreenTiles* tiles = desktops.tiles(*space)) {
            const std::vector<WindowId> paired = tiles->windows();
            if (std::ranges::find(paired, description.number) == paired.end())
                continue;
        }
        inventory.push_back(
            {description.number, *app->bundleIdentifier, *space, *description.bounds, description.ownerPid});
    }
    return inventory;
}

std::vector<WindowPlace> WindowManager::allWindows() {
    std::vector<WindowPlace> places;
    for (const InventoryWindow& window : allWindowsWithBounds(true))
        places.push_back({window.id, window.app, window.space});
    return places;
}

std::map<WindowId, Rect> WindowManager::windowBounds() {
    std::map<WindowId, Rect> bounds;
    for (const WindowDescription& description : services_.desktop.windowList.allWindows())
        if (description.bounds)
            bounds.try_emplace(description.number, *description.bounds);
    return bounds;
}

// The inventory's windows on the Space that its layout holds (all of them when it has none), front last.
std::vector<MiniWindow> WindowManager::miniWindows(const std::vector<InventoryWindow>& inventory, SpaceId space,
                                                   const Rect& frame) {
    const auto found = arrangement_.layouts.find(space);
    const SpaceLayout* layout = found == arrangement_.layouts.end() ? nullptr : &found->second;
    std::vector<MiniWindow> windows;
    for (auto window = inventory.rbegin(); window != inventory.rend(); ++window) {
        if (window->space != space || (layout && !layout->contains(window->id)))
            continue;
        windows.push_back({window->id, window->pid, normalized(window->bounds, frame),
                           layout && layout->floating.contains(window->id)});
    }
    return windows;
}

std::vector<MiniDisplay> WindowManager::miniMap() {
    const std::vector<InventoryWindow> inventory = allWindowsWithBounds(true);
    const Desktops desktops = spaces_.desktops();
    const std::vector<DisplaySpaces>& displays = desktops.displays();
    const auto label = [this](std::size_t desktop) -> std::optional<std::string> {
        const auto found = config_.spaceRules.labels.find(static_cast<std::int64_t>(desktop) + 1);
        return found == config_.spaceRules.labels.end() ? std::nullopt : std::optional(found->second);
    };

    if (desktops.spansDisplays() && displays.size() > 1) {
        Rect all = Rect::null();
        for (const DisplaySpaces& display : displays)
            all = all.united(display.frame);
        const DisplaySpaces& first = displays.front();
        MiniDisplay spanning{.id = "spanning", .name = "All displays", .frame = all, .aspect = aspect(all),
                             .isActive = true};
        for (std::size_t position = 0; position < first.order.size(); ++position) {
            const SpaceId space = first.order[position];
            MiniSpace mini{.id = space, .number = static_cast<int>(position) + 1, .isCurrent = space == first.current};
            const auto desktop = std::ranges::find(first.spaces, space);
            if (desktop != first.spaces.end()) {
                const auto k = static_cast<std::size_t>(desktop - first.spaces.begin());
                mini.label = label(k);
                for (const DisplaySpaces& display : displays) {
                    if (k >= display.spaces.size())
                        continue;
                    const std::vector<MiniWindow> shown = miniWindows(inventory, display.spaces[k], all);
                    mini.windows.insert(mini.windows.end(), shown.begin(), shown.end());
                    mini.panelSpaces.push_back(display.spaces[k]);
                }
            } else {
                mini.windows = miniWindows(inventory, space, all);
                mini.isFullScreen = true;
            }
            spanning.spaces.push_back(std::move(mini));
        }
        for (const DisplaySpaces& display : displays) {
            spanning.panels.push_back(normalized(display.frame, all));
            spanning.panelDisplays.push_back(display.id);
        }
        return {spanning};
    }

    std::vector<MiniDisplay> result;
    const DisplaySpaces* active = desktops.active();
    for (const DisplaySpaces& display : displays) {
        MiniDisplay mini{.id = display.id, .name = display.name(), .frame = display.frame,
                         .aspect = aspect(display.frame), .isActive = active && active->id == display.id};
        for (std::size_t position = 0; position < display.order.size(); ++position) {
            const SpaceId space = display.order[position];
            const auto desktop = std::ranges::find(display.spaces, space);
            const bool isDesktop = desktop != display.spaces.end();
            mini.spaces.push_back(
                {.id = space,
                 .number = static_cast<int>(position) + 1,
                 .label = isDesktop ? label(static_cast<std::size_t>(desktop - display.spaces.begin()))
                                    : std::nullopt,
                 .isCurrent = space == display.current,
                 .windows = miniWindows(inventory, space, display.frame),
                 .isFullScreen = !isDesktop});
        }
        result.push_back(std::move(mini));
    }
    return result;
}

} // namespace quillmere
