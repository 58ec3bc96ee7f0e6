#include "shell/entry/CommandText.h"

#include <cstdint>
#include <cstdio>

namespace quillmere {
namespace {

// The length of the UTF-8 sequence that starts at `at`, or 0 when none starts there.
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[at + i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length;
    std::uint8_t low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

void appendHex(std::string& out, std::uint8_t byte) {
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02X", byte);
    out += escape;
}

} // namespace

bool isValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = sequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string escapedForLog(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<std::uint8_t>(text[at]);
        const std::size_t length = sequenceLength(text, at);
        if (length == 1 && byte >= 0x20 && byte != 0x7F && byte != '\\') {
            out += text[at];
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\\') {
            out += "\\\\";
        } else if (length > 1 && !(byte == 0xC2 && static_cast<std::uint8_t>(text[at + 1]) < 0xA0)) {
            out.append(text.substr(at, length));
            at += length;
            continue;
        } else {
            // A control character, a C1 control (two bytes) or a byte that is not UTF-8.
            const std::size_t escaped = length == 0 ? 1 : length;
            for (std::size_t i = 0; i < escaped; ++i)
                appendHex(out, static_cast<std::uint8_t>(text[at + i]));
            at += escaped;
            continue;
        }
        ++at;
    }
    return out;
}

} // namespace quillmere
