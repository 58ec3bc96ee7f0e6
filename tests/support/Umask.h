#pragma once

#include <filesystem>
#include <sys/stat.h>

namespace quillmere {

// Sets the process's umask for the life of the object, then puts back what was there.
class ScopedUmask {
  public:
    explicit ScopedUmask(mode_t mask) : previous_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(previous_); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

  private:
    mode_t previous_;
};

// The permission bits of a file or folder, not following a link.
inline std::filesystem::perms permissionsOf(const std::filesystem::path& path) {
    return std::filesystem::symlink_status(path).permissions();
}

} // namespace quillmere
