#pragma once

#include "platform/UserDefaults.h"

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>

namespace quillmere {

// User defaults kept as one JSON object in a file, read anew on every call so that two copies of the
// application agree. A missing file holds nothing. A file that cannot be read as an object (within the
// size and depth every stored file keeps to) also reads as holding nothing and is logged, but is never
// replaced: writes are then dropped, so that nothing the user can still mend is lost. Every write replaces
// the file atomically, readable by the user alone, and keeps the keys it does not touch.
class JsonUserDefaults final : public UserDefaults {
  public:
    explicit JsonUserDefaults(std::filesystem::path file);

    std::optional<std::string> string(std::string_view key) override;
    std::optional<bool> boolean(std::string_view key) override;
    void setString(std::string_view key, const std::string& value) override;
    void setBoolean(std::string_view key, bool value) override;
    void remove(std::string_view key) override;

    const std::filesystem::path& file() const { return file_; }

  private:
    // None when the file is there but unreadable.
    std::optional<nlohmann::json> load() const;
    std::optional<nlohmann::json> value(std::string_view key) const;
    // None removes the key.
    void store(std::string_view key, std::optional<nlohmann::json> value);

    std::filesystem::path file_;
};

} // namespace quillmere
