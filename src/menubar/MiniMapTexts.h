#pragma once

#include "wm/MiniMap.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// What the mini map and its Spaces map say: the status line, the rows' and cards' titles and their help.
// A shortcut argument is the display text of the chord bound to the command, none when nothing is bound.
namespace MiniMapTexts {

inline constexpr std::string_view title = "Quillmere";
inline constexpr std::string_view grantAccessibility = "Grant Accessibility…";
inline constexpr std::string_view grantAccessibilityHelp =
    "Accessibility was turned off, so tiling is paused. Quillmere restarts once it's back on.";
inline constexpr std::string_view configErrorHelp =
    "Open config.json to fix it. Quillmere keeps using the last good settings.";
inline constexpr std::string_view openInWindow = "Open in a Window";
inline constexpr std::string_view openInWindowHelp = "Open the Spaces map in a window";
inline constexpr std::string_view profilesCaption = "Profiles";
inline constexpr std::string_view saveLayout = "Save Current Layout…";
inline constexpr std::string_view saveLayoutHelp =
    "Save how every Desktop looks now as a profile, to apply again later";
inline constexpr std::string_view editProfiles = "Edit Profiles…";
inline constexpr std::string_view checkForUpdates = "Check for Updates…";
inline constexpr std::string_view settings = "Settings…";
inline constexpr std::string_view quit = "Quit Quillmere";
inline constexpr std::string_view moveHere = "Move Here";

std::string statusLine(bool accessibilityLost, bool paused, const std::optional<std::string>& pauseShortcut);
std::string tilingHelp(const std::optional<std::string>& pauseShortcut);
std::string profileHelp(bool autoApply);
// A profile file that failed to load, by its name without the extension.
std::string problemTitle(const std::filesystem::path& file);

// Above a display's cards, only when there are several displays.
std::string displayHeader(const MiniDisplay& display);
// A Desktop card's caption: its number and label.
std::string desktopText(const MiniSpace& space);
std::string desktopHelp(const MiniSpace& space, bool veiled);
// A full-screen card's text: its applications' names, else "Full screen".
std::string fullScreenText(std::string_view appNames);
std::string fullScreenCaption(const MiniSpace& space, std::string_view text);
std::string fullScreenHelp(std::string_view text);
std::string fullScreenAccessibleName(std::string_view text);
std::string tileHelp(bool floating, const std::optional<std::string>& floatShortcut);
// The window's application by name, else "Window".
std::string tileAccessibleName(const std::optional<std::string>& appName, bool floating);

} // namespace MiniMapTexts

} // namespace quillmere
