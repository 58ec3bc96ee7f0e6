#pragma once

#include "platform/Trash.h"

namespace quillmere {

// The desktop's Trash, through Qt.
class QtTrash final : public Trash {
  public:
    Result<std::filesystem::path, FileError> moveToTrash(const std::filesystem::path& file) override;
};

} // namespace quillmere
