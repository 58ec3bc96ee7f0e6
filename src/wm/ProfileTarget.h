#pragma once

#include "core/Geometry.h"
#include "core/Profile.h"
#include "core/ProfilePlacement.h"
#include "core/SpaceLayout.h"
#include "core/SpaceSnapshot.h"
#include "core/WindowId.h"
#include "core/WindowRef.h"
#include "system/AXWindow.h"
#include "wm/WindowInventory.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The questions profile capture and load ask of the windows under management and the requests they make;
// the window manager answers them. Main thread only.
class ProfileTarget {
  public:
    virtual ~ProfileTarget() = default;

    // Every window on screen, full-screen Spaces included, with its application and Space.
    virtual std::vector<WindowPlace> allWindows() = 0;
    // The same windows with their bounds.
    virtual std::vector<InventoryWindow> windowsWithBounds() = 0;
    // The Space's stored layout, else the one a first window there would start.
    virtual SpaceLayout layout(SpaceId space) = 0;
    virtual std::optional<AXWindow> tracked(WindowId id) const = 0;
    // Whether a profile captured in the other Spaces mode is loaded all the same; `spansDisplays` is the
    // present mode.
    virtual bool loadsInOtherMode(const Profile& profile, bool spansDisplays) = 0;

    // Takes the window's tile out of the Space's layout, if that holds it.
    virtual void takeOut(WindowId window, SpaceId space) = 0;
    // Rebuilds the Space's layout from a snapshot; `live` names the window each reference stood for.
    virtual void restore(const SpaceSnapshot& snapshot, SpaceId space,
                         const std::map<WindowRef, WindowId>& live) = 0;
    // A tileable window that no layout holds joins the Space's layout as a new window would.
    virtual void admit(WindowId window, SpaceId space) = 0;
    // Writes the Space's layout to the screen.
    virtual void layOut(SpaceId space) = 0;
    // Sends the window to the Space, its tile with it.
    virtual void sendTo(WindowId window, SpaceId space) = 0;
    virtual void bringForward(const AXWindow& window) = 0;
    // The system has tiled a window into the left half of the screen: the partner is to be chosen for the
    // right.
    virtual void pairBeside(const AXWindow& partner, const Rect& screen) = 0;
    // For three seconds over the middle of the active display.
    virtual void flashNotice(const std::string& text) = 0;
    // The current profile or the Space shown changed.
    virtual void publishStatus() = 0;
    // A loaded profile's Desktops that found no Space; only when there is at least one.
    virtual void warnUnplaced(const Profile& profile, const std::vector<ProfilePlacement>& unplaced) = 0;
};

} // namespace quillmere
