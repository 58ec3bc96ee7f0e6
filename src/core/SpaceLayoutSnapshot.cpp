#include "core/SpaceLayout.h"
#include "core/SpaceSnapshot.h"

#include <algorithm>
#include <set>

namespace quillmere {

namespace {

std::optional<LayoutSnapshot> snapshotOf(const Node& node,
                                         const std::function<std::optional<WindowRef>(WindowId)>& ref) {
    if (node.isTile()) {
        std::vector<WindowRef> refs;
        for (WindowId id : node.ids())
            if (auto named = ref(id))
                refs.push_back(*std::move(named));
        if (refs.empty())
            return std::nullopt;
        return LayoutSnapshot::tile(std::move(refs));
    }
    auto first = snapshotOf(node.first(), ref);
    auto second = snapshotOf(node.second(), ref);
    if (!first || !second)
        return first ? first : second;
    return LayoutSnapshot::split(node.axis(), node.ratio(), *std::move(first), *std::move(second));
}

// Walks a stored tree first child first, handing out holes in that order.
class Rebuild {
  public:
    explicit Rebuild(const std::function<std::optional<WindowId>(const WindowRef&)>& resolve)
        : resolve_(resolve) {}

    std::optional<Node> node(const LayoutSnapshot& snapshot) {
        if (snapshot.isTile()) {
            std::vector<WindowId> ids;
            for (const WindowRef& ref : snapshot.refs())
                if (const auto id = place(ref))
                    ids.push_back(*id);
            if (ids.empty())
                return std::nullopt;
            return Node::tile(std::move(ids));
        }
        auto first = node(snapshot.first());
        auto second = node(snapshot.second());
        if (!first || !second)
            return first ? first : second;
        return Node::split(snapshot.axis(), snapshot.ratio(), *std::move(first), *std::move(second));
    }

    const std::set<WindowId>& tiled() const { return tiled_; }
    WindowId nextHole() const { return nextHole_; }
    std::map<WindowId, std::string> takeWaiting() { return std::move(waiting_); }

  private:
    // A window named twice is tiled once, since a tree holds each window in one place only. Once the hole
    // ids have run out, a reference that no window answers gets no place at all.
    std::optional<WindowId> place(const WindowRef& ref) {
        if (const auto id = resolve_(ref)) {
            if (!tiled_.insert(*id).second)
                return std::nullopt;
            return id;
        }
        if (nextHole_ == lastHole)
            return std::nullopt;
        const WindowId hole = nextHole_++;
        waiting_.emplace(hole, ref.app);
        return hole;
    }

    // Kept unused so that `nextHole` never wraps round to the real window ids.
    static constexpr WindowId lastHole = 0xFFFFFFFFu;

    const std::function<std::optional<WindowId>(const WindowRef&)>& resolve_;
    std::set<WindowId> tiled_;
    WindowId nextHole_ = BSPTree::firstHole;
    std::map<WindowId, std::string> waiting_;
};

} // namespace

SpaceLayout::SpaceLayout(const SpaceSnapshot& snapshot,
                         const std::function<std::optional<WindowId>(const WindowRef&)>& resolve)
    : SpaceLayout(snapshot.mode, TileAlgorithm::bsp, StackAlgorithm::fill) {
    Rebuild rebuild(resolve);
    if (snapshot.tree)
        tree.root = rebuild.node(*snapshot.tree);
    for (const WindowRef& ref : snapshot.floating)
        if (const auto id = resolve(ref); id && !rebuild.tiled().contains(*id))
            floating.insert(*id);
    nextHole = rebuild.nextHole();
    waiting = rebuild.takeWaiting();
}

SpaceSnapshot SpaceLayout::snapshot(std::int64_t space, const std::vector<WindowRef>& others,
                                    const std::function<std::optional<WindowRef>(WindowId)>& ref) const {
    SpaceSnapshot result{.space = space, .mode = mode, .others = others};
    if (tree.root)
        result.tree = snapshotOf(*tree.root, ref);
    for (WindowId id : floating)
        if (auto named = ref(id))
            result.floating.push_back(*std::move(named));
    std::ranges::sort(result.floating);
    return result;
}

} // namespace quillmere
