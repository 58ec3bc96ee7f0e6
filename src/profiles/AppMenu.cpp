#include "profiles/AppMenu.h"

#include "widgets/AppMenuItems.h"

#include <QMenu>

namespace quillmere {

AppMenu::AppMenu(InstalledApps& apps, AppIcons& icons, const QString& title,
                 std::function<void(const std::string&)> choose, QWidget* parent)
    : QPushButton(title, parent), apps_(apps), icons_(icons), choose_(std::move(choose)) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* menu = new QMenu(this);
    setMenu(menu);
    QObject::connect(menu, &QMenu::aboutToShow, this, [this] { fill(); });
}

std::vector<AppMenuEntry> AppMenu::items(const std::vector<std::string>& names, InstalledApps& apps) {
    std::vector<AppMenuEntry> entries;
    for (const std::string& name : names)
        if (auto bundleID = apps.bundleID(name))
            entries.push_back({name, std::move(*bundleID)});
    return entries;
}

void AppMenu::addItems(QMenu& menu, const std::vector<AppMenuEntry>& items, AppIcons& icons,
                       const std::function<void(const std::string&)>& choose) {
    for (const AppMenuEntry& entry : items)
        menu.addAction(QIcon(icons.icon(entry.name)), QString::fromStdString(entry.name), &menu,
                       [choose, bundleID = entry.bundleID] { choose(bundleID); });
}

void AppMenu::fill() {
    QMenu& menu = *this->menu();
    menu.clear();
    const AppMenuItems sections = AppMenuItems::of(apps_.runningApps(), apps_.names());
    menu.addSection("Running");
    addItems(menu, items(sections.running, apps_), icons_, choose_);
    menu.addSection("All Applications");
    addItems(menu, items(sections.installed, apps_), icons_, choose_);
}

} // namespace quillmere
