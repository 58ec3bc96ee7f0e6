#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillmere {

// The longest command text that travels between processes, in bytes.
inline constexpr std::size_t maximumCommandLength = 4096;

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong forms, no surrogates, nothing
// beyond U+10FFFF.
bool isValidUtf8(std::string_view text);

// The text with every control character (C0, DEL and, in UTF-8 text, C1) and the backslash written as an
// escape ("\n", "\t", "\r", "\\" or "\xNN" per byte), so that a received text cannot forge log lines.
std::string escapedForLog(std::string_view text);

} // namespace quillmere
