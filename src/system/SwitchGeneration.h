#pragma once

#include <cstdint>

namespace quillmere {

// Counts the actions after which a Space switch still waiting for its display must stop acting on what
// it waits for: each switch attempt and each press of a full-screen or tiling control adds one. Shared by
// the Space switcher, which compares, and the full-screen controls, which only add.
struct SwitchGeneration {
    std::int64_t value = 0;
};

} // namespace quillmere
