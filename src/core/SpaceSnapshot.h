#pragma once

#include "core/JsonReader.h"
#include "core/LayoutMode.h"
#include "core/LayoutSnapshot.h"
#include "core/WindowRef.h"

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// One Desktop as a profile arranges it, or as the session saved it.
struct SpaceSnapshot {
    // In a profile: the Desktop number on its display, from 1.
    std::int64_t space = 0;
    LayoutMode mode = LayoutMode::bsp;
    // None when nothing is tiled, which is not the same as one empty tile.
    std::optional<LayoutSnapshot> tree;
    std::vector<WindowRef> floating;
    // On this Desktop but neither tiled nor floating in its layout.
    std::vector<WindowRef> others;
    // The signature of the display the Desktop belongs to.
    std::optional<std::string> display;

    // Tree order, then the floating windows, then the others; duplicates kept.
    std::vector<WindowRef> windows() const;

    // A copy with only the references that pass: a tile left empty goes and its split gives way to the
    // other child, whose ratio stays as it was; `space`, `mode` and `display` are copied.
    SpaceSnapshot keeping(const std::function<bool(const WindowRef&)>& test) const;

    friend bool operator==(const SpaceSnapshot&, const SpaceSnapshot&) = default;
};

// The window of one full-screen Space, or its two windows when the Space is split into two tiles.
struct FullScreenSnapshot {
    std::vector<WindowRef> windows;
    friend bool operator==(const FullScreenSnapshot&, const FullScreenSnapshot&) = default;
};

// "space", "mode", "floating" and "others" are always written; "tree" and "display" only when present.
void to_json(nlohmann::json& json, const SpaceSnapshot& snapshot);
void to_json(nlohmann::json& json, const FullScreenSnapshot& snapshot);
// Only "space" is required: a missing mode reads as bsp and missing lists as empty ones.
SpaceSnapshot readSpaceSnapshot(const JsonReader& json);
FullScreenSnapshot readFullScreenSnapshot(const JsonReader& json);

} // namespace quillmere
