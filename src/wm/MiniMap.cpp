#include "wm/MiniMap.h"

#include <algorithm>

namespace quillmere {

Rect normalized(const Rect& rect, const Rect& frame) {
    if (frame.isNull() || frame.width() == 0 || frame.height() == 0)
        return {};
    return {(rect.minX() - frame.minX()) / frame.width(), (rect.minY() - frame.minY()) / frame.height(),
            rect.width() / frame.width(), rect.height() / frame.height()};
}

double aspect(const Rect& frame) {
    if (frame.isNull())
        return 1;
    return frame.width() / (frame.height() <= 1 ? 1 : frame.height());
}

std::string MiniSpace::appNames(RunningApplications& applications) const {
    std::vector<MiniWindow> ordered = windows;
    std::ranges::stable_sort(ordered, {}, [](const MiniWindow& window) { return window.rect.minX(); });
    std::string names;
    for (const MiniWindow& window : ordered) {
        const auto app = applications.application(window.pid);
        if (!app || !app->localizedName)
            continue;
        if (!names.empty())
            names += " \u00B7 ";
        names += *app->localizedName;
    }
    return names;
}

} // namespace quillmere
