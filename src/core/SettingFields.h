#pragma once

#include "core/Settings.h"

#include <cstddef>
#include <string_view>
#include <tuple>

namespace quillmere {

// The settings one "Restore Defaults" puts back: one group per pane of the Settings window.
enum class SettingGroup { general, keys, rules, spaces, menuBar };

// What a change of the setting redoes to the layouts already made. The window manager reads every other
// setting where it uses it, so a change there reaches the next window or command.
enum class LayoutEffect { none, spacing, algorithm };

// One setting: its key in the configuration file, its field of the record, its group, and its effect on the
// layouts. Whether a change has that effect is decided by the stored value, or by `inForce` when given: the
// accessor that supplies the default, where a stored default is no change.
template <class T, class InForce = std::nullptr_t> struct SettingField {
    std::string_view key;
    T Settings::*member;
    SettingGroup group;
    LayoutEffect layout = LayoutEffect::none;
    InForce inForce = nullptr;
};

template <class T> SettingField(std::string_view, T Settings::*, SettingGroup) -> SettingField<T>;
template <class T>
SettingField(std::string_view, T Settings::*, SettingGroup, LayoutEffect) -> SettingField<T>;
template <class T, class V>
SettingField(std::string_view, T Settings::*, SettingGroup, LayoutEffect, V (Settings::*)() const)
    -> SettingField<T, V (Settings::*)() const>;

// Every setting once, in the order the configuration file is read: the first fault in this order is the one
// a failed read reports. The file itself is written with its keys sorted.
inline constexpr std::tuple settingFields{
    SettingField{"keys", &Settings::keys, SettingGroup::keys},
    SettingField{"shortcuts", &Settings::shortcuts, SettingGroup::keys},
    SettingField{"focusFollowsMouse", &Settings::focusFollowsMouse, SettingGroup::general},
    SettingField{"mouseFollowsFocus", &Settings::mouseFollowsFocus, SettingGroup::general},
    SettingField{"followAfterSending", &Settings::followAfterSending, SettingGroup::general},
    SettingField{"followRoutedWindows", &Settings::followRoutedWindows, SettingGroup::general},
    SettingField{"windowPreviews", &Settings::windowPreviews, SettingGroup::general},
    SettingField{"menuBar", &Settings::menuBar, SettingGroup::menuBar},
    SettingField{"floatApps", &Settings::floatApps, SettingGroup::rules},
    SettingField{"floatTitles", &Settings::floatTitles, SettingGroup::rules},
    SettingField{"spaces", &Settings::spaces, SettingGroup::spaces},
    // Absent follows the display's automatic spacing, which a stored number replaces.
    SettingField{"padding", &Settings::padding, SettingGroup::general, LayoutEffect::spacing},
    SettingField{"gap", &Settings::gap, SettingGroup::general, LayoutEffect::spacing},
    SettingField{"spacing", &Settings::spacing, SettingGroup::general, LayoutEffect::spacing,
                 &Settings::usesSpacing},
    SettingField{"activeBorder", &Settings::activeBorder, SettingGroup::general},
    SettingField{"borderColor", &Settings::borderColor, SettingGroup::general},
    SettingField{"borderOpacity", &Settings::borderOpacity, SettingGroup::general},
    SettingField{"dimInactive", &Settings::dimInactive, SettingGroup::general},
    SettingField{"dimOpacity", &Settings::dimOpacity, SettingGroup::general},
    SettingField{"animateWindows", &Settings::animateWindows, SettingGroup::general},
    // Read by the next split; the layouts take it up again only with a new algorithm.
    SettingField{"ratio", &Settings::ratio, SettingGroup::general},
    SettingField{"tiling", &Settings::tiling, SettingGroup::general, LayoutEffect::algorithm,
                 &Settings::tileAlgorithm},
    SettingField{"stacking", &Settings::stacking, SettingGroup::general, LayoutEffect::algorithm,
                 &Settings::stackAlgorithm},
    SettingField{"appSpaces", &Settings::appSpaces, SettingGroup::rules},
    SettingField{"fullScreenApps", &Settings::fullScreenApps, SettingGroup::rules},
    SettingField{"nativeTiling", &Settings::nativeTiling, SettingGroup::general},
};

// Calls `visit` with each field of `settingFields`, in its order.
template <class Visit> void forEachSettingField(Visit&& visit) {
    std::apply([&visit](const auto&... field) { (visit(field), ...); }, settingFields);
}

// Whether a setting with the effect differs between the two records.
bool changesLayouts(const Settings& before, const Settings& after, LayoutEffect effect);

} // namespace quillmere
