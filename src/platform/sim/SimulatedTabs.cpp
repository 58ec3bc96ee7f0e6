#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>

namespace quillmere {

WindowId SimulatedDesktop::openTab(WindowId of) {
    const sim::Window old = windowOrThrow(of);
    WindowSetup setup{.title = old.title,
                      .frame = old.frame,
                      .role = old.role,
                      .subrole = old.subrole,
                      .minimumSize = old.minimumSize,
                      .maximumSize = old.maximumSize,
                      .unsettable = {old.unsettable.begin(), old.unsettable.end()},
                      .layer = old.layer};
    if (old.spaces.size() == 1)
        setup.space = old.spaces.front();
    const WindowId tab = openWindow(old.pid, setup);
    // In full screen the new tab takes the old one's place there.
    if (const auto fullScreen = fullScreenSpace(old)) {
        std::ranges::replace(listHolding(*fullScreen)->find(*fullScreen)->tiles, of, tab);
        windowOrThrow(tab).frameBeforeFullScreen = old.frameBeforeFullScreen;
        windowOrThrow(tab).spaceBeforeFullScreen = old.spaceBeforeFullScreen;
    }
    // The tab in the background belongs to no Space, the way the window server reports it.
    windowOrThrow(of).spaces.clear();
    windowOrThrow(of).onAllSpaces = false;
    focus(tab);
    return tab;
}

} // namespace quillmere
