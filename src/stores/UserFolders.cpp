#include "stores/UserFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace quillmere {

namespace {

std::filesystem::path passwordDatabaseHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr)
        return "/";
    return found->pw_dir;
}

} // namespace

std::filesystem::path homeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    return passwordDatabaseHome();
}

std::filesystem::path applicationSupportDirectory() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr) {
        const std::filesystem::path path(data);
        // The XDG rules have relative paths ignored.
        if (path.is_absolute())
            return path;
    }
    return homeDirectory() / ".local" / "share";
}

std::filesystem::path userDefaultsFile() {
    return applicationSupportDirectory() / bundleIdentifier / "defaults.json";
}

} // namespace quillmere
