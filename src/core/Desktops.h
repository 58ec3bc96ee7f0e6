#pragma once

#include "core/DisplayIdentity.h"
#include "core/DisplaySpaces.h"
#include "core/FullScreenTiles.h"
#include "core/Geometry.h"
#include "core/WindowId.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillmere {

struct Profile;
struct ProfilePlacement;

// Every display and its Spaces at one moment, exactly as the window server reports them. Displays are kept
// in display order: by frame min x, then min y, the given order for ties.
class Desktops {
  public:
    // One screen that shows a Space list shared by all screens.
    struct Screen {
        std::string id;
        DisplayIdentity identity;
        Rect frame;
        int index = 0;
    };

    // The active display is the first whose id is `activeID`, else the first display.
    explicit Desktops(std::vector<DisplaySpaces> displays, std::optional<std::string> activeID = std::nullopt,
                      bool spansDisplays = false);

    // One Space list shared by every screen: each screen gets its own synthetic ids for the shared Desktops,
    // while full-screen Spaces keep their real ids. The screen at origin (0, 0) is active.
    static Desktops spanning(const std::vector<Screen>& screens, const std::vector<SpaceId>& spaces,
                             SpaceId current, const std::optional<std::vector<SpaceId>>& order = std::nullopt,
                             const std::map<SpaceId, FullScreenTiles>& fullScreen = {});

    // The window server's Space id behind an id of a shared Space list.
    static SpaceId real(SpaceId id);

    const std::vector<DisplaySpaces>& displays() const { return displays_; }
    // None only without displays.
    const DisplaySpaces* active() const;
    bool spansDisplays() const { return spansDisplays_; }
    // The display at origin (0, 0), else the active one.
    const DisplaySpaces* main() const;

    std::optional<SpaceId> activeSpace() const;
    // The Space each display shows, in display order.
    std::vector<SpaceId> visible() const;
    // The Desktops of every display, in display order.
    std::vector<SpaceId> allSpaces() const;

    const DisplaySpaces* display(SpaceId space) const;
    bool isFullScreen(SpaceId space) const;
    const FullScreenTiles* tiles(SpaceId space) const;
    // The Desktop number; none for a full-screen Space.
    std::optional<int> number(SpaceId space) const;
    // The place among all Spaces of its display, full-screen Spaces included.
    std::optional<int> position(SpaceId space) const;
    // Positions and numbers come from commands as 64-bit values and are compared as such, so that none
    // wraps round onto a small one.
    static std::optional<SpaceId> spaceAtPosition(std::int64_t position, const DisplaySpaces& display);
    static std::optional<SpaceId> spaceNumbered(std::int64_t number, const DisplaySpaces& display);

    // The next or previous display, wrapping round.
    const DisplaySpaces* neighbor(const DisplaySpaces& display, bool forward) const;
    const DisplaySpaces* display(Point point) const;
    // True when no display lies just beyond the display's right (or left) edge.
    bool isOuterEdge(bool right, const DisplaySpaces& display) const;

    // Names the set of displays present, whatever their arrangement.
    std::string fingerprint() const;
    std::set<std::string> signatures() const;
    // Matches displays recorded earlier to present ones by signature, then name, then built-in flag (largest
    // display first); no present display is given twice. Keyed by the recorded signature.
    std::map<std::string, DisplaySpaces> assign(const std::vector<DisplayIdentity>& recorded) const;

    // Where each of the profile's Spaces lands, in the profile's order. The Spaces of recorded displays that
    // are gone are laid over the main display's last Desktops, as macOS keeps them after its own.
    std::vector<ProfilePlacement> place(const Profile& profile) const;
    // The profile was recorded with Spaces spanning displays exactly when they do now.
    bool sameMode(const Profile& as) const;
    // Recorded on exactly the displays present, in the same Spaces mode: a profile may then apply itself.
    bool matchesExactly(const Profile& profile) const;

    friend bool operator==(const Desktops& a, const Desktops& b);

  private:
    std::vector<DisplaySpaces> displays_;
    std::optional<std::size_t> active_;
    bool spansDisplays_ = false;
};

} // namespace quillmere
