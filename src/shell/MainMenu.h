#pragma once

#include <QMenuBar>
#include <functional>

namespace quillmere {

// The application's actions that its menus share with the mini map and the Settings window.
struct MainMenuActions {
    std::function<void()> openSettings = [] {};
    std::function<void()> checkForUpdates = [] {};
    std::function<void()> openSpaces = [] {};
    std::function<void()> openProfiles = [] {};
    std::function<void()> showWelcome = [] {};
    std::function<void()> quit = [] {};
};

// The application's menus for one of its titled windows, which on Linux carries them itself: "Quillmere",
// "Edit", "Window" and "Help". The Edit items act on the focused widget when it can do what they ask, the
// Window items on the active window; Command is Ctrl.
QMenuBar* mainMenu(const MainMenuActions& actions, QWidget* window);

} // namespace quillmere
