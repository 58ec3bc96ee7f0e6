#pragma once

#include "core/BSPTree.h"
#include "core/Direction.h"
#include "core/DropAction.h"
#include "core/Geometry.h"
#include "core/LayoutMode.h"
#include "core/Region.h"
#include "core/Rotation.h"
#include "core/TileAlgorithm.h"
#include "core/WindowId.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace quillmere {

struct SpaceSnapshot;
struct WindowRef;

// The layout state of one Space. A plain value: every operation changes it in place and none fails; a
// request that does not apply (an unknown window, a mode in which it means nothing) leaves it unchanged.
//
// Invariants the operations keep: a window is in `tree` or in `floating`, never both; `zoomed` and both ids
// of `popped` are windows of `tree`; `preselection` and `front` are cleared when their window is removed.
struct SpaceLayout {
    struct Preselection {
        WindowId window = 0;
        Direction direction = Direction::west;
        friend bool operator==(const Preselection&, const Preselection&) = default;
    };

    // The window popped out into the pop target and the window it changed places with.
    struct Pop {
        WindowId window = 0;
        WindowId displaced = 0;
        friend bool operator==(const Pop&, const Pop&) = default;
    };

    // Where a window sat, to put it back after it has been away.
    struct Slot {
        struct Tiled {
            BSPTree::Slot slot;
            friend bool operator==(const Tiled&, const Tiled&) = default;
        };
        struct Floating {
            friend bool operator==(const Floating&, const Floating&) = default;
        };
        std::variant<Tiled, Floating> value;
        friend bool operator==(const Slot&, const Slot&) = default;
    };

    static constexpr double accordionPadding = 30;

    LayoutMode mode;
    TileAlgorithm tiling;
    StackAlgorithm stacking;
    BSPTree tree;
    std::set<WindowId> floating;
    std::optional<WindowId> zoomed;
    std::optional<Preselection> preselection;
    // The tree from before the current sizing run.
    std::optional<BSPTree> previousTree;
    WindowId nextHole = BSPTree::firstHole;
    // Holes reserved for a window of an application, by its bundle identifier.
    std::map<WindowId, std::string> waiting;
    std::optional<WindowId> front;
    std::optional<Pop> popped;

    SpaceLayout(LayoutMode mode, TileAlgorithm tiling, StackAlgorithm stacking);
    // Rebuilds a stored layout. A tiled reference that no window answers becomes a hole waiting for its
    // application, so the layout fills in as applications open their windows; an unanswered floating one
    // is dropped.
    SpaceLayout(const SpaceSnapshot& snapshot,
                const std::function<std::optional<WindowId>(const WindowRef&)>& resolve);

    // The stored form: only mode, tree and floating windows, as far as `ref` names their windows.
    SpaceSnapshot snapshot(std::int64_t space, const std::vector<WindowRef>& others,
                           const std::function<std::optional<WindowRef>(WindowId)>& ref) const;

    // Tiled or floating; holes are never windows.
    bool contains(WindowId window) const;

    // The frame of every window the layout arranges. In bsp mode holes get their tiles' rectangles too, so
    // callers that move windows skip ids from BSPTree::firstHole up. Floating windows never appear.
    FrameMap frames(Rect in, double gap) const;
    FrameMap accordionFrames(Rect in) const;

    // Precedence: a hole reserved for the window's application, then the floating flag, then a live
    // preselection, then the first free hole, then the tiling algorithm.
    void add(WindowId window, const std::optional<std::string>& app, std::optional<WindowId> beside, Rect in,
             double gap, bool floats, double ratio, const MinimumSizes& minimumSizes);
    // Also drops every hole and forgets every reserved place: the Space's arrangement no longer matches
    // whatever they were kept for.
    void remove(WindowId window);
    // As remove, but every hole and reserved place stays: for a window that closed while its layout was
    // put away, which says nothing about the places kept for others.
    void removeKeepingHoles(WindowId window);

