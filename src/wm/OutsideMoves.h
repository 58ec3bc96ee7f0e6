#pragma once

#include "core/BSPTree.h"
#include "core/Geometry.h"
#include "core/SpaceLayout.h"
#include "core/WindowId.h"
#include "platform/Accessibility.h"
#include "platform/HeldWork.h"
#include "platform/LifetimeGuard.h"
#include "platform/MainQueue.h"
#include "platform/MouseButtons.h"
#include "system/AXWindow.h"
#include "system/FullScreen.h"
#include "system/Overlay.h"
#include "system/Spaces.h"
#include "wm/OutsideMovesTarget.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace quillmere {

// Answers what others do to the windows under management: the system's own tiling, an application, the user
// through the system. A move or resize of a window in a layout that is no echo of the manager's own write is
// collected; once the moves have been still for settleDelay, each Space's moved tiles are read together. A
// whole arrangement that reads as a tree is adopted, a tile the system tiled or filled becomes a placement or
// a zoom, a return to the tile from before that restores it, and anything else is put back unless it answers
// a recent write of the manager's own; floating windows keep whatever frame they were given. Nothing is
// collected while the system's tiling is not adopted, tiling is paused, the displays are unsettled or a mouse
// button is held (drags belong to the mouse gestures), from the manager's own glide, or on the Space where
// the system's picker makes a full-screen pair, which this object starts too. Owned by the window manager,
// which it asks through OutsideMovesTarget. Main thread only.
class OutsideMoves {
  public:
    // A frame read back within this many points of the one written, on every edge, is an echo of the write.
    static constexpr double echoTolerance = 2;
    // A window the system tiles glides for a while; it is read once it has been still this long.
    static constexpr MainQueue::Duration settleDelay = std::chrono::milliseconds(250);
    // Frames whose straight cuts line up within this many points read as one tree.
    static constexpr double arrangementTolerance = 12;
    // The share of the visible area that moved windows must cover to be taken as a whole arrangement.
    static constexpr double arrangementShare = 0.85;
    // An application that moves its window this soon after the manager wrote it answers that write, and
    // putting it back would only start a tug of war. Measured up to the last move, not to the settle.
    static constexpr MainQueue::Duration recentWriteAge = std::chrono::milliseconds(500);
    // A window within this many points of its tile from before the system tiled it has gone back.
    static constexpr double returnTolerance = 6;

    // `notice` shows the pair's refusals and hints.
    OutsideMoves(OutsideMovesTarget& target, Accessibility& accessibility, MouseButtons& mouseButtons,
                 Spaces& spaces, MainQueue& queue, const FullScreen& fullScreen, Overlay& notice);
    // Queued work holds this object.
    OutsideMoves(const OutsideMoves&) = delete;
    OutsideMoves& operator=(const OutsideMoves&) = delete;

    // A tracked window moved or resized, perhaps by the manager's own write.
    void moved(const AXWindow& window);
    // The window is gone: nothing of it is read any more.
    void forget(WindowId window);
    // Keeps the Space's arrangement on screen when it reads as a layout; answers whether it did.
    bool adoptArrangement(SpaceId space);

    // Makes a split full-screen Space of the focused tile and its partner, through the system's own tiling.
    void pairFullScreen();
    // Has the system's picker choose the partner for the far half of the area, and tells the user when it
    // cannot.
    void finishPair(const AXWindow& partner, const Rect& farHalfOf, bool left);

  private:
    friend class WindowManagerProbe;

    // What a settle knows of one Space while it reads the moves there.
    struct NativeReading {
        SpaceId space = 0;
        // The visible area, where the system tiles, and the padded one, where the layout tiles.
        Rect visible;
        Rect area;
        double gap = 0;
        // The tiles the layout gave before the moves.
        FrameMap expected;
        // The Space's desktop number, 0 for none, for the log.
        std::int64_t desktop = 0;
        bool recent = false;
    };

    // True when each edge of the one rectangle lies within the tolerance of the other's, the bound included.
    static bool close(const Rect& a, const Rect& b, double tolerance);
    void settle();
    void readNativeTiling(const std::vector<WindowId>& windows, SpaceId space);
    // The frames read now of the listed windows the manager tracks, by id.
    FrameMap currentFrames(const std::vector<WindowId>& windows) const;
    bool wasWrittenRecently(const std::vector<WindowId>& windows) const;
    // Takes the moved tiles as one arrangement when they read as a tree that covers the area or one half of
    // it; answers whether it did.
    bool adoptMovedArrangement(const FrameMap& moved, const NativeReading& reading, SpaceLayout& layout);
    // Turns one moved tile into zoom, placement or restore; answers whether the layout is to be written.
    bool readMovedTile(WindowId window, const Rect& frame, const NativeReading& reading, SpaceLayout& layout);
    void rememberTileBeforeNativeTiling(WindowId window, const FrameMap& expected);

    std::optional<WindowId> pairPartner(const SpaceLayout& layout, WindowId focused, const Rect& area) const;

    OutsideMovesTarget& target_;
    Accessibility& ax_;
    MouseButtons& mouseButtons_;
    Spaces& spaces_;
    MainQueue& queue_;
    const FullScreen& fullScreen_;
    Overlay& notice_;

    // While the system's picker makes a pair, the Space it moves windows on; those moves are the pair's own.
    std::optional<SpaceId> pairing_;
    // Tiled windows someone else moved since the last settle, and when the last of those moves came.
    std::set<WindowId> moved_;
    MainQueue::Instant lastMove_{};
    // The tile each window had just before the system tiled or filled it.
    std::map<WindowId, Rect> beforeNativeTile_;
    HeldWork settle_;
    // Lets the picker's answer find out that this object is gone.
    LifetimeGuard lifetime_;
};

} // namespace quillmere
