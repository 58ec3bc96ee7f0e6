#pragma once

#include "core/Geometry.h"
#include "core/Node.h"
#include "core/Rotation.h"
#include "core/WindowId.h"

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <variant>
#include <vector>

namespace quillmere {

using MinimumSizes = std::unordered_map<WindowId, Size>;
using IdSet = std::unordered_set<WindowId>;
using FrameMap = std::map<WindowId, Rect>;

struct TileRect {
    std::vector<WindowId> windows;
    Rect rect;
    friend bool operator==(const TileRect&, const TileRect&) = default;
};

// The tiling tree of one Space. A plain value: every operation changes it in place and none fails; a
// request that does not apply leaves the tree as it was.
struct BSPTree {
    std::optional<Node> root;

    static constexpr double ratioMin = 0.1;
    static constexpr double ratioMax = 0.9;
    static constexpr WindowId firstHole = 0xFFFF0000u;
    static constexpr bool isHole(WindowId id) { return id >= firstHole; }

    // Where a window sat, so that it can be put back.
    struct Slot {
        struct Stacked {
            std::vector<WindowId> others;
            int index = 0;
            friend bool operator==(const Stacked&, const Stacked&) = default;
        };
        struct Split {
            Axis axis = Axis::horizontal;
            double ratio = 0.5;
            bool isFirst = true;
            std::vector<WindowId> siblings;
            friend bool operator==(const Split&, const Split&) = default;
        };
        struct Alone {
            friend bool operator==(const Alone&, const Alone&) = default;
        };
        std::variant<Stacked, Split, Alone> value;
        friend bool operator==(const Slot&, const Slot&) = default;
    };

    // Queries, all in tree order: depth first, first child first, then each tile's list.
    static std::vector<WindowId> leaves(const Node& node);
    std::vector<WindowId> leaves() const;
    std::vector<WindowId> windows() const;
    std::vector<WindowId> holes() const;
    bool contains(WindowId id) const;
    std::vector<WindowId> stack(WindowId containing) const;
    // One entry per tile, hole-only tiles included.
    std::vector<TileRect> tiles(Rect area, double gap) const;
    // Every id (holes included) to its tile's rectangle.
    FrameMap frames(Rect area, double gap) const;

    // Insertion, removal and slots.
    void insert(WindowId id, std::optional<WindowId> beside, Rect area, double gap,
                std::optional<Direction> preselect, double ratio, const MinimumSizes& minimumSizes,
                const IdSet& keeping);
    void remove(WindowId id);
    void removeHoles();
    void replace(WindowId id, WindowId with);
    std::optional<Slot> slot(WindowId of) const;
    bool reinsert(WindowId id, const Slot& at);

    // Changes of the whole tree or around one window.
    void swap(WindowId a, WindowId b);
    void bringToFront(WindowId id);
    void moveBorder(WindowId of, Axis along, double by, Rect area, const IdSet& keeping);
    void moveEdge(Direction edge, WindowId of, double by, Rect area, const IdSet& keeping);
    void toggleSplit(WindowId ofParentOf);
    void balance();
    void mirror(Axis axis);
    void rotate(Rotation rotation);

    // Rows and columns: a container is a maximal chain of same-axis splits, read as one row (horizontal) or
    // column (vertical); its members are the subtrees hanging off the chain, each with its share of the
    // container's length.
    struct Member {
        Node node;
        double share = 1;
        friend bool operator==(const Member&, const Member&) = default;
    };
    using Members = std::vector<Member>;
    using ContainerTransform = std::function<Node(Axis axis, const Members& members, std::size_t index)>;
    static Members members(const Node& node, Axis along);
    // Lays a non-empty member list out as one container leaning to the second side; only proportions count.
    static Node container(const Members& members, Axis along);
    // The innermost container that has the window's tile as a direct member, replaced by the transform's
    // node (given the container's axis, its members and the index of that tile).
    static Node rewritingContainer(WindowId of, const Node& in, const ContainerTransform& transform);
    void insertJoining(WindowId id, std::optional<WindowId> beside, Rect in);
    void removeFromContainer(WindowId id);
    void toggleContainer(WindowId of);

    // Main and stack: one main tile beside a container of every other tile.
    struct MainShape {
        Axis axis = Axis::horizontal;
        bool mainFirst = true;
        double share = 0.5;
        friend bool operator==(const MainShape&, const MainShape&) = default;
    };
    MainShape mainShape(double defaultShare) const;
    void arrangeMain(const MainShape& shape, std::optional<WindowId> adding);

    // Fitting to minimum sizes, compared with a tolerance of max(gap, 1) points.
    void normalize(Rect in, double gap, const MinimumSizes& minimumSizes);
    bool overflows(Rect in, double gap, const MinimumSizes& minimumSizes) const;
    static double minimumLength(const Node& node, Axis along, double gap, const MinimumSizes& minimumSizes);
    // The stepping helpers answer none when nothing changed.
    static std::optional<Node> unstackingOne(const Node& node, Rect rect, double gap,
                                             const MinimumSizes& minimumSizes);
    static Node fitting(const Node& node, Rect rect, double gap, const MinimumSizes& minimumSizes);
    static std::optional<Node> mergingOneOverflow(const Node& node, Rect rect, double gap,
                                                  const MinimumSizes& minimumSizes);
    // Stacks the ids behind the windows of the node's tile that touches a merged neighbour: the leading tile
    // along the axis when `toTileNearest` is true (the neighbour lay before the node), else the trailing one.
    static Node appending(const std::vector<WindowId>& ids, bool toTileNearest, Axis along, const Node& in);

    // Shared node helpers.
    static Node replacingTile(WindowId containing, const Node& in,
                              const std::function<Node(const std::vector<WindowId>&)>& with);
    static Node mapTiles(const Node& node,
                         const std::function<std::vector<WindowId>(const std::vector<WindowId>&)>& f);
    static std::optional<Node> removing(WindowId id, const Node& from);
    static Node wrapping(const Node& node, const IdSet& covering,
                         const std::function<Node(const Node&)>& with);
    static bool holdsOnlyFreeHoles(const Node& node, const IdSet& keeping);
    // Some tile below the node holds the id (a window or a hole).
    static bool holds(const Node& node, WindowId id);

    // The split nearest to the window (walking up from its tile) that `where` accepts, given its axis and
    // whether the window lies in its first child, gets the ratio `adjust` computes from the old ratio and
    // the split's rectangle (divided without gap). No answer from `adjust` leaves the tree unchanged. Past
    // the clamp limits a side of free holes is dropped; otherwise the ratio is clamped.
    using SplitFilter = std::function<bool(Axis axis, bool inFirst)>;
    using RatioAdjust = std::function<std::optional<double>(double ratio, Rect splitRect)>;
    static Node adjustingNearestSplit(WindowId containing, const Node& in, Rect rect, const IdSet& keeping,
                                      const SplitFilter& where, const RatioAdjust& adjust);

    friend bool operator==(const BSPTree&, const BSPTree&) = default;
};

} // namespace quillmere
