#include "system/AXUIElement.h"
#include "wm/WindowManager.h"

#include <cmath>

namespace quillmere {

bool WindowManager::close(const Rect& a, const Rect& b, double tolerance) {
    return std::abs(a.minX() - b.minX()) <= tolerance && std::abs(a.minY() - b.minY()) <= tolerance &&
           std::abs(a.maxX() - b.maxX()) <= tolerance && std::abs(a.maxY() - b.maxY()) <= tolerance;
}

// Drags with the mouse belong to the mouse gestures, after a display change the display settle lays
// everything out again, and the picker of a full-screen pair moves windows only until the pair is made, so
// none of these is collected here. The time of the last write is not consulted: an
// echo can arrive long after the write when the application is slow.
void WindowManager::movedByOther(const AXWindow& window) {
    if (!config_.adoptsNativeTiling || gates_.pausedByHand || gates_.displaysUnsettled ||
        services_.desktop.mouseButtons.pressedMouseButtons() != 0 || isAnimated(window.id))
        return;
    const auto space = layoutSpace(window.id);
    if (!space || space == pairing_)
        return;
    const auto frame = window.frame(ax_);
    if (!frame || AXUIElementRef::value<bool>(ax_, window.element, "AXFullScreen") == true)
        return;
    correctMinimumSize(window.id, *frame);
    if (const auto written = arrangement_.written.find(window.id);
        written != arrangement_.written.end() && close(written->second.frame, *frame, echoTolerance))
        return;
    movedByOthers_.insert(window.id);
    lastOutsideMove_ = queue_.now();
    nativeSettle_.schedule(outsideMoveSettleDelay, [this] { settleMovedWindows(); });
}

// The manager's own glide passes through frames it never wrote as a whole.
bool WindowManager::isAnimated(WindowId window) const {
    for (const auto& [space, animation] : animations_)
        if (animation.target.contains(window))
            return true;
    return false;
}

void WindowManager::settleMovedWindows() {
    const std::set<WindowId> moved = std::exchange(movedByOthers_, {});
    if (gates_.pausedByHand || services_.desktop.mouseButtons.pressedMouseButtons() != 0)
        return;
    std::map<SpaceId, std::vector<WindowId>> bySpace;
    for (WindowId window : moved)
        if (const auto space = layoutSpace(window))
            bySpace[*space].push_back(window);
    for (const auto& [space, windows] : bySpace)
        readNativeTiling(windows, space);
}

} // namespace quillmere
