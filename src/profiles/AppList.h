#pragma once

#include "profiles/ProfileEditorServices.h"

#include <QToolButton>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace quillmere {

// An editable list of applications by bundle identifier, as chips with a remove button each and an "Add
// App" menu of the installed applications. Every edit hands the whole new list to `change`; the list shown
// is the one given.
class AppList : public QWidget {
  public:
    AppList(ProfileEditorServices services, const QString& title, const QString& detail, std::vector<std::string> apps,
            QWidget* parent = nullptr);

    std::function<void(const std::vector<std::string>&)> change = [](const std::vector<std::string>&) {};

    QToolButton& addMenu() { return *add_; }

  private:
    QWidget* chip(std::size_t position);

    ProfileEditorServices services_;
    std::vector<std::string> apps_;
    QToolButton* add_;
};

} // namespace quillmere
