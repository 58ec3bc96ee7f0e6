#include "TiledDesktop.h"
#include "core/Command.h"

#include <benchmark/benchmark.h>

namespace quillmere {
namespace {

constexpr int displayCount = 4;
constexpr int desktopsPerDisplay = 10;

// Four 1920 × 1080 displays side by side with ten Desktops each, every Desktop holding `perSpace` windows
// of four applications; with a shared Space list every display shows the same ten Desktops.
struct CrowdedDesktop : BenchDesktop {
    CrowdedDesktop(int perSpace, bool shared)
        : BenchDesktop(shared ? SimulatedDesktop::SpaceListForm::shared : SimulatedDesktop::SpaceListForm::perDisplay) {
        std::vector<DisplayId> displays;
        for (int d = 0; d < displayCount; ++d)
            displays.push_back(desktop.addDisplay(
                {.bounds = {1920.0 * d, 0, 1920, 1080}, .desktops = desktopsPerDisplay}));
        const std::vector<std::int32_t> apps = launchFour();
        std::size_t opened = 0;
        for (int d = 0; d < displayCount; ++d) {
            const double left = 1920.0 * d;
            for (SpaceId space : desktop.spaceOrder(displays[static_cast<std::size_t>(d)]))
                for (int i = 0; i < perSpace; ++i)
                    desktop.openWindow(apps[opened++ % apps.size()],
                                       {.frame = {left + 100 + i, 100, 800, 600}, .space = space});
        }
        startManager();
    }
};

// One Space-change pass with nothing changed: observing every application again, asking where each tiled
// window is, and laying out the four visible Desktops.
void spaceChangePass(benchmark::State& state) {
    CrowdedDesktop crowded(static_cast<int>(state.range(0)), state.range(1) != 0);
    const Command retile = *Command::parse("retile");
    for (auto _ : state)
        crowded.manager->perform(retile);
    state.SetComplexityN(state.range(0) * displayCount * desktopsPerDisplay);
    state.SetLabel(state.range(1) != 0 ? "shared Spaces" : "Spaces per display");
}
BENCHMARK(spaceChangePass)->ArgsProduct({{4, 16, 64}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillmere
