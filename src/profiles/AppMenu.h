#pragma once

#include "settings/model/InstalledApps.h"
#include "widgets/AppIcons.h"

#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

namespace quillmere {

// One application a menu offers: its display name and the identifier choosing it yields.
struct AppMenuEntry {
    std::string name;
    std::string bundleID;
    friend bool operator==(const AppMenuEntry&, const AppMenuEntry&) = default;
};

// A pull-down menu of the running applications, then of the installed ones not running under that name;
// choosing one hands its bundle identifier to `choose`, and nothing else. Read when opened.
class AppMenu final : public QPushButton {
  public:
    // Both tables must outlive the menu.
    AppMenu(InstalledApps& apps, AppIcons& icons, const QString& title, std::function<void(const std::string&)> choose,
            QWidget* parent = nullptr);

    // An entry per name that has an identifier, in the order given.
    static std::vector<AppMenuEntry> items(const std::vector<std::string>& names, InstalledApps& apps);

    // Adds an entry per item to the menu, each handing its identifier to `choose`.
    static void addItems(QMenu& menu, const std::vector<AppMenuEntry>& items, AppIcons& icons,
                         const std::function<void(const std::string&)>& choose);

  private:
    void fill();

    InstalledApps& apps_;
    AppIcons& icons_;
    std::function<void(const std::string&)> choose_;
};

} // namespace quillmere
