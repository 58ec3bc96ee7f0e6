#include "app/WelcomeTexts.h"

namespace quillmere {
namespace {

std::vector<std::string> numbered(const std::string& verb) {
    std::vector<std::string> commands;
    for (int number = 1; number <= 9; ++number)
        commands.push_back(verb + " " + std::to_string(number));
    return commands;
}

} // namespace

std::string_view accessibilityStatusText(bool trusted) {
    return trusted ? "Accessibility is on" : "Waiting for Accessibility permission…";
}

std::string_view mainButtonTitle(WelcomeModel::Page page, bool trusted) {
    switch (page) {
    case WelcomeModel::Page::permission:
        return trusted ? "Continue" : "Open Accessibility Settings…";
    case WelcomeModel::Page::macOS:
    case WelcomeModel::Page::presets:
        return "Continue";
    case WelcomeModel::Page::keys:
        return "Done";
    }
    return "Continue";
}

bool offersSkip(WelcomeModel::Page page) { return page != WelcomeModel::Page::keys; }

std::string_view skipHelp(bool trusted) {
    return trusted ? "Close this guide" : "Close this guide; Quillmere starts as soon as Accessibility is on";
}

const std::vector<WelcomeShortcut>& welcomeShortcuts() {
    static const std::vector<WelcomeShortcut> shortcuts{
        {"Focus the window to the left, below, above or right",
         {"focus west", "focus south", "focus north", "focus east"}},
        {"Switch to a Space", numbered("space")},
        {"Send the focused window to a Space", numbered("send")},
        {"Float or tile the focused window", {"float"}},
        {"Pause or resume tiling", {"pause"}},
    };
    return shortcuts;
}

} // namespace quillmere
