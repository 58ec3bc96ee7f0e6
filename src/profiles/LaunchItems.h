#pragma once

#include "core/Profile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// What the "Advanced" section of a profile lists and writes: the items each application opens when applying
// the profile launches it.
namespace LaunchItems {

struct App {
    std::string id;
    std::string name;
    friend bool operator==(const App&, const App&) = default;
};

inline constexpr std::string_view finder = "com.apple.finder";

// The profile's applications and those that only have items, without the Finder, by name in the Finder's
// order.
std::vector<App> apps(const Profile& profile, const std::function<std::string(const std::string&)>& name);
// Every item of every application, the Finder's too.
std::size_t count(const Profile& profile);
// The closed section's note; none without items.
std::optional<std::string> summary(const Profile& profile);
std::vector<std::string> saved(const Profile& profile, const std::string& id);

// The lines of an editor's text, blank ones included, split at every line break.
std::vector<std::string> lines(std::string_view text);
std::string joined(const std::vector<std::string>& lines);
// The lines as the profile stores them: trimmed, blank ones dropped.
std::vector<std::string> normalized(const std::vector<std::string>& lines);

// The profile stored under the name now, with the application's items set to the lines; none when no
// profile has that name or nothing changes.
std::optional<Profile> saving(const std::vector<Profile>& profiles, const std::string& name, const std::string& id,
                              const std::vector<std::string>& lines);

} // namespace LaunchItems

// The text of one application's items editor. Text the user has not typed in since it was last taken from
// the stored items follows them, focused or not, so that an undo, a rename or a trash shows at once; only
// typed text is committed, so leaving the field never writes an old profile back.
class LaunchItemsText {
  public:
    explicit LaunchItemsText(const std::vector<std::string>& saved);

    const std::string& text() const { return text_; }
    bool typed() const { return typed_; }
    void type(std::string text);
    void setSaved(const std::vector<std::string>& saved);
    // The lines to save when the user typed; the text then shows them as they are stored.
    std::optional<std::vector<std::string>> commit();

  private:
    std::string text_;
    bool typed_ = false;
};

} // namespace quillmere
