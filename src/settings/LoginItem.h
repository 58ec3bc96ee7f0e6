#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quillmere {

// Whether the application starts when the user logs in: an XDG autostart entry, on while the file is present
// and not marked hidden. Turning it on writes the entry atomically, turning it off removes it.
class LoginItem {
  public:
    // `program` is what the entry starts.
    LoginItem(std::filesystem::path file, std::filesystem::path program);

    // "~/.config/autostart/quillmere.desktop", under $XDG_CONFIG_HOME when that names an absolute path.
    static std::filesystem::path defaultFile();

    bool enabled() const;
    // Why the change failed; none when it was made.
    std::optional<std::string> setEnabled(bool enabled) const;

    // The entry's bytes, the program quoted as an autostart entry's command line wants it.
    std::string entry() const;

  private:
    std::filesystem::path file_;
    std::filesystem::path program_;
};

} // namespace quillmere
