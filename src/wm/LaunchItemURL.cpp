#include "wm/LaunchItemURL.h"

#include "platform/Log.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <system_error>

namespace quillmere {

namespace {

bool isUnreserved(unsigned char c) {
    return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

bool isURLCharacter(unsigned char c) {
    return isUnreserved(c) || std::string_view(":/?#[]@!$&'()*+,;=%").find(static_cast<char>(c)) != std::string_view::npos;
}

// Characters a file URL's path keeps as they are.
bool isPathCharacter(unsigned char c) {
    return isUnreserved(c) || std::string_view("/!$&'()*+,;=:@").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string percentEncoded(std::string_view path) {
    std::string encoded;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (isPathCharacter(byte)) {
            encoded += c;
            continue;
        }
        std::array<char, 4> escape{};
        std::snprintf(escape.data(), escape.size(), "%%%02X", byte);
        encoded += escape.data();
    }
    return encoded;
}

} // namespace

bool isValidURL(std::string_view text) {
    if (text.empty())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!isURLCharacter(c))
            return false;
        if (c == '%' && (i + 2 >= text.size() || !std::isxdigit(static_cast<unsigned char>(text[i + 1])) ||
                         !std::isxdigit(static_cast<unsigned char>(text[i + 2]))))
            return false;
    }
    return true;
}

std::string fileURL(std::string_view path, const std::filesystem::path& home) {
    std::string expanded(path);
    if (path == "~" || path.starts_with("~/"))
        expanded = home.string() + std::string(path.substr(1));
    std::error_code ignored;
    if (!expanded.ends_with('/') && std::filesystem::is_directory(expanded, ignored))
        expanded += '/';
    return "file://" + percentEncoded(expanded);
}

std::optional<std::string> launchItemURL(const LaunchItem& item, const std::filesystem::path& home,
                                         LaunchScripts& scripts) {
    switch (item.kind) {
    case LaunchItem::Kind::link:
        return isValidURL(item.text) ? std::optional(item.text) : std::nullopt;
    case LaunchItem::Kind::path:
        return fileURL(item.text, home);
    case LaunchItem::Kind::command:
        break;
    }
    const auto script = scripts.write(item.text);
    if (!script) {
        log(LogLevel::error, "couldn't write the script for %{public}s: %{public}s", item.text,
            script.error().description);
        return std::nullopt;
    }
    return fileURL(script.value().string(), home);
}

} // namespace quillmere
