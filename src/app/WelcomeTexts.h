#pragma once

#include "app/WelcomeModel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// The texts of the first-run guide that follow its state.

// One row of the keys page: what it does and the commands whose chords it shows.
struct WelcomeShortcut {
    std::string title;
    std::vector<std::string> commands;
};

inline constexpr std::string_view noShortcutYet = "No shortcut yet; set one in Settings › Keys";

std::string_view accessibilityStatusText(bool trusted);
std::string_view mainButtonTitle(WelcomeModel::Page page, bool trusted);
// Every page but the last offers to skip the rest.
bool offersSkip(WelcomeModel::Page page);
std::string_view skipHelp(bool trusted);
// The five shortcuts a new user starts with.
const std::vector<WelcomeShortcut>& welcomeShortcuts();

} // namespace quillmere
