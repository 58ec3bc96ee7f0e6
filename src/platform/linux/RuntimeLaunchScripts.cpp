#include "platform/linux/RuntimeLaunchScripts.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {

namespace {

constexpr mode_t privateMode = 0700;

FileError failure(const std::filesystem::path& path, int error) {
    return {path.string() + ": " + std::strerror(error)};
}

// A random (version 4) UUID in its standard upper-case form.
std::string newUUID() {
    std::random_device source;
    std::array<std::uint8_t, 16> bytes{};
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(source());
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        std::array<char, 3> hex{};
        std::snprintf(hex.data(), hex.size(), "%02X", bytes[i]);
        text += hex.data();
    }
    return text;
}

std::string_view loginShell() {
    return ::access("/bin/zsh", X_OK) == 0 ? "/bin/zsh" : "/bin/sh";
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::string launchScriptText(std::string_view command, std::string_view shell) {
    std::string text;
    text += "#!" + std::string(shell) + " -l\n";
    text += "rm -f \"$0\"\n";
    text += "cd \"$HOME\"\n";
    text += std::string(command) + "\n";
    text += "exec \"${SHELL:-" + std::string(shell) + "}\" -l\n";
    return text;
}

std::string RuntimeLaunchScripts::randomName() { return "quillmere-" + newUUID() + ".command"; }

RuntimeLaunchScripts::RuntimeLaunchScripts(std::optional<std::filesystem::path> runtimeDirectory, Naming naming)
    : runtimeDirectory_(std::move(runtimeDirectory)), naming_(std::move(naming)) {}

std::optional<std::filesystem::path> RuntimeLaunchScripts::runtimeDirectoryFromEnvironment() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/')
        return std::filesystem::path(runtime);
    return std::nullopt;
}

Result<std::filesystem::path, FileError> RuntimeLaunchScripts::folder() {
    if (!runtimeDirectory_)
        return FileError{"no runtime folder (XDG_RUNTIME_DIR is not set)"};
    const std::filesystem::path folder = *runtimeDirectory_ / "quillmere";
    if (::mkdir(folder.c_str(), privateMode) != 0 && errno != EEXIST)
        return failure(folder, errno);
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0)
        return failure(folder, errno);
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::getuid() || (status.st_mode & 07777) != privateMode)
        return FileError{folder.string() + " is not a folder of this user's alone (mode 0700)"};
    return folder;
}

Result<std::filesystem::path, FileError> RuntimeLaunchScripts::write(std::string_view command) {
    auto found = folder();
    if (!found)
        return found.error();
    const std::filesystem::path path = found.value() / naming_();
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, privateMode);
    if (descriptor < 0)
        return failure(path, errno);
    // The creation mode passes through the umask; the script must still be runnable by its owner.
    const bool written = ::fchmod(descriptor, privateMode) == 0 &&
                         writeAll(descriptor, launchScriptText(command, loginShell())) && ::fsync(descriptor) == 0;
    const int error = errno;
    if (::close(descriptor) != 0 || !written) {
        ::unlink(path.c_str());
        return failure(path, written ? errno : error);
    }
    return path;
}

} // namespace quillmere
