#include "platform/qt/ScreensPicture.h"

#include <algorithm>

namespace quillmere {
namespace {

// Numbered as Mission Control shows them.
std::string spaceLabel(SimulatedDesktop& desktop, DisplayId display) {
    const auto order = desktop.spaceOrder(display);
    const auto at = std::ranges::find(order, desktop.currentSpace(display));
    return "Space " + std::to_string(at - order.begin() + 1) + " of " + std::to_string(order.size());
}

// Panels are placed with y counting up from the bottom of the first screen.
Rect globalFrame(const Rect& panelFrame, double firstScreenHeight) {
    return Rect(panelFrame.minX(), firstScreenHeight - panelFrame.maxY(), panelFrame.width(), panelFrame.height());
}

std::size_t windowsBelow(const std::vector<ScreensPicture::Window>& windows, const sim::Panel& panel) {
    const auto relative = std::ranges::find(windows, panel.relativeTo, &ScreensPicture::Window::number);
    if (panel.relativeTo == 0 || relative == windows.end())
        return windows.size();
    const auto at = static_cast<std::size_t>(relative - windows.begin());
    return panel.ordering == WindowOrderingMode::below ? at : at + 1;
}

} // namespace

ScreensPicture ScreensPicture::of(SimulatedDesktop& desktop) {
    ScreensPicture picture;
    const auto screens = desktop.screens();
    const double firstHeight = screens.empty() ? 0 : screens.front().frame.height();
    const auto main = desktop.mainScreen();
    const DisplayId active = main && main->number ? *main->number : 0;
    for (const Screen& screen : screens) {
        if (!screen.number)
            continue;
        const Rect bounds = desktop.bounds(*screen.number);
        const double menuBarHeight = screen.frame.height() - screen.visibleFrame.height();
        picture.displays.push_back({*screen.number, screen.localizedName, bounds,
                                    Rect(bounds.minX(), bounds.minY(), bounds.width(), menuBarHeight),
                                    spaceLabel(desktop, *screen.number), *screen.number == active});
    }

    const auto front = desktop.frontmostApplication();
    const std::optional<WindowId> focused = front ? desktop.keyWindow(front->processIdentifier) : std::nullopt;
    const auto shown = desktop.onScreenWindows();
    for (auto window = shown.rbegin(); window != shown.rend(); ++window)
        if (window->layer == 0 && window->bounds && desktop.frame(window->number))
            picture.windows.push_back({window->number, window->name.value_or(""), window->ownerName,
                                       *window->bounds, window->number == focused});

    for (const sim::Panel* panel : desktop.panels())
        if (panel->visible)
            picture.panels.push_back({globalFrame(panel->frame, firstHeight), panel->alpha,
                                      panel->style.background, panel->content,
                                      windowsBelow(picture.windows, *panel)});
    return picture;
}

} // namespace quillmere
