#include "wm/OutsideMoves.h"

#include "system/AXUIElement.h"

#include <cmath>
#include <utility>

namespace quillmere {

OutsideMoves::OutsideMoves(OutsideMovesTarget& target, Accessibility& accessibility,
                           MouseButtons& mouseButtons, Spaces& spaces, MainQueue& queue,
                           const FullScreen& fullScreen, Overlay& notice)
    : target_(target), ax_(accessibility), mouseButtons_(mouseButtons), spaces_(spaces), queue_(queue),
      fullScreen_(fullScreen), notice_(notice), settle_(queue) {}

bool OutsideMoves::close(const Rect& a, const Rect& b, double tolerance) {
    return std::abs(a.minX() - b.minX()) <= tolerance && std::abs(a.minY() - b.minY()) <= tolerance &&
           std::abs(a.maxX() - b.maxX()) <= tolerance && std::abs(a.maxY() - b.maxY()) <= tolerance;
}

// Drags with the mouse belong to the mouse gestures, after a display change the display settle lays
// everything out again, and the picker of a full-screen pair moves windows only until the pair is made, so
// none of these is collected here. The time of the last write is not consulted: an
// echo can arrive long after the write when the application is slow.
void OutsideMoves::moved(const AXWindow& window) {
    if (!target_.adoptsNativeTiling() || target_.pausedByHand() || target_.displaysUnsettled() ||
        mouseButtons_.pressedMouseButtons() != 0 || target_.isAnimated(window.id))
        return;
    const auto space = target_.layoutSpace(window.id);
    if (!space || space == pairing_)
        return;
    const auto frame = window.frame(ax_);
    if (!frame || AXUIElementRef::value<bool>(ax_, window.element, "AXFullScreen") == true)
        return;
    target_.correctMinimumSize(window.id, *frame);
    if (const auto written = target_.writtenFrame(window.id);
        written && close(*written, *frame, echoTolerance))
        return;
    moved_.insert(window.id);
    lastMove_ = queue_.now();
    settle_.schedule(settleDelay, [this] { settle(); });
}

void OutsideMoves::forget(WindowId window) {
    moved_.erase(window);
    beforeNativeTile_.erase(window);
}

void OutsideMoves::settle() {
    const std::set<WindowId> moved = std::exchange(moved_, {});
    if (target_.pausedByHand() || mouseButtons_.pressedMouseButtons() != 0)
        return;
    std::map<SpaceId, std::vector<WindowId>> bySpace;
    for (WindowId window : moved)
        if (const auto space = target_.layoutSpace(window))
            bySpace[*space].push_back(window);
    for (const auto& [space, windows] : bySpace)
        readNativeTiling(windows, space);
}

} // namespace quillmere
