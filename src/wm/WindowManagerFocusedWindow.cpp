#include "system/AXUIElement.h"
#include "wm/WindowManager.h"

namespace quillmere {

std::optional<AXWindow> WindowManager::focusedWindow() {
    const auto pid = services_.focus.frontmostPID();
    if (!pid)
        return std::nullopt;
    const AXElement application = ax_.applicationElement(*pid);
    auto element = AXUIElementRef::value<AXElement>(ax_, application, "AXFocusedWindow");
    if (!element)
        element = AXUIElementRef::value<AXElement>(ax_, application, "AXMainWindow");
    if (!element)
        return std::nullopt;
    const auto number = ax_.windowNumber(*element);
    if (!number || *number == 0)
        return std::nullopt;
    return AXWindow{*number, *pid, *element};
}

} // namespace quillmere
