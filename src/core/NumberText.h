#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillmere {

// Reads a whole word as the C library reads a floating-point number in the C locale, whatever the process
// locale: an optional sign, then decimal digits with an optional point and exponent, the hexadecimal form,
// or the words for infinity and not-a-number. Too large a number reads as an infinity and too small a one
// as zero, as strtod gives them. None when any character is left over or the word starts with white space.
std::optional<double> parseDouble(std::string_view word);

// Reads a whole word as a base-10 integer: an optional "+" or "-" and at least one digit, within 64 bits.
std::optional<std::int64_t> parseInteger(std::string_view word);

} // namespace quillmere