    // A fresh hole id: `nextHole`, which then advances. Once the hole ids have run out (or `nextHole` names
    // a hole still in use) the next hole id that neither the tree nor `waiting` uses is taken, counting round
    // within the hole ids; it never wraps to 0, which is a real window. Only a Space holding all 65,536 holes
    // would get one twice.
    WindowId makeHole();

    void toggleFloat(WindowId window, std::optional<WindowId> beside, Rect in);
    void toggleZoom(WindowId window);
    // `share` is the main share when the root is not a split.
    void setTiling(TileAlgorithm algorithm, double share);
    void focus(WindowId window);
    // Within a tile the list holds its holes too; callers that focus the answer skip holes.
    std::optional<WindowId> cycle(WindowId from, bool forward) const;
    // In bsp mode holes stacked in a tile count like windows.
    int stackedOutOfSight() const;

    void normalize(Rect in, double gap, const MinimumSizes& minimumSizes);
    void toggleSplit(WindowId of);
    void balance();
    void mirror(Axis axis);
    void rotate(Rotation rotation);

    // Directional moves. Neighbours are always windows in front of their tiles: a tile whose front id is a
    // hole is never one, so only a drop moves a window onto a hole.
    std::optional<WindowId> neighbor(WindowId of, Direction toward, Rect in) const;
    // Ties are settled in the map's order, ascending window id.
    static std::optional<WindowId> nearest(WindowId to, Direction toward, const FrameMap& in);
    void swap(WindowId window, Direction toward, Rect in);
    void join(WindowId window, Direction toward, Rect in, double gap);

    // Where the next new window goes; the same preselection again clears it.
    void preselect(Direction direction, WindowId beside);
    std::optional<Rect> preselectionRect(Rect in, double gap) const;

    // Drags of tiled windows, bsp mode only.
    std::optional<DropOutcome> drop(WindowId window, Point at, Rect in, double gap) const;
    void perform(const DropAction& action, WindowId dragging, Rect in, double gap);

    // Pop-out swaps a window into the biggest tile (the main tile under master-stack); popping the popped
    // window out again, or popIn, swaps the pair back.
    void popOut(WindowId window, Rect in);
    void popIn();

    std::optional<Slot> slot(WindowId of) const;
    // True when the window was placed; false leaves the layout unchanged.
    bool reinsert(WindowId window, const Slot& at);
    // The new id takes the old one's place, floating state, zoom and pop.
    void replace(WindowId old, WindowId with);

    // Border moves keep the holes reserved in `waiting`; they apply in every mode.
    void moveEdge(Direction edge, WindowId of, double by, Rect in);
    void moveBorder(WindowId of, Axis along, double by, Rect in);

    // Sizing runs: placements and resizes (bsp mode only) remember the tree from before the run's first
    // change in `previousTree`, which restore brings back with today's windows. A window placed on the same
    // edge again without a share of its own steps through Region::cycle.
    void place(WindowId window, const Region& region, Rect bounds);
    // Each side that a tenth of the area would push into a minimum size tries a half and a quarter step.
    void resize(WindowId window, bool grow, Rect in, double gap, const MinimumSizes& minimumSizes);
    void restore(Rect in);
    void endSizingRun();

    // Arrangements made by the system's own tiling. Windows the given tree lacks stay tiled: adopt stacks
    // them in its last tile, adopt in a half gives them the other half. Both start a sizing run.
    void adopt(const BSPTree& arranged);
    void adopt(const BSPTree& arranged, Direction inHalf);
    // Unlike toggleZoom, never clears the zoom.
    void zoom(WindowId window);

    friend bool operator==(const SpaceLayout&, const SpaceLayout&) = default;

  private:
    // Takes a tiled window out of the tree the way the tiling algorithm closes the gap.
    void takeOut(WindowId window);
    void tile(WindowId window, std::optional<WindowId> beside, Rect in, double gap, double ratio,
              const MinimumSizes& minimumSizes);
    IdSet reservedHoles() const;
    std::optional<TileRect> popTarget(Rect in) const;
    void swapBack();
};

} // namespace quillmere
