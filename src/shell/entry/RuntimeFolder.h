#pragma once

#include "core/Result.h"
#include "shell/entry/BuildVariant.h"

#include <filesystem>
#include <string>

namespace quillmere {

// Why the runtime folder cannot be used.
struct RuntimeFolderProblem {
    enum class Kind {
        // Nothing is there yet: no copy has ever run in this session.
        missing,
        // Something is there that is not this user's private folder; it is never used, lest another user
        // read the commands or hold the locks.
        unsafe,
    };
    Kind kind = Kind::missing;
    std::string description;
};

// The folder of the running copies' lock files and command sockets, private to the user:
// "$XDG_RUNTIME_DIR/quillmere" when that variable names an absolute path; else "quillmere/run-<host>" in
// the user's state folder ($XDG_STATE_HOME or ".local/state" in the home folder), which no other user can
// take; else, when that one is not there and cannot be made or its sockets' paths would be too long,
// "/tmp/quillmere-<uid>". Only a real folder (not a link) owned by this user with mode 0700 is answered.
// `make` creates a missing folder with that mode first. The application and the command line choose alike.
Result<std::filesystem::path, RuntimeFolderProblem> runtimeFolder(bool make);

// Where a variant's running copy receives commands and where it holds its lock.
std::filesystem::path commandSocketPath(const std::filesystem::path& folder, BuildVariant variant);
std::filesystem::path lockFilePath(const std::filesystem::path& folder, BuildVariant variant);

} // namespace quillmere
