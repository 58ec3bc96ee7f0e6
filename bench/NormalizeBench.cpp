#include "core/BSPTree.h"

#include <benchmark/benchmark.h>

namespace quillmere {
namespace {

const Rect area(0, 25, 3840, 2135);
constexpr double gap = 8;

// A tree grown the way a busy Space grows: each window split off the one before it, no minimum sizes known.
BSPTree grownTree(WindowId count) {
    BSPTree tree;
    for (WindowId id = 1; id <= count; ++id)
        tree.insert(id, id - 1, area, gap, std::nullopt, 0.5, {}, {});
    return tree;
}

// Then every window turns out to need more room than the deep tiles have, so normalising merges tiles into
// stacks until a handful of tiles is left.
MinimumSizes demandingSizes(WindowId count) {
    MinimumSizes sizes;
    for (WindowId id = 1; id <= count; ++id)
        sizes.emplace(id, Size{420.0 + 40 * (id % 5), 300.0 + 30 * (id % 7)});
    return sizes;
}

void normalizeMerging(benchmark::State& state) {
    const auto count = static_cast<WindowId>(state.range(0));
    const BSPTree grown = grownTree(count);
    const MinimumSizes sizes = demandingSizes(count);
    std::size_t tiles = 0;
    for (auto _ : state) {
        BSPTree tree = grown;
        tree.normalize(area, gap, sizes);
        tiles = tree.tiles(area, gap).size();
        benchmark::DoNotOptimize(tree);
    }
    state.counters["tilesLeft"] = static_cast<double>(tiles);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(normalizeMerging)->Arg(16)->Arg(64)->Arg(128)->Arg(512)->Complexity();

} // namespace
} // namespace quillmere
