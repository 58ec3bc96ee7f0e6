#pragma once

#include "core/LayoutSnapshot.h"

#include <string>

namespace quillmere {

// What the menu of one tile offers and the layout each of its actions gives. References it adds carry
// index 0; the settings model numbers them before the profile is written.
class TileMenuChoices {
  public:
    TileMenuChoices(LayoutSnapshot tree, LayoutPath path);

    // The tile holds at least one app.
    bool holdsApps() const { return holdsApps_; }
    std::string chooseTitle() const { return holdsApps_ ? "Replace App" : "Choose App"; }
    // Nothing to remove from a layout that is a single empty tile.
    bool canRemove() const { return !path_.empty() || holdsApps_; }

    // The tile holds the app alone.
    LayoutSnapshot choosing(const std::string& app) const;
    // The app goes to the back of the tile's stack.
    LayoutSnapshot stacking(const std::string& app) const;
    LayoutSnapshot splitting(Axis along) const { return tree_.splitting(path_, along); }
    LayoutSnapshot clearing() const { return tree_.replacing(path_, LayoutSnapshot::tile()); }
    LayoutSnapshot removing() const { return tree_.removing(path_); }

  private:
    LayoutSnapshot tree_;
    LayoutPath path_;
    std::vector<WindowRef> refs_;
    bool holdsApps_ = false;
};

} // namespace quillmere
