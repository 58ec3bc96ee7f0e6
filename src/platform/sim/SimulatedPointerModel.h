#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"
#include "platform/EventTaps.h"
#include "platform/Events.h"

#include <functional>

// The records behind the simulated desktop's event taps, mouse-moved monitors and the pointer script.
namespace quillmere::sim {

struct Tap {
    EventMask mask = 0;
    EventTapCallback callback;
    bool enabled = true;
    bool invalidated = false;
};

struct Monitor {
    // Sees the events that go to other applications; a local one those that go to the system's own.
    bool global = true;
    EventMask mask = 0;
    std::function<void(const Event&)> handler;
};

// An application dragging its own window by the title bar or by its edges, after a press it was given.
struct WindowGrab {
    WindowId window = 0;
    Point start;
    Rect frame;
    // The edges that follow the pointer; none: the whole window moves.
    bool west = false;
    bool east = false;
    bool north = false;
    bool south = false;

    bool resizes() const { return west || east || north || south; }
};

} // namespace quillmere::sim
