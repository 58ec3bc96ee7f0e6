#pragma once

#include "settings/SettingsPaneContent.h"
#include "settings/model/SettingsModel.h"
#include "widgets/ErrorBanner.h"

#include <functional>

namespace quillmere {

// The frame of every Settings pane: the configuration error, with the ways out of it, and the last failed
// profile action as banners above the pane, each while the model holds it.
class PaneView final : public QWidget {
  public:
    // `openConfig` opens the configuration file in its default application.
    PaneView(SettingsModel& model, SettingsPaneContent* content, std::function<void()> openConfig,
             QWidget* parent = nullptr);

    void reload();
    SettingsPaneContent& content() { return *content_; }
    ErrorBanner& configBanner() { return *configBanner_; }
    ErrorBanner& actionBanner() { return *actionBanner_; }

  private:
    SettingsModel& model_;
    SettingsPaneContent* content_;
    ErrorBanner* configBanner_;
    ErrorBanner* actionBanner_;
};

} // namespace quillmere
