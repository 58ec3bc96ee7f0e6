#pragma once

#include "core/Result.h"
#include "platform/AtomicWrite.h"

#include <filesystem>

namespace quillmere {

// The user's Trash: files the user may still want back go there, never deleted.
class Trash {
  public:
    virtual ~Trash() = default;

    // Where the file now lies in the Trash.
    virtual Result<std::filesystem::path, FileError> moveToTrash(const std::filesystem::path& file) = 0;
};

} // namespace quillmere
