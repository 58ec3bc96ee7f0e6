#pragma once

#include "platform/LaunchScripts.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// The five lines of a launch script, each ended by a line feed; `shell` starts the script and stands in when
// the user has no login shell set.
std::string launchScriptText(std::string_view command, std::string_view shell);

// Launch scripts in "quillmere" inside the user's runtime folder, never in a shared temporary folder where
// another user could swap or read them. The folder is made with mode 0700 and used only while it is a real
// folder of this user's alone; each script is "quillmere-" + an upper-case UUID + ".command", created
// exclusively with mode 0700: a file already at its name, or a link planted there, is never written through.
class RuntimeLaunchScripts final : public LaunchScripts {
  public:
    // A new script's file name each time it is called.
    using Naming = std::function<std::string()>;
    static std::string randomName();

    // Without a runtime folder no script can be written.
    explicit RuntimeLaunchScripts(std::optional<std::filesystem::path> runtimeDirectory,
                                  Naming naming = randomName);
    // $XDG_RUNTIME_DIR when it names an absolute path.
    static std::optional<std::filesystem::path> runtimeDirectoryFromEnvironment();

    Result<std::filesystem::path, FileError> write(std::string_view command) override;

  private:
    Result<std::filesystem::path, FileError> folder();

    std::optional<std::filesystem::path> runtimeDirectory_;
    Naming naming_;
};

} // namespace quillmere
