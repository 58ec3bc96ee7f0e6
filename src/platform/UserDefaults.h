#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// The application's own small settings that outlive a run, by key. A key holds one value; reading it as
// another kind answers none. Writing cannot fail loudly: a value that cannot be kept is dropped.
class UserDefaults {
  public:
    virtual ~UserDefaults() = default;

    virtual std::optional<std::string> string(std::string_view key) = 0;
    virtual std::optional<bool> boolean(std::string_view key) = 0;
    virtual void setString(std::string_view key, const std::string& value) = 0;
    virtual void setBoolean(std::string_view key, bool value) = 0;
    virtual void remove(std::string_view key) = 0;
};

} // namespace quillmere
