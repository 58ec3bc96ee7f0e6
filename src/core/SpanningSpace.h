#pragma once

#include "core/WindowId.h"

#include <optional>

namespace quillmere {

// When all displays share one Space list, each display gets its own id for each shared Space, so that each
// display's part of it has a layout of its own: the display index in bits 0 to 7, the real Space id in bits
// 8 to 39 and bit 40 as the mark.
namespace SpanningSpace {

inline constexpr SpaceId mark = SpaceId{1} << 40;

struct Decoded {
    SpaceId space = 0;
    int display = 0;
    friend bool operator==(const Decoded&, const Decoded&) = default;
};

// None when the display index or the Space id does not fit its bits, so that neither can spill into the
// other or into the mark; such a Space keeps its real id.
constexpr std::optional<SpaceId> id(SpaceId space, int display) {
    if (display < 0 || display > 0xFF || space >= (SpaceId{1} << 32))
        return std::nullopt;
    return static_cast<SpaceId>(display) | (space << 8) | mark;
}

constexpr std::optional<Decoded> decode(SpaceId id) {
    if (!(id & mark))
        return std::nullopt;
    return Decoded{(id >> 8) & ~(SpaceId{1} << 32), static_cast<int>(id & 0xFF)};
}

// The window server's id behind a synthetic id; any other id as it is.
constexpr SpaceId real(SpaceId id) {
    const auto decoded = decode(id);
    return decoded ? decoded->space : id;
}

} // namespace SpanningSpace

} // namespace quillmere
