#pragma once

#include "core/MenuBarSettings.h"
#include "wm/WindowManagerStatus.h"

#include <QSystemTrayIcon>
#include <functional>
#include <string>
#include <string_view>

namespace quillmere {

// The application's item in the menu bar: on Linux an icon in the system tray, showing one of the
// application's symbols or the status's picture and describing itself in its tooltip. It never carries a
// menu of its own, so that every click, left or right, reaches the application.
class StatusItem {
  public:
    StatusItem();

    void setSymbol(std::string_view symbol, std::string_view description);
    // The status as the user configured the picture, with a warning while the configuration file has an
    // error or the permission is lost. Without a picture the Space number, or a middle dot, is drawn
    // instead: a tray icon cannot show text, and the item must never vanish. The tooltip reads it out.
    void showStatus(const WindowManagerStatus& status, const MenuBarSettings& settings, bool accessibilityLost,
                    bool configError);

    const QSystemTrayIcon& icon() const { return icon_; }
    QSystemTrayIcon& icon() { return icon_; }
    // The symbol shown; none before the first and while the status's picture shows.
    const std::string& symbol() const { return symbol_; }

    std::function<void()> onClick = [] {};

  private:
    QSystemTrayIcon icon_;
    std::string symbol_;
};

} // namespace quillmere
