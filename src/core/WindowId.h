#pragma once

#include <cstdint>

namespace quillmere {

// The window server's window number. Ids from BSPTree::firstHole up are placeholders, never windows.
using WindowId = std::uint32_t;

// The window server's Space id.
using SpaceId = std::uint64_t;

} // namespace quillmere
