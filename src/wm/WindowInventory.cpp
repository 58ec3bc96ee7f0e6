#include "wm/WindowInventory.h"

#include <utility>

namespace quillmere {

std::map<WindowRef, WindowId> liveRefs(const std::vector<WindowPlace>& windows) {
    std::vector<std::pair<WindowId, std::string>> pairs;
    for (const WindowPlace& window : windows)
        pairs.emplace_back(window.id, window.app);
    std::map<WindowRef, WindowId> live;
    for (const auto& [id, ref] : WindowRef::assign(pairs))
        live.try_emplace(ref, id);
    return live;
}

bool mostlyOnScreen(const Rect& rect, const std::vector<Rect>& displays) {
    for (const Rect& display : displays) {
        const Rect common = display.intersection(rect);
        if (!common.isNull() && common.area() >= rect.area() / 2)
            return true;
    }
    return false;
}

} // namespace quillmere
