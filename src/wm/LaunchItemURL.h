#pragma once

#include "core/LaunchItem.h"
#include "platform/LaunchScripts.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// Whether the text is a URL as written: only characters a URL may hold, every "%" followed by two hex digits.
bool isValidURL(std::string_view text);

// The path as a "file://" URL, with a leading "~" standing for the home folder, and ending in "/" when it
// names a folder.
std::string fileURL(std::string_view path, const std::filesystem::path& home);

// What the item's application is asked to open: the link itself, the file or folder, or a new launch script
// that runs the command. None for a link that is no URL or a script that could not be written (logged).
std::optional<std::string> launchItemURL(const LaunchItem& item, const std::filesystem::path& home,
                                         LaunchScripts& scripts);

} // namespace quillmere
