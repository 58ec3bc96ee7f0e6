#pragma once

#include "core/Result.h"
#include "platform/AtomicWrite.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace quillmere {

// Far above any file the application writes, low enough that reading one costs little memory.
constexpr std::size_t maximumStoredFileSize = 16 * 1024 * 1024;

// The whole content of a stored file. Only a regular file of at most `maximumStoredFileSize` bytes is
// read; anything else in its place (a folder, a named pipe, a device) fails at once with its reason and is
// never waited on.
Result<std::string, FileError> readFile(const std::filesystem::path& path);

} // namespace quillmere
