#pragma once

#include "platform/linux/XKeyCodes.h"

#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace quillmere {

// The Mac's virtual key code of a key event: by the X key code when the event carries one, so that shift-1
// is the 1 key whatever the layout; else by Qt's key, for the keys a chord can name. The one translation of
// Qt's key events, for the simulated screens and for chord recording.
std::optional<std::uint16_t> macKeyCode(const QKeyEvent& event);

// The modifiers Qt reports held; Meta (the Super key) stands for Command.
HeldModifiers heldModifiers(Qt::KeyboardModifiers modifiers, bool fn = false);

} // namespace quillmere
