#include "TiledDesktop.h"
#include "core/Command.h"
#include "core/Overloaded.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <string>
#include <variant>

namespace quillmere {
namespace {

// The tiled window furthest east: it always has a neighbour to the west.
WindowId eastmost(const FrameMap& frames) {
    WindowId found = frames.begin()->first;
    for (const auto& [window, frame] : frames)
        if (frame.minX() > frames.at(found).minX())
            found = window;
    return found;
}

// What a command costs before anything is written: reading its text, changing a copy of the Space's layout
// and working out the new frames.
void commandToFrames(benchmark::State& state, const std::string& text) {
    const Rect area{10, 35, 2540, 1395};
    constexpr double gap = 10;
    const MinimumSizes minimumSizes;
    SpaceLayout layout(LayoutMode::bsp, TileAlgorithm::bsp, StackAlgorithm::fill);
    std::vector<WindowId> windows;
    for (WindowId window = 1; window <= static_cast<WindowId>(state.range(0)); ++window) {
        layout.add(window, "com.example.editor",
                   windows.empty() ? std::nullopt : std::optional(windows.back()), area, gap, false, 0.5,
                   minimumSizes);
        windows.push_back(window);
    }
    const WindowId focused = eastmost(layout.frames(area, gap));

    for (auto _ : state) {
        const auto command = Command::parse(text);
        SpaceLayout changed = layout;
        std::visit(
            Overloaded{
                [&](const Command::Swap& c) { changed.swap(focused, c.direction, area); },
                [&](const Command::Resize& c) { changed.resize(focused, c.grow, area, gap, minimumSizes); },
                [&](const Command::Balance&) { changed.balance(); },
                [](const auto&) {},
            },
            command->value);
        benchmark::DoNotOptimize(changed.frames(area, gap));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(commandToFrames, swapWest, std::string("swap west"))->Apply(sizes)->Complexity();
BENCHMARK_CAPTURE(commandToFrames, grow, std::string("grow"))->Apply(sizes)->Complexity();
BENCHMARK_CAPTURE(commandToFrames, balance, std::string("balance"))->Apply(sizes)->Complexity();

// The whole command on the window manager, from its text to the frames written to the simulated desktop.
// Only the command is timed; `undo` puts the Space back (or out of balance) between two runs, so that every
// run has the same work to do.
void commandWithWrites(benchmark::State& state, const std::string& text, const std::string& undo) {
    TiledDesktop tiled(static_cast<int>(state.range(0)));
    FrameMap frames;
    for (WindowId window : tiled.windows)
        frames.emplace(window, *tiled.desktop.frame(window));
    tiled.desktop.focus(eastmost(frames));
    tiled.queue.advance({});
    const Command undoing = *Command::parse(undo);

    for (auto _ : state) {
        const auto began = std::chrono::steady_clock::now();
        tiled.manager->perform(*Command::parse(text));
        const auto ended = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(ended - began).count());
        tiled.queue.advance({});
        tiled.manager->perform(undoing);
        tiled.queue.advance({});
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(commandWithWrites, swapWest, std::string("swap west"), std::string("swap east"))
    ->Apply(sizes)
    ->UseManualTime()
    ->Complexity();
BENCHMARK_CAPTURE(commandWithWrites, grow, std::string("grow"), std::string("restore"))
    ->Apply(sizes)
    ->UseManualTime()
    ->Complexity();
BENCHMARK_CAPTURE(commandWithWrites, balance, std::string("balance"), std::string("grow"))
    ->Apply(sizes)
    ->UseManualTime()
    ->Complexity();

} // namespace
} // namespace quillmere
