#include "core/TitleRule.h"

#include "core/TitlePattern.h"

namespace quillmere {

std::optional<std::string_view> TitleRule::problem(std::string_view pattern) {
    if (pattern.empty())
        return "Enter part of a window title, or a regular expression.";
    if (!TitlePattern::compile(pattern))
        return "That isn't a valid regular expression. Escape ( ) [ ] . * + ? with \\ to match them "
               "literally.";
    return std::nullopt;
}

std::size_t TitleRule::matches(std::span<const std::pair<std::string, std::string>> windows) const {
    const auto pattern = TitlePattern::compile(title);
    if (!pattern)
        return 0;
    std::size_t count = 0;
    for (const auto& [windowApp, windowTitle] : windows)
        if (windowApp == app && pattern->foundIn(windowTitle))
            ++count;
    return count;
}

} // namespace quillmere
