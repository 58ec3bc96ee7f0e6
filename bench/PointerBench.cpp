#include "TiledDesktop.h"

#include <benchmark/benchmark.h>

namespace quillmere {
namespace {

Point desktopFrameCentre(const TiledDesktop& tiled, WindowId window) {
    return tiled.desktop.frame(window)->center();
}

// The preview asked on every drag event of a tiled window moved over another one.
void dropHighlightPerDragEvent(benchmark::State& state) {
    TiledDesktop tiled(static_cast<int>(state.range(0)));
    const Point over = desktopFrameCentre(tiled, tiled.windows.back());
    for (auto _ : state)
        benchmark::DoNotOptimize(tiled.manager->dropHighlight(tiled.windows.front(), over));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(dropHighlightPerDragEvent)->Apply(sizes)->Complexity();

// The hit test of focus follows mouse and of every modifier press, over the window listed last.
void windowAtPoint(benchmark::State& state) {
    TiledDesktop tiled(static_cast<int>(state.range(0)));
    const Point over = desktopFrameCentre(tiled, tiled.windows.front());
    for (auto _ : state)
        benchmark::DoNotOptimize(tiled.manager->window(over));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(windowAtPoint)->Apply(sizes)->Complexity();

} // namespace
} // namespace quillmere
