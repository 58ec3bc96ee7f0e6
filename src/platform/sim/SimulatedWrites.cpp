#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

namespace {

// Whole steps, at least one; a tolerance keeps a length that is a whole number of steps from losing one to
// rounding.
double snapped(double length, double step) {
    if (step <= 0)
        return length;
    return std::max(step, std::floor(length / step + 1e-9) * step);
}

} // namespace

void SimulatedDesktop::setWriteBehaviour(std::int32_t pid, sim::WriteBehaviour behaviour) {
    appOrThrow(pid).writes = behaviour;
}

Size SimulatedDesktop::acceptedSize(const sim::Window& window, Size size) const {
    const Size step = apps_.at(window.pid).writes.sizeStep;
    return window.accepted({snapped(size.width, step.width), snapped(size.height, step.height)});
}

AXError SimulatedDesktop::writePosition(sim::Window& window, Point origin) {
    if (apps_.at(window.pid).writes.refusesMoveWhileResizing && window.sizeWritesUnderway > 0)
        return AXError::failure;
    applyLater(window, [this, origin](sim::Window& moved) {
        if (fullScreenSpace(moved))
            return;
        setFrame(moved, {origin, moved.frame.size});
        followDisplay(moved);
    });
    return AXError::success;
}

AXError SimulatedDesktop::writeSize(sim::Window& window, Size size) {
    ++window.sizeWritesUnderway;
    applyLater(window, [this, size](sim::Window& resized) {
        --resized.sizeWritesUnderway;
        if (!fullScreenSpace(resized))
            setFrame(resized, {resized.frame.origin, acceptedSize(resized, size)});
    });
    return AXError::success;
}

// An application that takes its time applies the write when it gets to it, and only then tells of the
// change; a window closed by then is left alone.
void SimulatedDesktop::applyLater(const sim::Window& window, std::function<void(sim::Window&)> write) {
    const MainQueue::Duration delay = apps_.at(window.pid).writes.delay;
    const WindowId number = window.number;
    if (delay <= MainQueue::Duration::zero()) {
        write(windows_.at(number));
        return;
    }
    queue_.after(delay, lifetime_.guarded([this, number, write = std::move(write)] {
        if (sim::Window* target = this->window(number))
            write(*target);
    }));
}

} // namespace quillmere
