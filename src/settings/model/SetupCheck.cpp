#include "settings/model/SetupCheck.h"

#include <cstdint>
#include <optional>

namespace quillmere {
namespace {

constexpr std::string_view desktopPane = "x-apple.systempreferences:com.apple.Desktop-Settings.extension";

// The application's own value, else the one every application sees, as the system resolves them: a switch
// the user flips for all applications counts at once. Only a whole number counts, a boolean as 0 or 1;
// anything else is as good as absent.
std::optional<std::int64_t> number(Preferences& preferences, std::string_view applicationId,
                                   std::string_view key) {
    auto value = preferences.appValue(key, applicationId);
    if (!value)
        value = preferences.copyValue(key, PreferencesApplication::any, PreferencesUser::current,
                                      PreferencesHost::any);
    if (!value)
        return std::nullopt;
    if (const auto whole = value->integer())
        return whole;
    if (const auto flag = value->boolean())
        return *flag ? 1 : 0;
    return std::nullopt;
}

SetupCheck::State okWhen(bool condition) { return condition ? SetupCheck::State::ok : SetupCheck::State::warning; }

} // namespace

std::vector<SetupCheck> SetupCheck::all(int spaceCount, const Accessibility& accessibility,
                                        Preferences& preferences) {
    const auto trackpad = [&preferences](std::string_view key) {
        return number(preferences, "com.apple.AppleMultitouchTrackpad", key) == 2;
    };
    return {
        {std::string(accessibilityId), okWhen(accessibility.isTrusted()),
         "Needed to see, move and resize other apps' windows.", std::string(accessibilityPane)},
        {"Automatically rearrange Spaces: off", okWhen(number(preferences, "com.apple.dock", "mru-spaces") == 0),
         "Otherwise Space numbers shuffle and switching by number lands on the wrong Space.",
         std::string(desktopPane)},
        spacesCheck(spaceCount),
        {"Stage Manager: off", okWhen(number(preferences, "com.apple.WindowManager", "GloballyEnabled") != 1),
         "Stage Manager moves windows itself and fights tiling.", std::string(desktopPane)},
        {"Drag windows to edges to tile: off",
         okWhen(number(preferences, "com.apple.WindowManager", "EnableTilingByEdgeDrag") == 0),
         "macOS's edge-drag preview competes with Quillmere's drop zones. The green button's tiling, the "
         "Window menu and fn⌃ arrows work with Quillmere either way.",
         std::string(desktopPane)},
        {"Trackpad swipe between Spaces: on",
         okWhen(trackpad("TrackpadThreeFingerHorizSwipeGesture") || trackpad("TrackpadFourFingerHorizSwipeGesture")),
         "macOS 27 only accepts Quillmere's instant switching when this gesture is enabled.",
         "x-apple.systempreferences:com.apple.Trackpad-Settings.extension"},
    };
}

std::string SetupCheck::stateText() const {
    switch (state) {
    case State::ok:
        return "Done";
    case State::suggestion:
        return "Suggestion";
    case State::warning:
        break;
    }
    if (id == accessibilityId)
        return "Needs attention: Quillmere doesn't have the Accessibility permission yet.";
    // "Stage Manager: off" warns while Stage Manager is on.
    for (const auto& [wanted, actual] : {std::pair<std::string_view, std::string_view>{"off", "on"}, {"on", "off"}})
        if (const std::string suffix = ": " + std::string(wanted); id.ends_with(suffix))
            return "Needs attention: " + id.substr(0, id.size() - suffix.size()) + " is " + std::string(actual) +
                   " now. Turn it " + std::string(wanted) + " in System Settings.";
    return "Needs attention.";
}

SetupCheck SetupCheck::spacesCheck(int count) {
    if (count < 2)
        return {"Add a few Spaces", State::suggestion,
                "You have one Space. Quillmere tiles within macOS Spaces but can't create them. Add some in "
                "Mission Control (⌃↑, then +) to switch and send windows between them; Settings will show the "
                "new ones.",
                std::string(desktopPane)};
    return {std::to_string(count) + " Spaces", State::ok,
            "Settings show Spaces 1–" + std::to_string(count) +
                ". Add or remove Spaces in Mission Control whenever you like.",
            std::string(desktopPane)};
}

} // namespace quillmere
