#pragma once

#include "platform/Log.h"
#include "platform/ManualMainQueue.h"
#include "platform/linux/RuntimeLaunchScripts.h"
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
#include <string>
#include <vector>

namespace quillmere {

// Keeps the log quiet and from growing over millions of layouts.
class DiscardingLogSink final : public LogSink {
  public:
    void write(const LogEntry&) override {}
    void write(const SignpostEntry&) override {}
};

// Everything a window manager is made of, on a simulated desktop that the benchmark sets up before
// starting the manager.
struct BenchDesktop {
    explicit BenchDesktop(SimulatedDesktop::SpaceListForm form = SimulatedDesktop::SpaceListForm::perDisplay)
        : desktop(queue, form) {
        log.setSink(sink);
        signposter.setSink(sink);
    }

    void startManager() {
        queue.advance({});
        manager = std::make_unique<WindowManager>(
            WindowManagerServices{.desktop = desktop.bundle(),
                                  .queue = queue,
                                  .defaults = desktop,
                                  .symbols = symbols,
                                  .spaces = spaces,
                                  .switcher = switcher,
                                  .focus = focus,
                                  .previews = previews,
                                  .sessions = sessions,
                                  .profiles = profiles,
                                  .ownPid = 1,
                                  .alerts = desktop,
                                  .launchScripts = launchScripts,
                                  .homeFolder = std::filesystem::temp_directory_path()});
        manager->start();
        queue.advance({});
    }

    // Applications of four names, by bundle identifier com.example.<name>.
    std::vector<std::int32_t> launchFour() {
        std::vector<std::int32_t> apps;
        for (const char* name : {"Editor", "Mail", "Notes", "Terminal"})
            apps.push_back(
                desktop.launch({.bundleIdentifier = std::string("com.example.") + name, .name = name}));
        return apps;
    }

    DiscardingLogSink sink;
    ManualMainQueue queue;
    SimulatedDesktop desktop;
    SimulatedSymbolImages symbols;
    Spaces spaces{desktop, desktop, desktop};
    SpaceSwitcher switcher{spaces, desktop, desktop, desktop, desktop, desktop, queue};
    Focus focus{desktop, desktop, desktop, queue, 1};
    WindowPreviews previews{desktop};
    SessionStore sessions{std::int64_t{1}, std::int32_t{1},
                          std::filesystem::temp_directory_path() / "none.json"};
    ProfileStore profiles{std::filesystem::temp_directory_path() / "quillmere-bench-no-profiles"};
    // Nothing the benchmarks load runs a command.
    RuntimeLaunchScripts launchScripts{std::nullopt};
    std::unique_ptr<WindowManager> manager;
};

// A started window manager on a 2560 × 1440 display whose current Space holds `count` tiled windows of four
// applications.
struct TiledDesktop : BenchDesktop {
    explicit TiledDesktop(int count) {
        display = desktop.addDisplay({.bounds = {0, 0, 2560, 1440}});
        const std::vector<std::int32_t> apps = launchFour();
        for (int i = 0; i < count; ++i)
            windows.push_back(desktop.openWindow(apps[static_cast<std::size_t>(i) % apps.size()],
                                                 {.frame = {100.0 + i, 100, 800, 600}}));
        startManager();
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

    DisplayId display = 0;
    std::vector<WindowId> windows;
    SpaceId space = 0;
};

inline void sizes(benchmark::internal::Benchmark* benchmark) {
    for (int count : {16, 64, 256})
        benchmark->Arg(count);
}

} // namespace quillmere
