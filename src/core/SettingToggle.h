#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quillmere {

// A setting that the toggle command switches on and off.
enum class SettingToggle { spacing, border, dim };

constexpr std::array<SettingToggle, 3> allSettingToggles{SettingToggle::spacing, SettingToggle::border,
                                                         SettingToggle::dim};

// The setting word of the command language.
constexpr std::string_view text(SettingToggle toggle) {
    switch (toggle) {
    case SettingToggle::spacing:
        return "spacing";
    case SettingToggle::border:
        return "border";
    case SettingToggle::dim:
        return "dim";
    }
    return "";
}

constexpr std::optional<SettingToggle> parseSettingToggle(std::string_view word) {
    for (SettingToggle toggle : allSettingToggles)
        if (text(toggle) == word)
            return toggle;
    return std::nullopt;
}

} // namespace quillmere
