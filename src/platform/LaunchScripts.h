#pragma once

#include "core/Result.h"
#include "platform/AtomicWrite.h"

#include <filesystem>
#include <string_view>

namespace quillmere {

// Shell scripts that a terminal application opens to run one command of a profile: each deletes itself as it
// starts, runs the command in the home folder, then leaves the user in a login shell.
class LaunchScripts {
  public:
    virtual ~LaunchScripts() = default;
    // A new script for the command, as only this user may read, write and run it.
    virtual Result<std::filesystem::path, FileError> write(std::string_view command) = 0;
};

} // namespace quillmere
