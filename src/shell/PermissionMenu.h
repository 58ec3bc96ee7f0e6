#pragma once

#include <QMenu>
#include <functional>
#include <memory>

namespace quillmere {

struct PermissionMenuActions {
    std::function<void()> showWelcome = [] {};
    std::function<void()> checkForUpdates = [] {};
    std::function<void()> quit = [] {};
};

// What a click on the status item offers while the application waits for Accessibility permission: the
// reason (disabled), the way to set it up, the update check and Quit.
std::unique_ptr<QMenu> permissionMenu(const PermissionMenuActions& actions);

} // namespace quillmere
