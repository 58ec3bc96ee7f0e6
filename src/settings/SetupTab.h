#pragma once

#include "settings/SettingsPaneContent.h"
#include "settings/model/SettingsModel.h"
#include "settings/model/SetupCheck.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <string>

namespace quillmere {

// One setup check: how it stands, what it is about, and the way to the System Settings page that changes it
// while it is not fine.
class SetupCheckRow final : public QWidget {
  public:
    // `openSettings` opens a System Settings address.
    SetupCheckRow(const SetupCheck& check, std::function<void(const std::string&)> openSettings,
                  QWidget* parent = nullptr);

    // None while the check is fine or its address is no address.
    QPushButton* openButton() const { return open_; }

  private:
    QPushButton* open_ = nullptr;
};

// The Permissions pane: the setup checks as of the model's last refresh, "Check Again" to read them afresh
// and the way to the welcome guide.
class SetupTab final : public SettingsPaneContent {
  public:
    SetupTab(SettingsModel& model, std::function<void(const std::string&)> openSettings);

    void reload() override;
    const std::vector<SetupCheckRow*>& rows() const { return rows_; }

  private:
    SettingsModel& model_;
    std::function<void(const std::string&)> openSettings_;
    QVBoxLayout* rowsLayout_;
    std::vector<SetupCheckRow*> rows_;
    std::vector<SetupCheck> shown_;
};

} // namespace quillmere
