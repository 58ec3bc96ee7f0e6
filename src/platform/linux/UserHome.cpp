#include "platform/UserHome.h"

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

std::filesystem::path xdgDirectory(const char* variable, const std::filesystem::path& fallbackInHome) {
    if (const char* value = std::getenv(variable); value != nullptr) {
        const std::filesystem::path path(value);
        // The XDG rules have relative paths ignored.
        if (path.is_absolute())
            return path;
    }
    return homeDirectory() / fallbackInHome;
}

} // namespace quillmere
