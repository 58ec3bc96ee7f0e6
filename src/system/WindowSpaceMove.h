#pragma once

#include "core/WindowId.h"
#include "platform/WindowServer.h"

namespace quillmere {

// Whether the window server offers the move of windows between Spaces on this system.
bool WSMoveBridgedIsAvailable(WindowServer& windowServer);
// True when the move was handed to the window server, which completes it later.
bool WSMoveBridged(WindowServer& windowServer, WindowId window, SpaceId space);

} // namespace quillmere
