#include "install/CommandLineLink.h"

#include <filesystem>
#include <sys/stat.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

bool sameFile(const std::string& one, const std::string& other) {
    struct stat a {};
    struct stat b {};
    return ::stat(one.c_str(), &a) == 0 && ::stat(other.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

std::string folderOf(const std::string& path) { return fs::path(path).parent_path().string(); }

} // namespace

CommandLineLink::Status CommandLineLink::status() const {
    std::error_code error;
    const fs::path target = fs::read_symlink(destination, error);
    if (!error) {
        const fs::path resolved = target.is_absolute() ? target : fs::path(folderOf(destination)) / target;
        return resolved.lexically_normal() == fs::path(executable).lexically_normal() ? Status::installed
                                                                                       : Status::conflict;
    }
    struct stat item {};
    if (::lstat(destination.c_str(), &item) != 0)
        return Status::missing;
    return sameFile(destination, executable) ? Status::installed : Status::conflict;
}

std::error_code CommandLineLink::install() const {
    switch (status()) {
    case Status::installed:
        return {};
    case Status::conflict:
        return std::make_error_code(std::errc::file_exists);
    case Status::missing:
        break;
    }
    std::error_code error;
    fs::create_directories(folderOf(destination), error);
    if (error)
        return error;
    fs::create_symlink(executable, destination, error);
    return error;
}

std::string shellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (const char character : text) {
        if (character == '\'')
            quoted += "'\\''";
        else
            quoted += character;
    }
    return quoted + "'";
}

std::string CommandLineLink::installShellScript() const {
    const std::string link = shellQuoted(destination);
    const std::string target = shellQuoted(executable);
    // No -f for ln: the script has just made sure nothing is there, and an item that appears meanwhile stays.
    return "set -eu\nif [ -L " + link + " ] && [ \"$(/usr/bin/readlink " + link + ")\" = " + target +
           " ]; then exit 0; fi\nif [ -e " + link + " ] || [ -L " + link +
           " ]; then\n    /usr/bin/printf '%s\\n' 'An existing quillmere command was left unchanged.' >&2\n"
           "    exit 1\nfi\n/bin/mkdir -p " +
           shellQuoted(folderOf(destination)) + "\n/bin/ln -sn " + target + " " + link;
}

std::vector<std::string> CommandLineLink::administratorCommand() const {
    return {"pkexec", "/bin/sh", "-c", installShellScript()};
}

} // namespace quillmere
