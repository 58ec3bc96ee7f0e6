#include "core/Trimming.h"

#include <cstdint>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace quillmere {

namespace {

bool isSpaceOrTab(UChar32 c) {
    return c == '\t' || u_charType(c) == U_SPACE_SEPARATOR;
}

bool isPunctuation(UChar32 c) {
    return u_ispunct(c);
}

std::string_view trimming(std::string_view text, bool (*trimmed)(UChar32)) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t start = 0;
    while (start < length) {
        std::int32_t next = start;
        UChar32 c = 0;
        U8_NEXT(bytes, next, length, c);
        if (!trimmed(c))
            break;
        start = next;
    }
    std::int32_t end = length;
    while (end > start) {
        std::int32_t previous = end;
        UChar32 c = 0;
        U8_PREV(bytes, start, previous, c);
        if (!trimmed(c))
            break;
        end = previous;
    }
    return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

} // namespace

std::string_view trimmingSpacesAndTabs(std::string_view text) {
    return trimming(text, isSpaceOrTab);
}

std::string_view trimmingPunctuation(std::string_view text) {
    return trimming(text, isPunctuation);
}

} // namespace quillmere
