#include "core/BSPTree.h"

#include <benchmark/benchmark.h>

namespace quillmere {
namespace {

const Rect area(0, 25, 3840, 2135);

BSPTree treeOf(WindowId count) {
    BSPTree tree;
    for (WindowId id = 1; id <= count; ++id)
        tree.insert(id, id - 1, area, 8, std::nullopt, 0.5, {}, {});
    return tree;
}

void insertOneByOne(benchmark::State& state) {
    const auto count = static_cast<WindowId>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(treeOf(count));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(insertOneByOne)->RangeMultiplier(4)->Range(8, 512)->Complexity();

void frames(benchmark::State& state) {
    const auto tree = treeOf(static_cast<WindowId>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(tree.frames(area, 8));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(frames)->RangeMultiplier(4)->Range(8, 512)->Complexity();

} // namespace
} // namespace quillmere
