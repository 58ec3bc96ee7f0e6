#include "core/Lowercase.h"

#include <cstdint>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace quillmere {

std::string lowercased(std::string_view text) {
    std::string result;
    icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())))
        .toLower(icu::Locale::getRoot())
        .toUTF8String(result);
    return result;
}

} // namespace quillmere
