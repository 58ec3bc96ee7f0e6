#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillmere {

namespace {

// The last whole point inside a half-open span, or its start when the span is shorter than one point.
double clampInto(double value, double from, double to) {
    return std::clamp(value, from, std::max(from, to - 1));
}

double distance(Point point, const Rect& rect) {
    const double dx = std::max({rect.minX() - point.x, 0.0, point.x - rect.maxX()});
    const double dy = std::max({rect.minY() - point.y, 0.0, point.y - rect.maxY()});
    return std::hypot(dx, dy);
}

} // namespace

// The system keeps the cursor on the displays; with none there is nowhere to keep it.
Point SimulatedDesktop::confined(Point point) const {
    const sim::Display* nearest = nullptr;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (const sim::Display& display : displays_) {
        if (display.bounds.contains(point))
            return point;
        if (const double away = distance(point, display.bounds); away < nearestDistance) {
            nearest = &display;
            nearestDistance = away;
        }
    }
    if (!nearest)
        return point;
    const Rect& bounds = nearest->bounds;
    return {clampInto(point.x, bounds.minX(), bounds.maxX()),
            clampInto(point.y, bounds.minY(), bounds.maxY())};
}

void SimulatedDesktop::warpMouseCursorPosition(Point point) {
    pointer_ = confined(point);
}

void SimulatedDesktop::movePointer(Point point) {
    pointer_ = confined(point);
    pointerMoved();
}

// Posted pointer events move the pointer; a button released over the split-screen picker chooses there.
bool SimulatedDesktop::readMouse(const Event& event) {
    switch (event.type) {
    case EventType::mouseMoved:
    case EventType::leftMouseDown:
    case EventType::leftMouseUp:
        break;
    default:
        return false;
    }
    mouseEvents_.push_back({event.type, event.location});
    pointer_ = confined(event.location);
    if (event.type == EventType::leftMouseUp && picker_)
        endTilePicker(pointer_);
    return true;
}

} // namespace quillmere
