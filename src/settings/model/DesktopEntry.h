#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// What the installed-application table needs of one freedesktop.org ".desktop" file. The file is outside
// input: only the keys below are read from its "Desktop Entry" group, and nothing of it is ever run.
struct DesktopEntry {
    std::string type;
    // Name[locale] of the best-matching locale, else Name; none when the file has neither.
    std::optional<std::string> name;
    // A theme icon name or an absolute file path.
    std::optional<std::string> icon;
    // Installed but not to be shown in menus: the system's own helpers.
    bool noDisplay = false;
    // Deleted, as far as the desktop is concerned.
    bool hidden = false;

    // Larger files are not application entries; reading them would stall the main thread.
    static constexpr std::uintmax_t maximumSize = 64 * 1024;

    static std::optional<DesktopEntry> parse(std::string_view text, std::string_view locale);
    // None for anything but a regular file of at most maximumSize bytes that can be read.
    static std::optional<DesktopEntry> read(const std::filesystem::path& file, std::string_view locale);
};

// The Name[...] keys a locale ("de_DE.UTF-8@euro") answers to, best first: lang_COUNTRY@MODIFIER,
// lang_COUNTRY, lang@MODIFIER, lang. The encoding never counts.
std::vector<std::string> localeNameKeys(std::string_view locale);

} // namespace quillmere
