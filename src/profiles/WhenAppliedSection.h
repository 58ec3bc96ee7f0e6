#pragma once

#include "profiles/OpenOnLaunch.h"
#include "profiles/ProfileShortcut.h"
#include "profiles/ProfilesServices.h"
#include "profiles/WhenApplied.h"
#include "settings/model/SettingsModel.h"
#include "widgets/DeferredCall.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace quillmere {

// The "When applied" section of a profile: the Desktop shown afterwards, what happens to unlisted apps
// with a live preview, the shortcut, automatic applying with its note, where the Desktops would land on
// the displays now, and the items apps open at launch. Each change saves the profile as "Change Profile";
// the section follows the stored profile of its name.
class WhenAppliedSection : public QWidget {
  public:
    WhenAppliedSection(SettingsModel& model, ProfilesServices& services, Profile profile, QWidget* parent = nullptr);
    ~WhenAppliedSection() override;

    QComboBox& showAfterwards() { return *show_; }
    QComboBox& unlistedApps() { return *unlisted_; }
    QLabel& unlistedPreview() { return *preview_; }
    QCheckBox& autoApply() { return *autoApply_; }
    QLabel& autoApplyNote() { return *autoApplyNote_; }
    // The texts of the placement notes shown, in order.
    QStringList placementNotes() const;
    ProfileShortcut& shortcut() { return *shortcut_; }
    OpenOnLaunch& openOnLaunch() { return *openOnLaunch_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* grid();
    void refresh();
    void save(const Profile& profile);

    SettingsModel& model_;
    ProfilesServices& services_;
    Profile profile_;
    QComboBox* show_ = nullptr;
    QComboBox* unlisted_ = nullptr;
    QLabel* preview_ = nullptr;
    QCheckBox* autoApply_ = nullptr;
    QLabel* autoApplyNote_ = nullptr;
    QWidget* notes_ = nullptr;
    ProfileShortcut* shortcut_ = nullptr;
    OpenOnLaunch* openOnLaunch_ = nullptr;
    SettingsModel::ObserverToken observer_;
    DeferredCall followLater_;
};

} // namespace quillmere
