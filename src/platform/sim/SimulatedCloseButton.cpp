#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

AXResult<AXAttributeValue> SimulatedDesktop::readCloseButton(const sim::Window& window) {
    if (window.failingAttributes.contains("AXCloseButton"))
        return AXError::cannotComplete;
    if (!window.hasCloseButton)
        return AXError::noValue;
    auto [found, added] = closeButtons_.try_emplace(window.number, 0);
    if (added)
        found->second = newElement({sim::ElementTarget::Kind::closeButton, window.pid, window.number});
    return AXAttributeValue(AXElement(found->second));
}

} // namespace quillmere
