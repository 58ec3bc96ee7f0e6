#include "platform/Log.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "platform/sim/SimulatedSymbolImages.h"
#include "stores/ProfileStore.h"
#include "stores/SessionStore.h"
#include "system/Focus.h"
#include "system/SpaceSwitcher.h"
#include "system/Spaces.h"
#include "system/WindowPreviews.h"
#include "wm/WindowManager.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace quillmere {
namespace {

// Keeps the log quiet and from growing over millions of layouts.
class DiscardingLogSink final : public LogSink {
  public:
    void write(const LogEntry&) override {}
    void write(const SignpostEntry&) override {}
};

// A started window manager on a 2560 × 1440 display whose current Space holds `count` tiled windows of four
// applications.
struct TiledDesktop {
    explicit TiledDesktop(int count) {
        log.setSink(sink);
        signposter.setSink(sink);
        display = desktop.addDisplay({.bounds = {0, 0, 2560, 1440}});
        std::vector<std::int32_t> apps;
        for (const char* name : {"Editor", "Mail", "Notes", "Terminal"})
            apps.push_back(desktop.launch({.bundleIdentifier = std::string("com.example.") + name, .name = name}));
        for (int i = 0; i < count; ++i)
            windows.push_back(desktop.openWindow(apps[static_cast<std::size_t>(i) % apps.size()],
                                                 {.frame = {100.0 + i, 100, 800, 600}}));
        queue.advance({});
        manager = std::make_unique<WindowManager>(WindowManagerServices{
            desktop, desktop, desktop, desktop, desktop, desktop, desktop, desktop, desktop, queue, desktop, desktop,
            symbols, spaces, switcher, focus, previews, sessions, profiles, 1});
        manager->start();
        queue.advance({});
        space = desktop.currentSpace(display);
    }

    // Moves every window off its tile by a point, as if something else had moved them all, and lets the
    // notifications of the last layout's writes arrive.
    void disturb() {
        for (WindowId window : windows) {
            const Rect frame = *desktop.frame(window);
            desktop.moveWindow(window, {frame.minX() + 1, frame.minY()});
        }
        queue.advance({});
    }

    DiscardingLogSink sink;
    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    SimulatedSymbolImages symbols;
    Spaces spaces{desktop, desktop, desktop};
    SpaceSwitcher switcher{spaces, desktop, desktop, desktop, desktop, desktop, queue};
    Focus focus{desktop, desktop, desktop, queue, 1};
    WindowPreviews previews{desktop};
    SessionStore sessions{std::int64_t{1}, std::int32_t{1}, std::filesystem::temp_directory_path() / "none.json"};
    ProfileStore profiles{std::filesystem::temp_directory_path() / "quillmere-bench-no-profiles"};
    DisplayId display = 0;
    std::vector<WindowId> windows;
    std::unique_ptr<WindowManager> manager;
    SpaceId space = 0;
};

void sizes(benchmark::internal::Benchmark* benchmark) {
    for (int count : {16, 64, 256})
        benchmark->Arg(count);
}

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
