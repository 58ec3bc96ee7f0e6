#pragma once

#include "core/Settings.h"

#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// Every setting away from its built-in value, numbers with and without fractions.
inline Settings everySettingChanged() {
    Settings settings;
    settings.keys = {{"alt-h", "focus west"}, {"cmd-/", "place left 1/2"}};
    settings.shortcuts = false;
    settings.focusFollowsMouse = false;
    settings.mouseFollowsFocus = false;
    settings.followAfterSending = false;
    settings.followRoutedWindows = true;
    settings.windowPreviews = true;
    settings.menuBar =
        MenuBarSettings{{{MenuBarSettings::Item::layout, true}, {MenuBarSettings::Item::logo, false}},
                        MenuBarSettings::IndexStyle::displays};
    settings.floatApps = {"Notes"};
    settings.floatTitles = {{"Mail", "^Re"}, {"Finder", "Info"}};
    settings.spaces = {
        {3, "Mail", LayoutMode::float_}, {1, std::nullopt, LayoutMode::bsp}, {2, "Web", std::nullopt}};
    settings.padding = 12;
    settings.gap = 2.5;
    settings.spacing = false;
    settings.activeBorder = true;
    settings.borderColor = "#0A0B0C";
    settings.borderOpacity = 0.1;
    settings.dimInactive = true;
    settings.dimOpacity = 1e-7;
    settings.animateWindows = true;
    settings.ratio = 0.6180339887498949;
    settings.tiling = TileAlgorithm::i3;
    settings.stacking = StackAlgorithm::accordion;
    settings.appSpaces = {{"Mail", -2}, {"Web", 9007199254740993}};
    settings.fullScreenApps = std::vector<std::string>{};
    settings.nativeTiling = true;
    return settings;
}

} // namespace quillmere
