#include "wm/WindowManager.h"

namespace quillmere {

namespace {

constexpr double noticeSeconds = 3;
constexpr double noticeWidth = 440;
constexpr double noticeHeight = 120;

} // namespace

std::vector<InventoryWindow> WindowManager::windowsWithBounds() {
    return allWindowsWithBounds(true);
}

std::optional<AXWindow> WindowManager::tracked(WindowId id) const {
    const auto found = tracking_.windows.find(id);
    return found == tracking_.windows.end() ? std::nullopt : std::optional(found->second);
}

bool WindowManager::loadsInOtherMode(const Profile& profile, bool spansDisplays) {
    return confirmModeMismatch && confirmModeMismatch(profile, spansDisplays);
}

void WindowManager::takeOut(WindowId window, SpaceId space) {
    if (const auto left = arrangement_.layouts.find(space); left != arrangement_.layouts.end()) {
        left->second.remove(window);
        forgetFocus(space, window);
    }
}

void WindowManager::admit(WindowId id, SpaceId space) {
    const auto tracked = tracking_.windows.find(id);
    if (tracked == tracking_.windows.end() || layoutSpace(id) || !tracked->second.isTileable(ax_))
        return;
    const AXWindow& window = tracked->second;
    const Desktops desktops = spaces_.desktops();
    const auto laidOut = geometry(space, desktops);
    const Spacing spacing = laidOut ? laidOut->spacing : config_.spacingSettings.spacingForDisplayWidth(0);
    SpaceLayout layout = this->layout(space);
    layout.add(id, window.bundleID(services_.desktop.applications), std::nullopt,
               laidOut ? laidOut->area : Rect(), spacing.gap,
               config_.floatRules.floats(localizedName(window.pid), title(window)), spacing.ratio,
               tileMinimumSizes());
    arrangement_.layouts.insert_or_assign(space, std::move(layout));
    apply(space);
}

void WindowManager::layOut(SpaceId space) {
    apply(space);
}

void WindowManager::sendTo(WindowId window, SpaceId space) {
    send(window, space, false);
}

void WindowManager::pairBeside(const AXWindow& partner, const Rect& screen) {
    outsideMoves_.finishPair(partner, screen, true);
}

void WindowManager::flashNotice(const std::string& text) {
    const Desktops desktops = spaces_.desktops();
    const DisplaySpaces* active = desktops.active();
    if (!active)
        return;
    const Rect& frame = active->frame;
    notice_.flash(
        Rect(frame.midX() - noticeWidth / 2, frame.midY() - noticeHeight / 2, noticeWidth, noticeHeight),
        Overlay::Kind::refused(text), noticeSeconds);
}

void WindowManager::warnUnplaced(const Profile& profile, const std::vector<ProfilePlacement>& unplaced) {
    if (onProfileWarning)
        onProfileWarning(profile, unplaced);
}

} // namespace quillmere
