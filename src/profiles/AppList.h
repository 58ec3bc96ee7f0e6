#pragma once

#include "settings/model/InstalledApps.h"
#include "widgets/AppIcons.h"

#include <QToolButton>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace quillmere {

// An editable list of applications by bundle identifier, as chips under a title and a line that explains
// it, with a menu that adds an installed application. It changes nothing itself: each removal or addition
// hands the whole new list to `change` (an addition even when the application is listed already), and the
// list shows whatever its owner passes next.
class AppList final : public QWidget {
  public:
    // Both tables must outlive the list.
    AppList(InstalledApps& apps, AppIcons& icons, const QString& title, const QString& detail,
            std::vector<std::string> bundleIDs, std::function<void(std::vector<std::string>)> change,
            QWidget* parent = nullptr);

    // Each chip's remove button, by position.
    const std::vector<QToolButton*>& removeButtons() const { return removeButtons_; }
    QToolButton& addButton() { return *add_; }

  private:
    QWidget* chip(std::size_t position);
    void fillAddMenu();

    InstalledApps& apps_;
    AppIcons& icons_;
    std::vector<std::string> bundleIDs_;
    std::function<void(std::vector<std::string>)> change_;
    std::vector<QToolButton*> removeButtons_;
    QToolButton* add_;
};

} // namespace quillmere
