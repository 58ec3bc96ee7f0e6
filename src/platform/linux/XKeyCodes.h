#pragma once

#include "platform/Events.h"

#include <cstdint>
#include <optional>

namespace quillmere {

// The Mac's virtual key code of the key an X server reports by its key code (the kernel's key number plus
// 8, the same on every PC keyboard whatever its layout), for the keys a Mac keyboard has; none for others.
// The one table between PC keys and the system's key codes, for the simulated screens and chord recording.
std::optional<std::uint16_t> macKeyCode(std::uint32_t xKeyCode);

// The modifiers held, as the flags of Core Graphics events; the Super (Windows) key stands for Command.
struct HeldModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool super = false;
    bool fn = false;
};
EventFlags macModifierFlags(const HeldModifiers& held);
// The same as a Carbon modifier mask, as hot keys are registered with; fn has no place in it.
std::uint32_t carbonModifiers(const HeldModifiers& held);

} // namespace quillmere
