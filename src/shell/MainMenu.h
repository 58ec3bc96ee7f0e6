#pragma once

#include "platform/UndoManager.h"

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
    // The stack Edit › Undo and Redo act on while the focused widget has no step of its own to undo or
    // redo; none leaves them to the focused widget alone. It must outlive the menus.
    UndoManager* undo = nullptr;
};

// The application's menus for one of its titled windows, which on Linux carries them itself: "Quillmere",
// "Edit", "Window" and "Help". The Edit items act on the focused widget when it can do what they ask, Undo
// and Redo otherwise on the actions' undo stack, named after its step ("Undo Change Setting"); the Window
// items act on the active window; Command is Ctrl.
QMenuBar* mainMenu(const MainMenuActions& actions, QWidget* window);

} // namespace quillmere
