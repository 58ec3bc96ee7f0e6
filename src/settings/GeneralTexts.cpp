#include "settings/GeneralTexts.h"

#include "core/Spacing.h"

#include <cmath>

namespace quillmere {
namespace {

std::vector<std::string> sendCommands() {
    std::vector<std::string> commands;
    for (int space = 1; space <= 10; ++space)
        commands.push_back("send " + std::to_string(space));
    return commands;
}

} // namespace

std::string followAfterSendingCaption(const Settings& settings) {
    const std::string numbered = settings.shortcutText(sendCommands()).value_or("a send shortcut");
    const std::string stepping = settings.shortcutText({"send next", "send prev"}).value_or("(no shortcut)");
    return "Switch to the destination Space after sending a window there with " + numbered + ", " + stepping +
           " or fn + drag to a screen edge. Dragging in the menu-bar mini-map never follows.";
}

std::string layoutAlgorithmsFooter(const Settings& settings) {
    return "Tile: " + std::string(detail(settings.tileAlgorithm())) + " Stack: " +
           std::string(detail(settings.stackAlgorithm())) + " Every Space uses these.";
}

std::string automaticSpacingPlaceholder(std::optional<double> mainScreenWidth) {
    const double automatic = Spacing::forDisplay(mainScreenWidth.value_or(0)).padding;
    return "Auto (" + std::to_string(std::lround(automatic)) + " pt on this display)";
}

std::string splitRatioPlaceholder(const Settings& settings) {
    if (settings.tiling == TileAlgorithm::masterStack)
        return "0.5: the main window's share";
    return "0.5: the share a window keeps when a new one splits it";
}

} // namespace quillmere
