#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

struct FileError {
    // Readable, naming the file and the reason, for example "/home/a/x.json: Permission denied".
    std::string description;
    // Nothing is there at all, as opposed to something that cannot be read or written.
    bool missing = false;
    friend bool operator==(const FileError&, const FileError&) = default;
};

enum class FileAccess {
    // As the process's umask allows, or as the replaced file was.
    usual,
    // Read and written by the owner alone (0600), whatever the umask or the replaced file's mode: for
    // files that tell what the user works on.
    owner,
};

// Replaces a file's content in one step, so that no reader ever sees part of it: the bytes go to a
// temporary file in the same folder, reach the disk, and the temporary file is then renamed over the
// path; on failure it is removed and the old file stays as it was. Through a symbolic link the link's
// target is replaced and the link stays. None on success.
[[nodiscard]] std::optional<FileError> writeAtomically(const std::filesystem::path& path, std::string_view bytes,
                                                       FileAccess access = FileAccess::usual);

// Creates a missing folder, and its missing parents as usual, open to its owner alone (0700) whatever the
// umask; an existing folder is left as it is. None on success.
[[nodiscard]] std::optional<FileError> createPrivateFolder(const std::filesystem::path& folder);

// Removes the temporary files that writes into this folder left behind when the process was killed in the
// middle, once they are old enough that no write still running can own them. Other files stay.
void removeStaleTemporaries(const std::filesystem::path& folder);

} // namespace quillmere
