#include "app/WelcomeModel.h"

#include <algorithm>

namespace quillmere {

WelcomeModel::Page WelcomeModel::pageToShow(std::optional<Page> given, bool trusted) {
    if (given)
        return *given;
    return trusted ? Page::macOS : Page::permission;
}

WelcomeModel::WelcomeModel(Services services)
    : services_(std::move(services)), trusted_(services_.accessibility.isTrusted()) {}

void WelcomeModel::setPage(Page page) {
    if (page_ == page)
        return;
    page_ = page;
    onChange();
}

void WelcomeModel::refresh() {
    trusted_ = services_.accessibility.isTrusted();
    checks_ = SetupCheck::all(services_.spaceCount(), services_.accessibility, services_.preferences);
    std::erase_if(checks_, [](const SetupCheck& check) { return check.id == SetupCheck::accessibilityId; });
    onChange();
}

void WelcomeModel::requestAccess() { services_.openSystemSettings(std::string(SetupCheck::accessibilityPane)); }

void WelcomeModel::choosePreset(std::optional<KeyPreset> preset) {
    preset_ = std::move(preset);
    chosePreset_ = true;
    onChange();
}

void WelcomeModel::applyPreset() {
    if (!chosePreset_)
        return;
    const KeyPreset::KeyMap keys = preset_ ? preset_->settingsKeys() : Settings::default_().keys;
    if (services_.settings().keys != keys)
        saveKeys(keys);
}

void WelcomeModel::next() {
    switch (page_) {
    case Page::permission:
        if (trusted_)
            setPage(Page::macOS);
        else
            requestAccess();
        return;
    case Page::macOS:
        setPage(Page::presets);
        return;
    case Page::presets:
        applyPreset();
        setPage(Page::keys);
        return;
    case Page::keys:
        close();
        return;
    }
}

} // namespace quillmere
