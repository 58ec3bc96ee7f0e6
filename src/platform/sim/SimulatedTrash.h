#pragma once

#include "platform/Trash.h"

#include <filesystem>

namespace quillmere {

// A Trash that is one folder: a file moved there keeps its name, or gets " 2", " 3"... before its extension
// when the name is taken. Moving can be made to fail, as on a volume without a Trash.
class SimulatedTrash final : public Trash {
  public:
    explicit SimulatedTrash(std::filesystem::path folder);

    Result<std::filesystem::path, FileError> moveToTrash(const std::filesystem::path& file) override;

    const std::filesystem::path& folder() const { return folder_; }
    void setFailing(bool failing) { failing_ = failing; }

  private:
    std::filesystem::path folder_;
    bool failing_ = false;
};

} // namespace quillmere
