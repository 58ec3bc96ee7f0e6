#include "wm/WindowManagerCommandTarget.h"

#include <variant>

namespace quillmere {

WindowManager::Ending WindowManager::place(const Region& asked, CommandTarget& target) {
    const WindowId window = target.window.id;
    Region region = asked;
    if (auto* column = std::get_if<Region::Column>(&region.value); column && !column->span) {
        std::optional<Rect> frame;
        if (target.layout.tree.contains(window)) {
            const FrameMap tiles = target.layout.frames(target.area, 0);
            if (const auto tile = tiles.find(window); tile != tiles.end())
                frame = tile->second;
        }
        if (!frame)
            frame = target.window.frame(ax_);
        if (frame)
            column->span = Region::span(*frame, target.area);
    }

    if (!target.layout.floating.contains(window) && target.layout.mode != LayoutMode::float_) {
        target.layout.place(window, region, target.area);
        return Ending::keepingRestorePoint;
    }

    // A floating window is placed directly. An edge without a share of its own takes the share after the
    // one the window fills now, so that pressing again steps through the cycle.
    double share = Region::cycle.front();
    const auto* edge = std::get_if<Region::Edge>(&region.value);
    if (const auto frame = target.window.frame(ax_); edge && !edge->fraction && frame)
        for (std::size_t i = 0; i < Region::cycle.size(); ++i)
            if (region.rect(target.area, target.gap, Region::cycle[i]).integral() == frame->integral()) {
                share = Region::cycle[(i + 1) % Region::cycle.size()];
                break;
            }
    target.window.setFrame(ax_, region.rect(target.area, target.gap, share));
    return Ending::none;
}

} // namespace quillmere
