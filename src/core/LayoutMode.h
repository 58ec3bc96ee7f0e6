#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quillmere {

// How a Space arranges its windows. The mode only changes how the layout is read, never the tree.
enum class LayoutMode { bsp, stack, float_ };

constexpr std::array<LayoutMode, 3> allLayoutModes{LayoutMode::bsp, LayoutMode::stack, LayoutMode::float_};

constexpr std::string_view text(LayoutMode mode) {
    switch (mode) {
    case LayoutMode::bsp:
        return "bsp";
    case LayoutMode::stack:
        return "stack";
    case LayoutMode::float_:
        return "float";
    }
    return "";
}

// The system symbol image that menus and the status item show for the mode.
constexpr std::string_view symbol(LayoutMode mode) {
    switch (mode) {
    case LayoutMode::bsp:
        return "rectangle.split.2x1";
    case LayoutMode::stack:
        return "square.stack";
    case LayoutMode::float_:
        return "macwindow.on.rectangle";
    }
    return "";
}

constexpr std::optional<LayoutMode> parseLayoutMode(std::string_view stored) {
    for (LayoutMode mode : allLayoutModes)
        if (text(mode) == stored)
            return mode;
    return std::nullopt;
}

} // namespace quillmere
