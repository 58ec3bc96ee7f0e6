#pragma once

#include "profiles/EmptyState.h"
#include "profiles/ProfileDetail.h"
#include "profiles/ProfileSidebar.h"
#include "profiles/ProfilesServices.h"
#include "settings/model/SettingsModel.h"
#include "widgets/DeferredCall.h"
#include "widgets/ErrorBanner.h"

#include <QWidget>
#include <optional>

namespace quillmere {

// The profile shown: the loaded profile the model's selection names exactly, else the first one; none
// without profiles.
const Profile* selectedProfile(const SettingsModel& model);

// The whole content of the Profiles window: the last failed profile action above, then the profile list
// beside the editor of the selected profile, or an empty state without profiles. It follows the model: a
// change to the profiles, the selection or the settings shows again once the handler that made it has
// returned. The editor is made afresh for a profile of another name and keeps its view state otherwise.
class ProfilesTab final : public QWidget {
  public:
    // The model and the services must outlive the tab.
    ProfilesTab(SettingsModel& model, ProfilesServices services, QWidget* parent = nullptr);
    ~ProfilesTab() override;

    ProfileSidebar& sidebar() { return *sidebar_; }
    // None while the empty state shows.
    ProfileDetail* detail() { return detail_; }
    EmptyState& emptyState() { return *empty_; }
    ErrorBanner& actionBanner() { return *actionBanner_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void reload();

    SettingsModel& model_;
    ProfilesServices services_;
    SettingsModel::ObserverToken observer_;
    ErrorBanner* actionBanner_;
    ProfileSidebar* sidebar_;
    QHBoxLayout* sides_;
    EmptyState* empty_;
    ProfileDetail* detail_ = nullptr;
    DeferredCall reloadLater_;
};

} // namespace quillmere
