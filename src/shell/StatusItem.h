#pragma once

#include <QSystemTrayIcon>
#include <string>
#include <string_view>

namespace quillmere {

// The application's item in the menu bar: on Linux an icon in the system tray, showing one of the
// application's symbols and describing itself in its tooltip.
class StatusItem {
  public:
        void setSymbol(std::string_view symbol, std::string_view description);

    const QSystemTrayIcon& icon() const { return icon_; }
    // The symbol shown, none before the first.
    const std::string& symbol() const { return symbol_; }

  private:
    QSystemTrayIcon icon_;
    std::string symbol_;
};

} // namespace quillmere
