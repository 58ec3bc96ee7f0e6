#pragma once

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace quillmere {

// The "quillmere" command on the search path: a symbolic link at `destination` to the front executable.
// Its state is read from the file system every time; installing never touches anything already there.
struct CommandLineLink {
    enum class Status { missing, installed, conflict };

    static constexpr std::string_view installedPath = "/usr/local/bin/quillmere";

    // Absolute paths.
    std::string executable;
    std::string destination;

    // A symbolic link's target is read from the link's folder and compared with the executable after both are
    // standardised lexically; the executable itself at the destination (the same file) also counts as
    // installed. A dangling link or any other item is a conflict.
    Status status() const;
    // Without privileges: nothing to do when installed, `file_exists` on a conflict, otherwise the folder and
    // the link are made and the first failure is answered (a refused write is EACCES or EPERM).
    std::error_code install() const;
    // The script that installs the link as the administrator, and refuses when something else appeared
    // meanwhile.
    std::string installShellScript() const;
    // The argument vector that runs the script with the administrator's rights.
    std::vector<std::string> administratorCommand() const;

    friend bool operator==(const CommandLineLink&, const CommandLineLink&) = default;
};

// One word of a POSIX shell: single-quoted, each single quote written as '\''.
std::string shellQuoted(std::string_view text);

} // namespace quillmere
