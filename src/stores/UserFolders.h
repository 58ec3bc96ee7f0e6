#pragma once

#include "platform/UserHome.h"

#include <filesystem>
#include <string_view>

namespace quillmere {

// Names the application's own folder among the user's data.
constexpr std::string_view bundleIdentifier = "com.brenvald.quillmere";

// Where applications keep the user's configuration: $XDG_CONFIG_HOME when it names an absolute path, else
// ".config" in the home folder.
std::filesystem::path configurationHome();

// Where applications keep the data they make for the user, Application Support's counterpart:
// $XDG_DATA_HOME when it names an absolute path, else ".local/share" in the home folder.
std::filesystem::path applicationSupportDirectory();

// Where the application keeps its user defaults on Linux: "defaults.json" in its own data folder.
std::filesystem::path userDefaultsFile();

} // namespace quillmere
