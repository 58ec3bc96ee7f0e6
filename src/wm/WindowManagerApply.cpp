#include "wm/WindowManager.h"

#include <algorithm>
#include <utility>

namespace quillmere {

void WindowManager::apply(SpaceId space, std::optional<WindowId> skipping, bool learning) {
    if (gates_.pausedByHand) {
        const Desktops desktops = spaces_.desktops();
        if (desktops.activeSpace() == space)
            publishStatus(desktops);
    }
    if (!gates_.started || gates_.launching || gates_.pausedByHand || !arrangement_.layouts.contains(space))
        return;
    session_.saveSoon();
    writer_.write(space, skipping, learning);
}

std::optional<FrameMap> WindowManager::fitLayout(SpaceId space, const Rect& area, double gap) {
    const auto found = arrangement_.layouts.find(space);
    if (found == arrangement_.layouts.end())
        return std::nullopt;
    found->second.normalize(area, gap, tileMinimumSizes());
    return found->second.frames(area, gap);
}

void WindowManager::activeSpaceWritten(SpaceId space, const Desktops& desktops, const Rect& area,
                                       double gap) {
    publishStatus(desktops);
    const auto found = arrangement_.layouts.find(space);
    const auto marked =
        found == arrangement_.layouts.end() ? std::nullopt : found->second.preselectionRect(area, gap);
    if (marked)
        preselectOverlay_.show(*marked, Overlay::Kind::preselect());
    else
        preselectOverlay_.hide();
}

void WindowManager::rememberMinimumSize(WindowId window, Size size) {
    arrangement_.minimumSizes.insert_or_assign(window, size);
}

MinimumSizes WindowManager::tileMinimumSizes() const {
    MinimumSizes result;
    result.reserve(tracking_.windows.size());
    for (const auto& [id, window] : tracking_.windows) {
        const auto learned = arrangement_.minimumSizes.find(id);
        const Size size = learned == arrangement_.minimumSizes.end() ? Size() : learned->second;
        result.emplace(id, Size{std::max(size.width, smallestTile.width), std::max(size.height, smallestTile.height)});
    }
    return result;
}

// The Space's display's screen, else the main screen, else the first screen.
std::optional<Screen> WindowManager::screen(SpaceId space, const Desktops& desktops) {
    if (const DisplaySpaces* display = desktops.display(space))
        if (auto shown = spaces_.screen(display->id))
            return shown;
    if (auto main = services_.desktop.displays.mainScreen())
        return main;
    const std::vector<Screen> screens = services_.desktop.displays.screens();
    return screens.empty() ? std::nullopt : std::optional(screens.front());
}

std::optional<SpaceGeometry> WindowManager::geometry(SpaceId space, const Desktops& desktops) {
    const auto shown = screen(space, desktops);
    if (!shown)
        return std::nullopt;
    const Spacing spacing = config_.spacingSettings.spacingForDisplayWidth(shown->frame.width());
    const Rect area = visibleFrame(*shown).insetBy(spacing.padding, spacing.padding);
    return SpaceGeometry{spacing, area};
}

// Screens count from the bottom left of the first screen; the visible frame turned into global points.
Rect WindowManager::visibleFrame(const Screen& screen) {
    const std::vector<Screen> screens = services_.desktop.displays.screens();
    const double primaryHeight = screens.empty() ? screen.frame.height() : screens.front().frame.height();
    const Rect& visible = screen.visibleFrame;
    return {visible.minX(), primaryHeight - visible.maxY(), visible.width(), visible.height()};
}

std::optional<Rect> WindowManager::visibleArea(SpaceId space) {
    const auto shown = screen(space, spaces_.desktops());
    return shown ? std::optional(visibleFrame(*shown)) : std::nullopt;
}

SpaceLayout WindowManager::layout(SpaceId space) {
    if (const auto found = arrangement_.layouts.find(space); found != arrangement_.layouts.end())
        return found->second;
    const auto number = spaces_.desktops().number(space);
    return SpaceLayout(config_.spaceRules.layout(number ? std::optional<std::int64_t>(*number) : std::nullopt),
                       config_.tiling, config_.stacking);
}

const SpaceLayout* WindowManager::storedLayout(SpaceId space) const {
    const auto found = arrangement_.layouts.find(space);
    return found == arrangement_.layouts.end() ? nullptr : &found->second;
}

void WindowManager::storeLayout(SpaceId space, SpaceLayout layout) {
    arrangement_.layouts.insert_or_assign(space, std::move(layout));
}

std::optional<SpaceId> WindowManager::layoutSpace(WindowId window) const {
    for (const auto& [space, layout] : arrangement_.layouts)
        if (layout.contains(window))
            return space;
    return std::nullopt;
}

} // namespace quillmere
