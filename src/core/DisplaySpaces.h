#pragma once

#include "core/DisplayIdentity.h"
#include "core/FullScreenTiles.h"
#include "core/Geometry.h"
#include "core/WindowId.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// One display and its Spaces as the window server reports them. A Desktop is a Space that is not full
// screen; Desktop numbers count `spaces` and positions count `order`, both from 1.
struct DisplaySpaces {
    // Tells displays apart within one configuration of displays only; `identity` recognises them again.
    std::string id;
    DisplayIdentity identity;
    Rect frame;
    // The Desktops: Desktop n is the n-th element.
    std::vector<SpaceId> spaces;
    // The Space shown now, a Desktop or a full-screen Space.
    SpaceId current = 0;
    // Every Space, Desktops and full-screen Spaces, as Mission Control shows them.
    std::vector<SpaceId> order;
    std::map<SpaceId, FullScreenTiles> fullScreen;

    // Without an order the Desktops are the order.
    DisplaySpaces(std::string id, DisplayIdentity identity, Rect frame, std::vector<SpaceId> spaces,
                  SpaceId current, std::optional<std::vector<SpaceId>> order = std::nullopt,
                  std::map<SpaceId, FullScreenTiles> fullScreen = {});

    const std::string& name() const { return identity.name; }

    std::vector<SpaceId> fullScreenSpaces() const;
    bool isFullScreen(SpaceId space) const;
    // How many places `to` lies after `from` (before, when negative); `from` defaults to `current`.
    std::optional<int> steps(SpaceId to, std::optional<SpaceId> from = std::nullopt) const;
    // The next (or previous) Desktop round `order`, stepping over full-screen Spaces.
    std::optional<SpaceId> desktop(SpaceId after, bool forward) const;
    // The next (or previous) full-screen Space round `order`, stepping over Desktops.
    std::optional<SpaceId> fullScreenSpace(SpaceId after, bool forward) const;

    friend bool operator==(const DisplaySpaces&, const DisplaySpaces&) = default;

  private:
    bool isDesktop(SpaceId space) const;
    std::optional<SpaceId> walk(SpaceId after, bool forward, bool wantDesktop) const;
};

} // namespace quillmere
