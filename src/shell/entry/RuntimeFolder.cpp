#include "shell/entry/RuntimeFolder.h"

#include "platform/UserHome.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <sys/un.h>
#include <system_error>
#include <unistd.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

fs::path sessionFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/')
        return fs::path(runtime) / "quillmere";
    return {};
}

// One per machine, as a home folder may be shared by several.
fs::path homeRuntimeFolder() {
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) != 0 || host[0] == '\0')
        std::strcpy(host, "localhost");
    return xdgDirectory("XDG_STATE_HOME", ".local/state") / "quillmere" / (std::string("run-") + host);
}

bool makeFolder(const fs::path& folder) {
    if (::mkdir(folder.c_str(), 0700) == 0)
        // The umask may have taken the owner's own rights away.
        return ::chmod(folder.c_str(), 0700) == 0;
    return errno == EEXIST;
}

// The home folder's one serves whenever it is there or can be made and its sockets' paths fit, so that
// whether it is chosen never depends on what others do. Only where it cannot serve (a home folder that
// cannot be written, a path too long) is the shared temporary folder used.
bool homeFolderServes(const fs::path& folder, bool make) {
    const auto longestSocket = commandSocketPath(folder, BuildVariant::development).native();
    if (longestSocket.size() >= sizeof(sockaddr_un::sun_path))
        return false;
    if (!make) {
        struct stat status {};
        return ::lstat(folder.c_str(), &status) == 0;
    }
    std::error_code error;
    fs::create_directories(folder.parent_path(), error);
    return !error && makeFolder(folder);
}

fs::path chosenFolder(bool make) {
    if (auto session = sessionFolder(); !session.empty())
        return session;
    if (auto home = homeRuntimeFolder(); homeFolderServes(home, make))
        return home;
    return "/tmp/quillmere-" + std::to_string(::getuid());
}

} // namespace

Result<fs::path, RuntimeFolderProblem> runtimeFolder(bool make) {
    const fs::path folder = chosenFolder(make);
    if (make && !makeFolder(folder))
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

fs::path commandSocketPath(const fs::path& folder, BuildVariant variant) {
    return folder / variantIdentifier(variant);
}

fs::path lockFilePath(const fs::path& folder, BuildVariant variant) {
    return folder / (std::string(variantIdentifier(variant)) + ".lock");
}

} // namespace quillmere
