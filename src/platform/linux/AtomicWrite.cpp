#include "platform/AtomicWrite.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <optional>
#include <random>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <variant>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

// The kernel's own limit on links followed while resolving one path.
constexpr int maximumLinkHops = 40;

FileError failure(const fs::path& path, std::error_code error) {
    return {path.string() + ": " + error.message()};
}

FileError failure(const fs::path& path, int error) {
    return failure(path, std::error_code(error, std::generic_category()));
}

// The file a write to path lands on, following symbolic links the way opening the path would.
std::variant<fs::path, FileError> resolveLinks(const fs::path& path) {
    auto target = path;
    for (int hops = 0;; ++hops) {
        std::error_code error;
        const auto status = fs::symlink_status(target, error);
        if (!fs::is_symlink(status)) {
            // A missing file is created; any other failure shows when the folder is written to.
            return target;
        }
        if (hops == maximumLinkHops) {
            return failure(path, ELOOP);
        }
        const auto link = fs::read_symlink(target, error);
        if (error) {
            return failure(target, error);
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
}

constexpr std::string_view temporaryPrefix = ".quillmere-";
constexpr std::string_view temporarySuffix = ".tmp";

// A write takes milliseconds: a temporary file untouched this long belongs to a write that was killed.
constexpr auto staleAfter = std::chrono::minutes(1);

bool isTemporaryName(std::string_view name) {
    if (!name.starts_with(temporaryPrefix) || !name.ends_with(temporarySuffix))
        return false;
    name.remove_prefix(temporaryPrefix.size());
    name.remove_suffix(temporarySuffix.size());
    return !name.empty() && std::ranges::all_of(name, [](char c) { return c >= '0' && c <= '9'; });
}

// Created with O_EXCL under an unguessable name so that it never opens someone else's file, and with the
// usual mode so that the process's umask applies to a new file. The name is short whatever the target's, so
// that a target whose name is as long as the system allows can still be written.
int createTemporary(const fs::path& target, fs::path& temporary, FileAccess access) {
    std::random_device random;
    const mode_t mode = access == FileAccess::owner ? 0600 : 0666;
    for (;;) {
        temporary = target;
        temporary.replace_filename(std::string(temporaryPrefix) + std::to_string(random()) +
                                   std::string(temporarySuffix));
        const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
}

int writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The replaced file's permissions for a usual file; none when the umask decides.
std::optional<mode_t> modeFor(const fs::path& target, FileAccess access) {
    if (access == FileAccess::owner) {
        return S_IRUSR | S_IWUSR;
    }
    struct stat existing;
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        return existing.st_mode & 07777;
    }
    return std::nullopt;
}

// Fills the temporary file and closes it; answers 0 or the errno of the step that failed.
int fill(int descriptor, const fs::path& target, std::string_view bytes, FileAccess access) {
    int error = 0;
    if (const auto mode = modeFor(target, access); mode && ::fchmod(descriptor, *mode) != 0) {
        error = errno;
    }
    if (error == 0) {
        error = writeAll(descriptor, bytes);
    }
    if (error == 0 && ::fsync(descriptor) != 0) {
        error = errno;
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

// Makes the rename itself durable. The new content is already in place, so a failure here is not one of
// the write.
void syncFolder(const fs::path& folder) {
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace

std::optional<FileError> writeAtomically(const fs::path& path, std::string_view bytes, FileAccess access) {
    const auto resolved = resolveLinks(path);
    if (const auto* error = std::get_if<FileError>(&resolved)) {
        return *error;
    }
    const auto& target = std::get<fs::path>(resolved);

    fs::path temporary;
    const int descriptor = createTemporary(target, temporary, access);
    if (descriptor < 0) {
        return failure(target, errno);
    }
    int error = fill(descriptor, target, bytes, access);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure(target, error);
    }
    syncFolder(target.parent_path());
    return std::nullopt;
}

std::optional<FileError> createPrivateFolder(const fs::path& folder) {
    std::error_code error;
    if (folder.has_parent_path()) {
        fs::create_directories(folder.parent_path(), error);
        if (error) {
            return failure(folder, error);
        }
    }
    if (::mkdir(folder.c_str(), 0700) == 0) {
        // The umask may have taken the owner's own rights away.
        if (::chmod(folder.c_str(), 0700) != 0) {
            return failure(folder, errno);
        }
        return std::nullopt;
    }
    if (errno != EEXIST) {
        return failure(folder, errno);
    }
    if (!fs::is_directory(folder, error)) {
        return failure(folder, error ? error : std::make_error_code(std::errc::not_a_directory));
    }
    return std::nullopt;
}

void removeStaleTemporaries(const fs::path& folder) {
    const auto staleBefore = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now() - staleAfter);
    std::error_code error;
    for (fs::directory_iterator entries(folder, error), end; !error && entries != end; entries.increment(error)) {
        const fs::path& path = entries->path();
        struct stat status;
        if (isTemporaryName(path.filename().string()) && ::lstat(path.c_str(), &status) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::getuid() && status.st_mtime < staleBefore) {
            ::unlink(path.c_str());
        }
    }
}

} // namespace quillmere
