#include "wm/FullScreenSnapshots.h"

#include <algorithm>
#include <set>

namespace quillmere {

std::vector<FullScreenSnapshot> fullScreenSnapshots(const Desktops& desktops,
                                                    const std::vector<InventoryWindow>& windows,
                                                    const std::map<WindowId, WindowRef>& refs) {
    // The most windows a full-screen Space holds: one application, or the two of a split pair.
    constexpr std::size_t mostWindows = 2;
    std::vector<FullScreenSnapshot> snapshots;
    std::set<SpaceId> met;
    for (const DisplaySpaces& display : desktops.displays())
        for (SpaceId space : display.fullScreenSpaces()) {
            if (!met.insert(space).second)
                continue;
            std::vector<const InventoryWindow*> onSpace;
            for (const InventoryWindow& window : windows)
                if (window.space == space)
                    onSpace.push_back(&window);
            std::ranges::stable_sort(onSpace, {}, [](const InventoryWindow* window) { return window->bounds.minX(); });
            FullScreenSnapshot snapshot;
            for (const InventoryWindow* window : onSpace)
                if (const auto ref = refs.find(window->id);
                    ref != refs.end() && snapshot.windows.size() < mostWindows)
                    snapshot.windows.push_back(ref->second);
            if (!snapshot.windows.empty())
                snapshots.push_back(std::move(snapshot));
        }
    return snapshots;
}

} // namespace quillmere
