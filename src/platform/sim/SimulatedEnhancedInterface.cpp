#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

namespace {

constexpr std::string_view enhancedUserInterfaceAttribute = "AXEnhancedUserInterface";

} // namespace

void SimulatedDesktop::setEnhancedUserInterface(std::int32_t pid, std::optional<bool> on) {
    appOrThrow(pid).enhancedUserInterface = on;
}

std::optional<bool> SimulatedDesktop::enhancedUserInterface(std::int32_t pid) const {
    const sim::Application* found = app(pid);
    return found ? found->enhancedUserInterface : std::nullopt;
}

AXResult<AXAttributeValue> SimulatedDesktop::readEnhancedUserInterface(const sim::Application& app) const {
    if (!app.enhancedUserInterface)
        return AXError::attributeUnsupported;
    return AXAttributeValue(*app.enhancedUserInterface);
}

AXError SimulatedDesktop::writeApplication(sim::Application& app, std::string_view name,
                                           const AXAttributeValue& value) {
    if (name != enhancedUserInterfaceAttribute || !app.enhancedUserInterface)
        return AXError::attributeUnsupported;
    const auto* on = std::get_if<bool>(&value);
    if (!on)
        return AXError::illegalArgument;
    app.enhancedUserInterface = *on;
    return AXError::success;
}

} // namespace quillmere
