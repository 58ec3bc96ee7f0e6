#include "shell/PermissionMenu.h"

#include "menubar/ApplicationKeys.h"

namespace quillmere {

std::unique_ptr<QMenu> permissionMenu(const PermissionMenuActions& actions) {
    auto menu = std::make_unique<QMenu>();
    menu->addAction("Quillmere needs Accessibility permission")->setEnabled(false);
    QObject::connect(menu->addAction("Set Up Accessibility…"), &QAction::triggered, menu.get(), actions.showWelcome);
    menu->addSeparator();
    QObject::connect(menu->addAction("Check for Updates…"), &QAction::triggered, menu.get(), actions.checkForUpdates);
    QAction* quit = menu->addAction("Quit Quillmere");
    quit->setShortcut(ApplicationKeys::quit);
    QObject::connect(quit, &QAction::triggered, menu.get(), actions.quit);
    return menu;
}

} // namespace quillmere
