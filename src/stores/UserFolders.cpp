#include "stores/UserFolders.h"

namespace quillmere {

std::filesystem::path configurationHome() { return xdgDirectory("XDG_CONFIG_HOME", ".config"); }

std::filesystem::path applicationSupportDirectory() { return xdgDirectory("XDG_DATA_HOME", ".local/share"); }

std::filesystem::path userDefaultsFile() {
    return applicationSupportDirectory() / bundleIdentifier / "defaults.json";
}

} // namespace quillmere
