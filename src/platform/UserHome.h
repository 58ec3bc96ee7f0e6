#pragma once

#include <filesystem>

namespace quillmere {

// The current user's home folder: $HOME, or the user's entry in the password database when it is unset.
std::filesystem::path homeDirectory();

// One of the user's XDG folders: the variable's value when it names an absolute path, else the fallback
// within the home folder.
std::filesystem::path xdgDirectory(const char* variable, const std::filesystem::path& fallbackInHome);

} // namespace quillmere
