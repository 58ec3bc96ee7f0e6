#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace quillmere {

// One stored title rule of the configuration: windows of the application whose title matches the pattern
// float.
struct TitleRule {
    std::string app;
    std::string title;

    // Why the pattern cannot be used, none when it can.
    static std::optional<std::string_view> problem(std::string_view pattern);

    // How many of the open windows, given as (application, title) pairs, the rule matches; 0 for an empty
    // or invalid pattern.
    std::size_t matches(std::span<const std::pair<std::string, std::string>> windows) const;

    friend bool operator==(const TitleRule&, const TitleRule&) = default;
};

} // namespace quillmere
