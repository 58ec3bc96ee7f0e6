#include "platform/sim/SimulatedDesktop.h"
#include "platform/sim/SimulatedGlide.h"

#include <stdexcept>
#include <string>

namespace quillmere {

// The glide starts from where the windows are when it is asked for; a window closed on the way is left out of
// the steps that remain.
void SimulatedDesktop::arrangeAsSystem(const std::map<WindowId, Rect>& frames, MainQueue::Duration over,
                                       int steps) {
    if (steps < 1)
        throw std::invalid_argument("a glide takes at least one step, not " + std::to_string(steps));
    std::map<WindowId, Rect> start;
    for (const auto& [number, frame] : frames)
        start.emplace(number, windowOrThrow(number).frame);
    for (int step = 1; step <= steps; ++step) {
        const double share = static_cast<double>(step) / steps;
        queue_.after(over * step / steps, lifetime_.guarded([this, start, frames, share] {
            for (const auto& [number, target] : frames)
                if (sim::Window* moved = window(number)) {
                    const Rect frame = sim::between(start.at(number), target, share);
                    setFrame(*moved, {frame.origin, moved->accepted(frame.size)});
                }
        }));
    }
}

} // namespace quillmere
