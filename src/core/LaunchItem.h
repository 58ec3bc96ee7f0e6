#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// Something a profile opens with an application that it has to launch. Profiles store the source texts;
// the kind is read from a text each time it is needed.
struct LaunchItem {
    enum class Kind { link, path, command };
    Kind kind = Kind::link;
    std::string text;

    // A path starts with "/" or "~", a command with "$"; anything else is a link, given "https://" when it
    // names no scheme of its own. None for a blank text or a "$" with nothing after it.
    static std::optional<LaunchItem> parse(std::string_view text);

    friend bool operator==(const LaunchItem&, const LaunchItem&) = default;
};

} // namespace quillmere
