#include "system/AXUIElement.h"
#include "wm/WindowManager.h"

#include <set>

namespace quillmere {

void WindowManager::publishStatus() {
    publishStatus(spaces_.desktops());
}

void WindowManager::publishStatus(const Desktops& desktops) {
    const DisplaySpaces* active = desktops.active();
    const std::optional<SpaceId> current = desktops.activeSpace();
    const std::vector<SpaceId> order = active ? active->order : std::vector<SpaceId>();
    std::optional<std::int64_t> number;
    if (current)
        if (const auto desktop = desktops.number(*current))
            number = *desktop;

    const MainQueue::Instant now = queue_.now();
    if (!occupancy_.at || now - *occupancy_.at > occupancyLifetime) {
        std::set<SpaceId> occupied;
        for (const WindowPlace& window : allWindows())
            occupied.insert(window.space);
        occupancy_.spaces.clear();
        for (SpaceId space : order)
            occupancy_.spaces.push_back(occupied.contains(space));
        occupancy_.at = now;
    }

    Status status;
    status.space = current ? desktops.position(*current) : std::nullopt;
    if (number)
        if (const auto label = config_.spaceRules.labels.find(*number); label != config_.spaceRules.labels.end())
            status.label = label->second;
    const auto found = current ? arrangement_.layouts.find(*current) : arrangement_.layouts.end();
    if (found != arrangement_.layouts.end()) {
        const SpaceLayout& layout = found->second;
        status.stacked = layout.stackedOutOfSight();
        status.floating = static_cast<int>(layout.floating.size());
        status.windowCount = static_cast<int>(layout.tree.windows().size()) + status.floating;
        status.mode = layout.mode;
    } else {
        status.mode = config_.spaceRules.layout(number);
    }
    status.total = static_cast<int>(order.size());
    status.paused = gates_.pausedByHand;
    for (const DisplaySpaces& display : desktops.displays())
        status.displays.push_back({desktops.position(display.current), active && display.id == active->id});
    status.isFullScreen = current && desktops.isFullScreen(*current);
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (desktops.isFullScreen(order[i]))
            status.order.push_back(StepSlot::fullScreen());
        else
            status.order.push_back(StepSlot::desktop(i < occupancy_.spaces.size() && occupancy_.spaces[i]));
    }
    status.profile = profiles_.current();
    status.profileIcon = profiles_.current() ? profiles_.currentIcon() : std::nullopt;

    status_ = std::move(status);
    const Status published = status_;
    onStatusChange(published);
}

void WindowManager::refreshStatus() {
    publishStatus();
    statusRecheck_.schedule(statusRecheckDelay, [this] { publishStatus(); });
}

std::vector<WindowManager::WindowTitle> WindowManager::windowTitles() {
    std::vector<WindowTitle> result;
    for (const auto& [id, window] : tracking_.windows)
        result.push_back({localizedName(window.pid), title(window)});
    return result;
}

} // namespace quillmere
