#include "platform/Log.h"
#include "wm/OutsideMoves.h"

namespace quillmere {

namespace {

constexpr double refusalSeconds = 3;
// Finding the partner's thumbnail takes the user longer than reading a refusal.
constexpr double hintSeconds = 4;

} // namespace

// The system makes the split full-screen Space; the layouts stay as they are, and the Space change that
// follows is handled like any other.
void OutsideMoves::pairFullScreen() {
    const auto window = target_.focusedWindow();
    const auto space = window ? target_.layoutSpace(window->id) : std::nullopt;
    const SpaceLayout* layout = space ? target_.storedLayout(*space) : nullptr;
    if (!layout || !layout->tree.contains(window->id)) {
        log(LogLevel::default_, "fullscreen pair: no tiled window has focus");
        return;
    }
    const Desktops desktops = spaces_.desktops();
    const auto laidOut = target_.geometry(*space, desktops);
    const FrameMap tiles = laidOut ? layout->frames(laidOut->area, laidOut->spacing.gap) : FrameMap{};
    const auto partner = laidOut ? pairPartner(*layout, window->id, laidOut->area) : std::nullopt;
    const auto partnerWindow = partner ? target_.trackedWindow(*partner) : std::nullopt;
    if (!partnerWindow || !tiles.contains(window->id) || !tiles.contains(*partner)) {
        log(LogLevel::default_, "fullscreen pair: %u has no neighbour to pair with", window->id);
        return;
    }

    const Rect& tile = tiles.at(window->id);
    const bool left = tile.midX() <= tiles.at(*partner).midX();
    const std::string app = target_.localizedName(window->pid);
    pairing_ = *space;
    if (!fullScreen_.tile(window->pid, left)) {
        pairing_.reset();
        log(LogLevel::default_, "fullscreen pair: %{public}s has no Full Screen Tile menu item", app);
        notice_.flash(tile, Overlay::Kind::refused(app + " can't go full screen beside another window"),
                      refusalSeconds);
        return;
    }
    log(LogLevel::default_, "fullscreen pair: %u %{public}s beside %u %{public}s", window->id,
        std::string(left ? "left" : "right"), *partner, target_.localizedName(partnerWindow->pid));
    // Pressing the item has begun a Space change, so the display is read anew.
    const Desktops afterPress = spaces_.desktops();
    if (const DisplaySpaces* display = afterPress.display(*space))
        finishPair(*partnerWindow, display->frame, left);
    else
        pairing_.reset();
}

// A sibling that is one real window is the partner; otherwise the nearest neighbour, east first.
std::optional<WindowId> OutsideMoves::pairPartner(const SpaceLayout& layout, WindowId focused,
                                                  const Rect& area) const {
    if (const auto slot = layout.slot(focused))
        if (const auto* tiled = std::get_if<SpaceLayout::Slot::Tiled>(&slot->value))
            if (const auto* split = std::get_if<BSPTree::Slot::Split>(&tiled->slot.value);
                split && split->siblings.size() == 1 && !BSPTree::isHole(split->siblings.front()))
                return split->siblings.front();
    for (Direction toward : {Direction::east, Direction::west, Direction::south, Direction::north})
        if (const auto neighbour = layout.neighbor(focused, toward, area))
            return neighbour;
    return std::nullopt;
}

void OutsideMoves::finishPair(const AXWindow& partner, const Rect& farHalfOf, bool left) {
    const double halfWidth = farHalfOf.width() / 2;
    const Rect farHalf(left ? farHalfOf.midX() : farHalfOf.minX(), farHalfOf.minY(), halfWidth,
                       farHalfOf.height());
    const std::string app = target_.localizedName(partner.pid);
    fullScreen_.choose(
        partner.id, farHalf, lifetime_.guarded([this, id = partner.id, farHalf, app](bool chosen) {
            pairing_.reset();
            if (chosen)
                return;
            log(LogLevel::default_, "fullscreen pair: no thumbnail for %u to choose", id);
            notice_.flash(farHalf, Overlay::Kind::hint("Choose " + app + " to finish"), hintSeconds);
        }));
}

} // namespace quillmere
