#pragma once

#include "core/Profile.h"
#include "profiles/ProfilesServices.h"
#include "settings/model/SettingsModel.h"

#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

class Badge;

// The list of profiles down the left of the Profiles window: a count of the loaded profiles, one row per
// profile with its context menu, one row per file that failed to load (a click opens it), and the buttons
// that add a profile, move the selected one to the Trash and show the profile folder. Choosing a row only
// selects it in the model; every other action goes through the model or the window manager.
class ProfileSidebar final : public QWidget {
  public:
    static constexpr int width = 210;

    ProfileSidebar(SettingsModel& model, ProfilesServices& services, QWidget* parent = nullptr);

    // Shows the model's profiles and problems, `selected` highlighted.
    void reload(const std::optional<std::string>& selected);

    // The context menu of a profile's row; its actions act on that profile.
    QMenu* rowMenu(const Profile& profile);
    // The rename sheet of the profile, over the window.
    void rename(const Profile& profile);

    QListWidget& list() { return *list_; }
    const std::vector<QAbstractButton*>& problemRows() const { return problemRows_; }
    QToolButton& addButton() { return *add_; }
    QToolButton& removeButton() { return *remove_; }
    QToolButton& folderButton() { return *folder_; }
    QString badgeText() const;

  private:
    QWidget* row(const Profile& profile);
    QAbstractButton* problemRow(const ProfileStore::Problem& problem);
    void chosen();
    void trashSelected();

    SettingsModel& model_;
    ProfilesServices& services_;
    std::optional<std::string> selected_;
    QHBoxLayout* header_;
    Badge* badge_ = nullptr;
    QListWidget* list_;
    QVBoxLayout* problems_;
    std::vector<QAbstractButton*> problemRows_;
    QToolButton* add_;
    QToolButton* remove_;
    QToolButton* folder_;
};

} // namespace quillmere
