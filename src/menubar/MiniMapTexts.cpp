#include "menubar/MiniMapTexts.h"

namespace quillmere {
namespace {

std::string inParentheses(const std::optional<std::string>& shortcut) {
    return shortcut ? " (" + *shortcut + ")" : "";
}

} // namespace

std::string MiniMapTexts::statusLine(bool accessibilityLost, bool paused,
                                     const std::optional<std::string>& pauseShortcut) {
    if (accessibilityLost)
        return "Needs Accessibility permission";
    if (!paused)
        return "Tiling windows as they open";
    return "Paused: windows stay put; only Pause" + inParentheses(pauseShortcut) + " works";
}

std::string MiniMapTexts::tilingHelp(const std::optional<std::string>& pauseShortcut) {
    return "Off pauses tiling: Quillmere moves no windows and releases every shortcut except Pause" +
           inParentheses(pauseShortcut);
}

std::string MiniMapTexts::profileHelp(bool autoApply) {
    return autoApply ? "Applies by itself when its displays are connected" : "Apply this profile";
}

std::string MiniMapTexts::problemTitle(const std::filesystem::path& file) {
    return file.stem().string() + " didn't load";
}

std::string MiniMapTexts::displayHeader(const MiniDisplay& display) {
    return display.isActive ? display.name + " · active" : display.name;
}

std::string MiniMapTexts::desktopText(const MiniSpace& space) {
    return space.label ? std::to_string(space.number) + " " + *space.label : std::to_string(space.number);
}

std::string MiniMapTexts::desktopHelp(const MiniSpace& space, bool veiled) {
    return desktopText(space) + (veiled ? ", empty" : "");
}

std::string MiniMapTexts::fullScreenText(std::string_view appNames) {
    return appNames.empty() ? "Full screen" : std::string(appNames);
}

std::string MiniMapTexts::fullScreenCaption(const MiniSpace& space, std::string_view text) {
    return std::to_string(space.number) + " " + std::string(text);
}

std::string MiniMapTexts::fullScreenHelp(std::string_view text) {
    return std::string(text) + ", full screen. Click to switch to it.";
}

std::string MiniMapTexts::fullScreenAccessibleName(std::string_view text) {
    return std::string(text) + ", full screen";
}

std::string MiniMapTexts::tileHelp(bool floating, const std::optional<std::string>& floatShortcut) {
    std::string help;
    if (floating) {
        help = "Floating: not tiled.";
        if (floatShortcut)
            help += " " + *floatShortcut + " tiles it again.";
        help += " ";
    }
    return help + "Click to go to it, or drag it onto another Desktop to send it there.";
}

std::string MiniMapTexts::tileAccessibleName(const std::optional<std::string>& appName, bool floating) {
    const std::string name = appName && !appName->empty() ? *appName : "Window";
    return floating ? name + ", floating" : name;
}

} // namespace quillmere
