#include "TiledDesktop.h"

#include <benchmark/benchmark.h>

namespace quillmere {
namespace {

// Laying a Space out again when nothing moved: normalising, frames and a read of every window.
void reapplyUnchanged(benchmark::State& state) {
    TiledDesktop tiled(static_cast<int>(state.range(0)));
    for (auto _ : state)
        tiled.manager->apply(tiled.space);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(reapplyUnchanged)->Apply(sizes)->Complexity();

// Laying a Space out again when every window has moved, so that every frame is written.
void reapplyEveryFrameChanged(benchmark::State& state) {
    TiledDesktop tiled(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        tiled.disturb();
        state.ResumeTiming();
        tiled.manager->apply(tiled.space);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(reapplyEveryFrameChanged)->Apply(sizes)->Complexity();

} // namespace
} // namespace quillmere
