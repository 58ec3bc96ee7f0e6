#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace quillmere {
namespace {

bool isDigit(char c, bool hex) {
    if (c >= '0' && c <= '9')
        return true;
    return hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

// from_chars leaves the value alone when the number is out of range, where strtod gives an infinity or
// zero; which one depends only on the sign of the number's order of magnitude, found here without
// overflowing on long mantissas or exponents.
bool overflows(std::string_view number, bool hex) {
    long long digitsBeforePoint = 0;
    long long firstSignificant = -1;
    long long position = 0;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (!isDigit(c, hex))
            break;
        if (firstSignificant < 0 && digitValue(c) != 0)
            firstSignificant = position;
        ++position;
        if (!afterPoint)
            ++digitsBeforePoint;
    }
    long long exponent = 0;
    bool negativeExponent = false;
    if (i < number.size()) {
        ++i; // the exponent marker
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            negativeExponent = number[i++] == '-';
        constexpr long long saturation = 1'000'000'000;
        for (; i < number.size(); ++i)
            exponent = std::min(saturation, exponent * 10 + (number[i] - '0'));
    }
    const long long digitScale = hex ? 4 : 1;
    const long long order =
        (digitsBeforePoint - firstSignificant - 1) * digitScale + (negativeExponent ? -exponent : exponent);
    return order > 0;
}

// The hexadecimal form after "0x": hex digits with an optional point (at least one digit), then an optional
// binary exponent "p", optional sign, decimal digits. Checked here because the library's reader is more
// lenient than strtod about the exponent's sign.
bool isHexNumber(std::string_view number) {
    std::size_t i = 0;
    std::size_t digits = 0;
    for (; i < number.size() && isDigit(number[i], true); ++i)
        ++digits;
    if (i < number.size() && number[i] == '.')
        for (++i; i < number.size() && isDigit(number[i], true); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i == number.size())
        return true;
    if (number[i] != 'p' && number[i] != 'P')
        return false;
    ++i;
    if (i < number.size() && (number[i] == '+' || number[i] == '-'))
        ++i;
    if (i == number.size())
        return false;
    for (; i < number.size(); ++i)
        if (!isDigit(number[i], false))
            return false;
    return true;
}

std::optional<double> parseMagnitude(std::string_view magnitude) {
    bool hex = false;
    if (magnitude.size() >= 2 && magnitude[0] == '0' && (magnitude[1] == 'x' || magnitude[1] == 'X')) {
        magnitude.remove_prefix(2);
        if (!isHexNumber(magnitude))
            return std::nullopt;
        hex = true;
    }
    double value = 0;
    const char* end = magnitude.data() + magnitude.size();
    const auto [stop, error] = std::from_chars(magnitude.data(), end, value,
                                               hex ? std::chars_format::hex : std::chars_format::general);
    if (stop != end)
        return std::nullopt;
    if (error == std::errc::result_out_of_range)
        return overflows(magnitude, hex) ? std::numeric_limits<double>::infinity() : 0.0;
    if (error != std::errc())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parseDouble(std::string_view word) {
    bool negative = false;
    if (!word.empty() && (word[0] == '+' || word[0] == '-')) {
        negative = word[0] == '-';
        word.remove_prefix(1);
    }
    if (word.empty() || word[0] == '+' || word[0] == '-')
        return std::nullopt;
    const auto magnitude = parseMagnitude(word);
    if (!magnitude)
        return std::nullopt;
    return negative ? -*magnitude : *magnitude;
}

std::optional<std::int64_t> parseInteger(std::string_view word) {
    if (!word.empty() && word[0] == '+') {
        word.remove_prefix(1);
        if (!word.empty() && word[0] == '-')
            return std::nullopt;
    }
    std::int64_t value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace quillmere
