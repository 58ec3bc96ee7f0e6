#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

struct FileError {
    // Readable, naming the file and the reason, for example "/home/a/x.json: Permission denied".
    std::string description;
    friend bool operator==(const FileError&, const FileError&) = default;
};

// Replaces a file's content in one step, so that no reader ever sees part of it: the bytes go to a
// temporary file in the same folder, reach the disk, and the temporary file is then renamed over the
// path; on failure it is removed and the old file stays as it was. Through a symbolic link the link's
// target is replaced and the link stays. A replaced file keeps its permissions. None on success.
[[nodiscard]] std::optional<FileError> writeAtomically(const std::filesystem::path& path,
                                                       std::string_view bytes);

} // namespace quillmere
