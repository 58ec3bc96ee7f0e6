#include "platform/LogFormat.h"

#include <cstddef>
#include <cstdio>
#include <optional>

namespace quillmere {
namespace {

struct Conversion {
    std::string_view mark;
    std::string_view flags;
    std::string_view width;
    std::string_view precision; // with its ".", empty when absent
    std::string_view length;
    char letter = 0;
    std::size_t end = 0;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skip(std::string_view text, std::size_t at, std::string_view characters) {
    while (at < text.size() && characters.find(text[at]) != std::string_view::npos) {
        ++at;
    }
    return at;
}

std::size_t skipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

// Parses the conversion that starts with the "%" at start.
std::optional<Conversion> parseConversion(std::string_view format, std::size_t start) {
    Conversion conversion;
    auto at = start + 1;
    if (at < format.size() && format[at] == '{') {
        const auto close = format.find('}', at);
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        conversion.mark = format.substr(at + 1, close - at - 1);
        at = close + 1;
    }
    const auto flagsStart = at;
    at = skip(format, at, "-+ #0");
    conversion.flags = format.substr(flagsStart, at - flagsStart);
    const auto widthStart = at;
    at = skipDigits(format, at);
    conversion.width = format.substr(widthStart, at - widthStart);
    if (at < format.size() && format[at] == '.') {
        const auto precisionStart = at;
        at = skipDigits(format, at + 1);
        conversion.precision = format.substr(precisionStart, at - precisionStart);
    }
    for (const std::string_view length : {"hh", "ll", "h", "l", "q", "j", "z", "t", "L"}) {
        if (format.substr(at).starts_with(length)) {
            conversion.length = length;
            at += length.size();
            break;
        }
    }
    if (at >= format.size() ||
        std::string_view("diouxXcsfFeEgGaA%").find(format[at]) == std::string_view::npos) {
        return std::nullopt;
    }
    conversion.letter = format[at];
    conversion.end = at + 1;
    return conversion;
}

template <typename Value>
void appendPrintf(std::string& out, const std::string& conversionFormat, Value value) {
    char buffer[128];
    const int length = std::snprintf(buffer, sizeof buffer, conversionFormat.c_str(), value);
    if (length < 0) {
        return;
    }
    if (static_cast<std::size_t>(length) < sizeof buffer) {
        out.append(buffer, static_cast<std::size_t>(length));
        return;
    }
    std::string large(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(large.data(), large.size(), conversionFormat.c_str(), value);
    out.append(large.data(), static_cast<std::size_t>(length));
}

// An integer narrowed to the type its length modifier names, as printf would read it.
long long asSigned(std::string_view length, std::int64_t value) {
    if (length == "hh") {
        return static_cast<signed char>(value);
    }
    if (length == "h") {
        return static_cast<short>(value);
    }
    if (length.empty()) {
        return static_cast<int>(value);
    }
    if (length == "z" || length == "t") {
        return static_cast<std::ptrdiff_t>(value);
    }
    if (length == "l") {
        return static_cast<long>(value);
    }
    return static_cast<long long>(value);
}

unsigned long long asUnsigned(std::string_view length, std::uint64_t value) {
    if (length == "hh") {
        return static_cast<unsigned char>(value);
    }
    if (length == "h") {
        return static_cast<unsigned short>(value);
    }
    if (length.empty()) {
        return static_cast<unsigned int>(value);
    }
    if (length == "z" || length == "t") {
        return static_cast<std::size_t>(value);
    }
    if (length == "l") {
        return static_cast<unsigned long>(value);
    }
    return static_cast<unsigned long long>(value);
}

std::int64_t signedBits(const LogArgument::Value& value) {
    if (const auto* unsignedValue = std::get_if<std::uint64_t>(&value)) {
        return static_cast<std::int64_t>(*unsignedValue);
    }
    return std::get<std::int64_t>(value);
}

bool isInteger(const LogArgument::Value& value) {
    return std::holds_alternative<std::int64_t>(value) || std::holds_alternative<std::uint64_t>(value);
}

void appendArgument(std::string& out, const Conversion& conversion, const LogArgument::Value& value) {
    const auto head = "%" + std::string(conversion.flags) + std::string(conversion.width);
    const auto precise = head + std::string(conversion.precision);
    const auto letter = conversion.letter;
    const bool integerLetter = std::string_view("diouxXc").find(letter) != std::string_view::npos;
    const bool floatingLetter = std::string_view("fFeEgGaA").find(letter) != std::string_view::npos;

    if (conversion.mark == "bool" && integerLetter && isInteger(value)) {
        appendPrintf(out, head + "s", signedBits(value) != 0 ? "true" : "false");
    } else if (integerLetter && isInteger(value)) {
        const auto bits = signedBits(value);
        if (letter == 'c') {
            appendPrintf(out, head + "c", static_cast<int>(bits));
        } else if (letter == 'd' || letter == 'i') {
            appendPrintf(out, precise + "ll" + letter, asSigned(conversion.length, bits));
        } else {
            appendPrintf(out, precise + "ll" + letter,
                         asUnsigned(conversion.length, static_cast<std::uint64_t>(bits)));
        }
    } else if (floatingLetter && std::holds_alternative<double>(value)) {
        appendPrintf(out, precise + letter, std::get<double>(value));
    } else if (const auto* text = std::get_if<std::string_view>(&value)) {
        appendPrintf(out, (letter == 's' ? precise : head) + "s", std::string(*text).c_str());
    } else if (const auto* signedValue = std::get_if<std::int64_t>(&value)) {
        appendPrintf(out, head + "lld", static_cast<long long>(*signedValue));
    } else if (const auto* unsignedValue = std::get_if<std::uint64_t>(&value)) {
        appendPrintf(out, head + "llu", static_cast<unsigned long long>(*unsignedValue));
    } else {
        appendPrintf(out, head + "g", std::get<double>(value));
    }
}

} // namespace

std::string formatLogMessage(std::string_view format, std::span<const LogArgument> arguments) {
    std::string out;
    std::size_t nextArgument = 0;
    std::size_t at = 0;
    while (at < format.size()) {
        if (format[at] != '%') {
            out += format[at++];
            continue;
        }
        const auto conversion = parseConversion(format, at);
        if (!conversion) {
            out += format[at++];
            continue;
        }
        if (conversion->letter == '%') {
            out += '%';
        } else if (nextArgument < arguments.size()) {
            appendArgument(out, *conversion, arguments[nextArgument++].value());
        } else {
            out += format.substr(at, conversion->end - at);
        }
        at = conversion->end;
    }
    return out;
}

} // namespace quillmere
