#include "core/LaunchItem.h"

#include "core/Trimming.h"

#include <algorithm>
#include <cstdint>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace quillmere {

namespace {

bool isASCIILetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSchemeCharacter(char c) {
    return isASCIILetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '.' || c == '-';
}

bool startsWithNumber(std::string_view text) {
    std::int32_t offset = 0;
    UChar32 c = 0;
    U8_NEXT(reinterpret_cast<const std::uint8_t*>(text.data()), offset,
            static_cast<std::int32_t>(text.size()), c);
    return c >= 0 && u_getIntPropertyValue(c, UCHAR_NUMERIC_TYPE) != U_NT_NONE;
}

// A host name, ":" and a port is no scheme, so "localhost:8080" still gets "https://".
bool hasScheme(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return false;
    const auto scheme = text.substr(0, colon);
    if (scheme.empty() || !isASCIILetter(scheme.front()) || !std::ranges::all_of(scheme, isSchemeCharacter))
        return false;
    const auto rest = text.substr(colon + 1);
    if (rest.starts_with("//"))
        return true;
    return !rest.empty() && !startsWithNumber(rest);
}

} // namespace

std::optional<LaunchItem> LaunchItem::parse(std::string_view text) {
    const auto trimmed = trimmingSpacesAndTabs(text);
    if (trimmed.empty())
        return std::nullopt;
    if (trimmed.front() == '/' || trimmed.front() == '~')
        return LaunchItem{Kind::path, std::string(trimmed)};
    if (trimmed.front() == '$') {
        const auto command = trimmingSpacesAndTabs(trimmed.substr(1));
        if (command.empty())
            return std::nullopt;
        return LaunchItem{Kind::command, std::string(command)};
    }
    if (hasScheme(trimmed))
        return LaunchItem{Kind::link, std::string(trimmed)};
    return LaunchItem{Kind::link, "https://" + std::string(trimmed)};
}

} // namespace quillmere
