#include "wm/WindowInventory.h"

namespace quillmere {

bool mostlyOnScreen(const Rect& rect, const std::vector<Rect>& displays) {
    for (const Rect& display : displays) {
        const Rect common = display.intersection(rect);
        if (!common.isNull() && common.area() >= rect.area() / 2)
            return true;
    }
    return false;
}

} // namespace quillmere
