#pragma once

#include "core/Direction.h"
#include "core/Geometry.h"
#include "core/WindowId.h"

#include <variant>

namespace quillmere {

// What dropping a dragged tiled window does.
struct DropAction {
    // The dragged window and this window (or hole) change places.
    struct Swap {
        WindowId with = 0;
        friend bool operator==(const Swap&, const Swap&) = default;
    };
    // The dragged window leaves its tile and is inserted beside this window on that side.
    struct Insert {
        WindowId beside = 0;
        Direction side = Direction::west;
        friend bool operator==(const Insert&, const Insert&) = default;
    };
    std::variant<Swap, Insert> value;
    friend bool operator==(const DropAction&, const DropAction&) = default;
};

// A drop's action and the rectangle to highlight while the window is dragged there.
struct DropOutcome {
    DropAction action;
    Rect highlight;
    friend bool operator==(const DropOutcome&, const DropOutcome&) = default;
};

} // namespace quillmere
