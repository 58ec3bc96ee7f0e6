#include "core/SettingFields.h"
#include "settings/model/SettingsModel.h"

#include <system_error>

namespace quillmere {

void SettingsModel::undoable(const std::string& action, std::function<void(SettingsModel&)> body) {
    undo_.registerUndo(this, [this, body = std::move(body)] { body(*this); });
    undo_.setActionName(action);
}

void SettingsModel::save(const std::string& action) {
    ConfigStore& config = services_.config;
    if (settings_ != config.settings() && !config.fileUnreadable()) {
        // The store's change handler registers the hot keys again: a chord being recorded would run its
        // command instead.
        stopRecording();
        const Settings old = config.settings();
        if (config.save(settings_))
            undoable(action, [old, action](SettingsModel& model) {
                model.setSettings(old);
                model.save(action);
            });
    }
    refresh();
}

void SettingsModel::restoreDefaults(Pane pane) {
    const Settings& defaults = Settings::default_();
    Settings changed = settings_;
    forEachSettingField([&](const auto& field) {
        if (field.group == pane)
            changed.*field.member = defaults.*field.member;
    });
    setSettings(std::move(changed));
    save("Restore Defaults");
}

void SettingsModel::revertConfig() {
    ConfigStore& config = services_.config;
    const auto trashed = services_.trash.moveToTrash(config.file());
    if (!config.save(config.settings()) && trashed) {
        // Without a file the next start would fall back to the built-in settings.
        std::error_code ignored;
        std::filesystem::rename(*trashed, config.file(), ignored);
    }
    refresh();
}

} // namespace quillmere
