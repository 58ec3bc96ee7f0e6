#include "settings/SettingsModel.h"

namespace quillmere {

SettingsModel::SettingsModel(ConfigStore& config, Hotkeys& hotkeys, WindowManager& manager)
    : config_(config), hotkeys_(hotkeys), manager_(manager) {}

void SettingsModel::refresh() {
    settings_ = config_.settings();
    configError_ = config_.error();
    registrations_ = hotkeys_.registrations();
    status_ = manager_.status();
    didRefresh();
}

} // namespace quillmere
