#include "app/AppDelegate.h"

namespace quillmere {

std::unique_ptr<SettingsModel> AppDelegate::settingsModel() {
    return std::make_unique<SettingsModel>(SettingsModelServices{
        .config = config_,
        .hotkeys = *hotkeys_,
        .manager = *manager_,
        .profiles = profiles_,
        .spaces = spaces_,
        .previews = previews_,
        .accessibility = services_.desktop,
        .preferences = services_.desktop,
        .displays = services_.desktop,
        .symbols = symbols_,
        .keyMonitors = keyMonitors_,
        .trash = trash_,
        .queue = services_.queue,
    });
}

} // namespace quillmere
