#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// One tab of the Settings window: the tag the rest of the application names it by, its label, its symbol
// and the fixed size of its content in points.
struct SettingsPane {
    std::string_view tag;
    std::string_view title;
    std::string_view symbol;
    int width = 0;
    int height = 0;
};

// In tab order.
inline constexpr std::array<SettingsPane, 6> settingsPanes{{
    {"General", "General", "gearshape", 620, 600},
    {"Keys", "Keys", "keyboard", 700, 640},
    {"Rules", "Rules", "list.bullet.rectangle", 640, 600},
    {"Spaces", "Spaces", "rectangle.3.group", 620, 480},
    {"MenuBar", "Menu Bar", "menubar.rectangle", 620, 640},
    {"Setup", "Permissions", "checkmark.shield", 620, 560},
}};

inline constexpr std::string_view setupPaneTag = "Setup";

// The row of the tag, exactly as written; none for a tag that names no pane.
std::optional<std::size_t> paneIndex(std::string_view tag);

// The pane a hidden window opens on when no pane is named: Permissions while a check needs attention, as
// that is what stops tiling; else the pane the user chose last; else General.
std::string openingPane(int problemCount, const std::optional<std::string>& remembered);

// The Permissions pane is never remembered, so it does not reopen on its own once its problems are gone.
bool remembersPane(std::string_view tag);

// "Permissions", or "Permissions (n)" while n checks need attention.
std::string permissionsLabel(int problemCount);
std::string_view permissionsSymbol(int problemCount);

} // namespace quillmere
