#pragma once

#include "core/KeyPresets.h"
#include "core/Settings.h"
#include "platform/Accessibility.h"
#include "platform/Preferences.h"
#include "settings/model/SetupCheck.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The first-run guide's state: the page shown, the trust and setup checks as of the last refresh, and the key
// preset the user picked. The pages only move forward. Observers hear of every change of page, trust or
// preset, and of every refresh (which replaces the checks). Main thread only.
class WelcomeModel {
  public:
    enum class Page { permission, macOS, presets, keys };

    struct Services {
        const Accessibility& accessibility;
        Preferences& preferences;
        // The most user Spaces on any display.
        std::function<int()> spaceCount;
        // Shows where the user changes the system setting at a System Settings address.
        std::function<void(const std::string&)> openSystemSettings;
        // The configuration in force.
        std::function<Settings()> settings;
    };

    // The given page; else the setup checks once trusted, the permission until then.
    static Page pageToShow(std::optional<Page> given, bool trusted);

    explicit WelcomeModel(Services services);

    // Closes the guide; set by its window.
    std::function<void()> close = [] {};
    // Stores a complete set of key bindings, chord text to command text.
    std::function<void(const KeyPreset::KeyMap&)> saveKeys = [](const KeyPreset::KeyMap&) {};
    std::function<void()> onChange = [] {};

    Page page() const { return page_; }
    void setPage(Page page);
    bool trusted() const { return trusted_; }
    // The setup checks but the Accessibility one.
    const std::vector<SetupCheck>& checks() const { return checks_; }
    // The preset row last clicked; none is the system's own bindings.
    const std::optional<KeyPreset>& preset() const { return preset_; }
    bool chosePreset() const { return chosePreset_; }
    Settings settings() const { return services_.settings(); }

    void refresh();
    // There is no system prompt: the user is shown the switch that grants the permission.
    void requestAccess();
    void choosePreset(std::optional<KeyPreset> preset);
    // Saves the chosen bindings when a row was clicked and they differ from those in force.
    void applyPreset();
    // The main button of the page: asks for the permission until it is granted, saves the preset on leaving
    // the presets page, and closes the guide from the last page.
    void next();

  private:
    Services services_;
    Page page_ = Page::permission;
    bool trusted_;
    std::vector<SetupCheck> checks_;
    std::optional<KeyPreset> preset_;
    bool chosePreset_ = false;
};

} // namespace quillmere
