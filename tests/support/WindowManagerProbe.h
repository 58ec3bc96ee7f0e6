#pragma once

#include "wm/WindowManager.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillmere {

// Looks inside a window manager for tests: its layouts, tracked windows and learned sizes.
class WindowManagerProbe {
  public:
    explicit WindowManagerProbe(WindowManager& manager) : manager_(manager) {}

    const std::map<SpaceId, SpaceLayout>& layouts() const { return manager_.arrangement_.layouts; }
    const SpaceLayout* layout(SpaceId space) const {
        const auto found = layouts().find(space);
        return found == layouts().end() ? nullptr : &found->second;
    }
    SpaceLayout& editLayout(SpaceId space) { return manager_.arrangement_.layouts.at(space); }
    bool isTracked(WindowId window) const { return manager_.tracking_.windows.contains(window); }
    std::vector<WindowId> tracked() const {
        std::vector<WindowId> ids;
        for (const auto& [id, window] : manager_.tracking_.windows)
            ids.push_back(id);
        return ids;
    }
    bool observes(std::int32_t pid) const { return manager_.tracking_.observers.contains(pid); }
    bool sawFullScreen(std::int32_t pid) const { return manager_.tracking_.fullScreenPIDs.contains(pid); }
    bool hasSavedSlot(WindowId window) const { return manager_.tracking_.savedSlots.contains(window); }
    std::optional<WindowId> lastFocusedTiled(SpaceId space) const {
        const auto found = manager_.arrangement_.lastFocusedTiled.find(space);
        return found == manager_.arrangement_.lastFocusedTiled.end() ? std::nullopt
                                                                     : std::optional(found->second);
    }
    std::optional<Size> minimumSize(WindowId window) const {
        const auto found = manager_.arrangement_.minimumSizes.find(window);
        return found == manager_.arrangement_.minimumSizes.end() ? std::nullopt : std::optional(found->second);
    }
    void learnMinimumSize(WindowId window, Size size) { manager_.arrangement_.minimumSizes[window] = size; }
    bool wasWritten(WindowId window) const { return manager_.writer_.writtenFrame(window).has_value(); }
    std::optional<MainQueue::Instant> writtenAt(WindowId window) const {
        return manager_.writer_.writtenAt(window);
    }
    const std::set<WindowId>& collectedMoves() const { return manager_.outsideMoves_.moved_; }
    void forgetWrite(WindowId window) { manager_.writer_.written_.erase(window); }
    bool adoptArrangement(SpaceId space) { return manager_.outsideMoves_.adoptArrangement(space); }
    void owe(const std::string& app, std::vector<SpaceId> spaces) {
        manager_.profiles_.owed_[app] = std::move(spaces);
    }
    const std::vector<SpaceId>* owed(const std::string& app) const {
        const auto found = manager_.profiles_.owed_.find(app);
        return found == manager_.profiles_.owed_.end() ? nullptr : &found->second;
    }
    bool isSettled(SpaceId space) const { return manager_.history_.settledSpaces.contains(space); }
    std::size_t pendingSessionSpaces() const { return manager_.session_.pendingSpaces(); }
    std::optional<SpaceId> previousSpace(const std::string& display) const {
        const auto found = manager_.history_.previousSpace.find(display);
        return found == manager_.history_.previousSpace.end() ? std::nullopt : std::optional(found->second);
    }
    bool displaysUnsettled() const { return manager_.gates_.displaysUnsettled; }
    bool isAnimating() const { return !manager_.writer_.animations_.empty(); }
    const std::optional<std::string>& lastProfileIcon() const { return manager_.lastProfileIcon(); }

    void restore(const SpaceSnapshot& snapshot, SpaceId space, const std::map<WindowRef, WindowId>& live) {
        manager_.restore(snapshot, space, live);
    }

    std::vector<InventoryWindow> inventory(bool fullScreen) { return manager_.allWindowsWithBounds(fullScreen); }
    std::map<WindowId, Rect> windowBounds() { return manager_.windowBounds(); }
    void refreshStatus() { manager_.refreshStatus(); }
    void publishStatus() { manager_.publishStatus(); }

  private:
    WindowManager& manager_;
};

} // namespace quillmere
