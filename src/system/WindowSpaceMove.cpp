#include "system/WindowSpaceMove.h"

namespace quillmere {

bool WSMoveBridgedIsAvailable(WindowServer& windowServer) {
    return windowServer.bridgedMoveIsAvailable();
}

bool WSMoveBridged(WindowServer& windowServer, WindowId window, SpaceId space) {
    if (!WSMoveBridgedIsAvailable(windowServer))
        return false;
    return windowServer.moveWindowsToManagedSpace({window}, space);
}

} // namespace quillmere
