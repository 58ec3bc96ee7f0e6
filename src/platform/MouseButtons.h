#pragma once

#include <cstdint>

namespace quillmere {

// The mouse buttons the user holds down at this moment.
class MouseButtons {
  public:
    virtual ~MouseButtons() = default;

    // One bit per button: bit 0 the left button, bit 1 the right one, then the others; 0 when none is held.
    virtual std::uint32_t pressedMouseButtons() = 0;
};

} // namespace quillmere
