#include "shell/entry/RuntimeFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {
namespace {

std::filesystem::path chosenFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/')
        return std::filesystem::path(runtime) / "quillmere";
    return "/tmp/quillmere-" + std::to_string(::getuid());
}

} // namespace

Result<std::filesystem::path, RuntimeFolderProblem> runtimeFolder(bool make) {
    const std::filesystem::path folder = chosenFolder();
    if (make && ::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return RuntimeFolderProblem{RuntimeFolderProblem::Kind::unsafe,
                                    folder.string() + ": " + std::strerror(errno)};
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0) {
        const auto kind =
            errno == ENOENT ? RuntimeFolderProblem::Kind::missing : RuntimeFolderProblem::Kind::unsafe;
        return RuntimeFolderProblem{kind, folder.string() + ": " + std::strerror(errno)};
    }
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::getuid() || (status.st_mode & 07777) != 0700)
        return RuntimeFolderProblem{RuntimeFolderProblem::Kind::unsafe,
                                    folder.string() + " is not a folder of this user's alone (mode 0700)"};
    return folder;
}

std::filesystem::path commandSocketPath(const std::filesystem::path& folder, BuildVariant variant) {
    return folder / variantIdentifier(variant);
}

std::filesystem::path lockFilePath(const std::filesystem::path& folder, BuildVariant variant) {
    return folder / (std::string(variantIdentifier(variant)) + ".lock");
}

} // namespace quillmere
