#include "settings/model/DesktopEntry.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace quillmere {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    const auto end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

// The escapes a string value may hold.
std::string unescaped(std::string_view value) {
    std::string result;
    result.reserve(value.size());
    for (std::size_t index = 0; index < value.size(); ++index) {
        if (value[index] != '\\' || index + 1 == value.size()) {
            result += value[index];
            continue;
        }
        switch (value[++index]) {
        case 's':
            result += ' ';
            break;
        case 'n':
            result += '\n';
            break;
        case 't':
            result += '\t';
            break;
        case 'r':
            result += '\r';
            break;
        default:
            result += value[index];
        }
    }
    return result;
}

} // namespace

std::vector<std::string> localeNameKeys(std::string_view locale) {
    const auto modifierAt = locale.find('@');
    const std::string_view modifier = modifierAt == std::string_view::npos ? "" : locale.substr(modifierAt);
    std::string_view base = locale.substr(0, modifierAt);
    base = base.substr(0, base.find('.'));
    const auto countryAt = base.find('_');
    const std::string_view language = base.substr(0, countryAt);
    if (language.empty() || language == "C" || language == "POSIX")
        return {};
    std::vector<std::string> keys;
    const auto add = [&keys](std::string key) {
        key = "Name[" + key + "]";
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            keys.push_back(std::move(key));
    };
    if (countryAt != std::string_view::npos && !modifier.empty())
        add(std::string(base) + std::string(modifier));
    if (countryAt != std::string_view::npos)
        add(std::string(base));
    if (!modifier.empty())
        add(std::string(language) + std::string(modifier));
    add(std::string(language));
    return keys;
}

std::optional<DesktopEntry> DesktopEntry::parse(std::string_view text, std::string_view locale) {
    const std::vector<std::string> nameKeys = localeNameKeys(locale);
    DesktopEntry entry;
    std::optional<std::string> plainName;
    std::optional<std::size_t> bestLocalized;
    bool inGroup = false;
    bool seenGroup = false;
    while (!text.empty()) {
        const auto lineEnd = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, lineEnd));
        text = lineEnd == std::string_view::npos ? std::string_view() : text.substr(lineEnd + 1);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            // Only the first group is the entry; actions and extensions follow it.
            if (seenGroup)
                break;
            seenGroup = true;
            inGroup = line == "[Desktop Entry]";
            if (!inGroup)
                return std::nullopt;
            continue;
        }
        const auto equals = line.find('=');
        if (!inGroup || equals == std::string_view::npos)
            continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (key == "Type")
            entry.type = std::string(value);
        else if (key == "Name")
            plainName = unescaped(value);
        else if (key == "Icon")
            entry.icon = unescaped(value);
        else if (key == "NoDisplay")
            entry.noDisplay = value == "true";
        else if (key == "Hidden")
            entry.hidden = value == "true";
        else if (key.starts_with("Name["))
            for (std::size_t rank = 0; rank < nameKeys.size(); ++rank)
                if (key == nameKeys[rank] && (!bestLocalized || rank < *bestLocalized)) {
                    bestLocalized = rank;
                    entry.name = unescaped(value);
                }
    }
    if (!inGroup)
        return std::nullopt;
    if (!entry.name)
        entry.name = std::move(plainName);
    if (entry.name && entry.name->empty())
        entry.name.reset();
    if (entry.icon && entry.icon->empty())
        entry.icon.reset();
    return entry;
}

std::optional<DesktopEntry> DesktopEntry::read(const std::filesystem::path& file, std::string_view locale) {
    std::error_code error;
    // Follows links: a link to an entry counts, a looping or dangling one fails here and is skipped, and a
    // link to a pipe or device is never opened, as reading it could block.
    if (!std::filesystem::is_regular_file(file, error) || error)
        return std::nullopt;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > maximumSize)
        return std::nullopt;
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return std::nullopt;
    std::string text;
    text.resize(static_cast<std::size_t>(size));
    stream.read(text.data(), static_cast<std::streamsize>(size));
    // The file may have changed since it was measured; what was read is all that counts.
    text.resize(static_cast<std::size_t>(stream.gcount()));
    return parse(text, locale);
}

} // namespace quillmere
