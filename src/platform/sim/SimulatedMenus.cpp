#include "platform/sim/SimulatedDesktop.h"

#include <stdexcept>

namespace quillmere {

using Kind = sim::ElementTarget::Kind;

void SimulatedDesktop::setMenuBar(std::int32_t pid, const std::vector<MenuSetup>& barItems) {
    appOrThrow(pid);
    if (menus_.contains(pid))
        throw std::invalid_argument("application " + std::to_string(pid) + " has its menu bar already");
    std::vector<sim::MenuNode>& nodes = menus_[pid];
    nodes.push_back({.role = "AXMenuBar", .element = newElement({Kind::menu, pid, 0, 0})});
    for (const MenuSetup& item : barItems) {
        const std::size_t child = addMenuNode(pid, item);
        nodes.front().children.push_back(child);
    }
}

std::size_t SimulatedDesktop::addMenuNode(std::int32_t pid, const MenuSetup& setup) {
    std::vector<sim::MenuNode>& nodes = menus_.at(pid);
    const std::size_t index = nodes.size();
    nodes.push_back({setup.role,
                     setup.title,
                     setup.identifier,
                     setup.enabled,
                     setup.effect,
                     {},
                     newElement({Kind::menu, pid, 0, index})});
    for (const MenuSetup& child : setup.children) {
        const std::size_t added = addMenuNode(pid, child);
        nodes[index].children.push_back(added);
    }
    return index;
}

AXResult<AXAttributeValue> SimulatedDesktop::readFullScreenButton(const sim::Window& window) {
    if (window.failingAttributes.contains("AXFullScreenButton"))
        return AXError::cannotComplete;
    auto [found, added] = fullScreenButtons_.try_emplace(window.number, 0);
    if (added)
        found->second = newElement({Kind::fullScreenButton, window.pid, window.number});
    return AXAttributeValue(AXElement(found->second));
}

AXResult<AXAttributeValue> SimulatedDesktop::readControl(const sim::ElementTarget& target,
                                                         std::string_view name) const {
    if (target.kind == Kind::fullScreenButton || target.kind == Kind::closeButton) {
        if (name == "AXRole")
            return AXAttributeValue(std::string("AXButton"));
        if (name == "AXSubrole")
            return AXAttributeValue(
                std::string(target.kind == Kind::closeButton ? "AXCloseButton" : "AXFullScreenButton"));
        return AXError::attributeUnsupported;
    }
    const sim::MenuNode& node = menus_.at(target.pid).at(target.menuNode);
    const auto text = [](const std::optional<std::string>& value) {
        return value ? AXResult<AXAttributeValue>(*value) : AXError::noValue;
    };
    if (name == "AXRole")
        return AXAttributeValue(node.role);
    if (name == "AXTitle")
        return text(node.title);
    if (name == "AXIdentifier")
        return text(node.identifier);
    if (name == "AXEnabled")
        return node.enabled ? AXResult<AXAttributeValue>(*node.enabled) : AXError::noValue;
    if (name == "AXChildren") {
        std::vector<AXElement> children;
        for (std::size_t child : node.children)
            children.push_back(AXElement(menus_.at(target.pid).at(child).element));
        return AXAttributeValue(std::move(children));
    }
    return AXError::attributeUnsupported;
}

AXError SimulatedDesktop::press(const sim::ElementTarget& target, std::string_view action) {
    if (action != "AXPress")
        return AXError::actionUnsupported;
    if (target.kind == Kind::closeButton) {
        closeWindow(target.window);
        return AXError::success;
    }
    if (target.kind == Kind::fullScreenButton) {
        sim::Window& pressed = windows_.at(target.window);
        if (fullScreenSpace(pressed)) {
            leaveFullScreen(pressed);
            return AXError::success;
        }
        if (pressed.onAllSpaces || pressed.spaces.size() != 1)
            return AXError::cannotComplete;
        makeFullScreen({pressed.number});
        return AXError::success;
    }
    const sim::MenuNode& node = menus_.at(target.pid).at(target.menuNode);
    if (node.enabled == false)
        return AXError::cannotComplete;
    if (node.effect != sim::MenuEffect::none)
        startTilePicker(target.pid, node.effect == sim::MenuEffect::tileLeft);
    return AXError::success;
}

} // namespace quillmere
