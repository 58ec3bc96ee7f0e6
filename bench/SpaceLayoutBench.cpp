#include "core/SpaceLayout.h"

#include <benchmark/benchmark.h>

namespace quillmere {
namespace {

const Rect area(0, 25, 3840, 2135);
constexpr double gap = 8;

void sizes(benchmark::internal::Benchmark* benchmark) {
    for (int count : {8, 32, 128, 512})
        benchmark->Arg(count);
}

SpaceLayout layoutOf(WindowId count, LayoutMode mode, TileAlgorithm tiling, StackAlgorithm stacking) {
    SpaceLayout layout(mode, tiling, stacking);
    for (WindowId id = 1; id <= count; ++id)
        layout.add(id, std::nullopt, std::nullopt, area, gap, false, 0.5, {});
    return layout;
}

// Filling an empty Space window by window, as a profile or a start-up does.
void addAll(benchmark::State& state, TileAlgorithm tiling) {
    const auto count = static_cast<WindowId>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(layoutOf(count, LayoutMode::bsp, tiling, StackAlgorithm::fill));
    state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(addAll, bsp, TileAlgorithm::bsp)->Apply(sizes)->Complexity();
BENCHMARK_CAPTURE(addAll, i3, TileAlgorithm::i3)->Apply(sizes)->Complexity();
BENCHMARK_CAPTURE(addAll, masterStack, TileAlgorithm::masterStack)->Apply(sizes)->Complexity();

// One window opening on a Space that holds n: the add and the frames the window manager then writes.
void addOneAndFrames(benchmark::State& state, LayoutMode mode, StackAlgorithm stacking) {
    const auto count = static_cast<WindowId>(state.range(0));
    const SpaceLayout full = layoutOf(count - 1, mode, TileAlgorithm::bsp, stacking);
    for (auto _ : state) {
        SpaceLayout layout = full;
        layout.add(count, std::nullopt, std::nullopt, area, gap, false, 0.5, {});
        benchmark::DoNotOptimize(layout.frames(area, gap));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(addOneAndFrames, bsp, LayoutMode::bsp, StackAlgorithm::fill)->Apply(sizes)->Complexity();
BENCHMARK_CAPTURE(addOneAndFrames, stackFill, LayoutMode::stack, StackAlgorithm::fill)
    ->Apply(sizes)
    ->Complexity();
BENCHMARK_CAPTURE(addOneAndFrames, stackAccordion, LayoutMode::stack, StackAlgorithm::accordion)
    ->Apply(sizes)
    ->Complexity();
BENCHMARK_CAPTURE(addOneAndFrames, float, LayoutMode::float_, StackAlgorithm::fill)
    ->Apply(sizes)
    ->Complexity();

} // namespace
} // namespace quillmere
