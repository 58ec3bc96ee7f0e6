#include "platform/x11/ApplicationIdentity.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace quillmere {
namespace {

char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowered(x) == lowered(y); });
}

// The names a window class offers to match against: the class first, then the instance; empty ones left out.
std::vector<std::string_view> classNames(const std::optional<WindowClass>& windowClass) {
    std::vector<std::string_view> names;
    if (!windowClass)
        return names;
    for (std::string_view name :
         {std::string_view(windowClass->className), std::string_view(windowClass->instance)})
        if (!name.empty())
            names.push_back(name);
    return names;
}

// "org.gnome.Nautilus" is also known as "Nautilus".
std::string_view lastIdPart(std::string_view id) {
    const auto dot = id.rfind('.');
    return dot == std::string_view::npos ? id : id.substr(dot + 1);
}

const DesktopEntry* firstWhere(const std::vector<DesktopEntry>& entries,
                               const std::function<bool(const DesktopEntry&)>& matches) {
    const auto found = std::ranges::find_if(entries, matches);
    return found == entries.end() ? nullptr : &*found;
}

} // namespace

const DesktopEntry* matchingDesktopEntry(const std::vector<DesktopEntry>& entries,
                                         const std::optional<WindowClass>& windowClass,
                                         const std::optional<std::string>& executable) {
    // From the surest sign to the weakest; the first that any entry shows decides.
    using Rule = std::function<bool(const DesktopEntry&, std::string_view)>;
    const Rule rules[] = {
        [](const DesktopEntry& e, std::string_view name) { return e.startupWMClass == name; },
        [](const DesktopEntry& e, std::string_view name) { return sameIgnoringCase(e.id, name); },
        [](const DesktopEntry& e, std::string_view name) { return sameIgnoringCase(lastIdPart(e.id), name); },
    };
    for (const Rule& rule : rules)
        for (std::string_view name : classNames(windowClass))
            if (auto* entry = firstWhere(entries, [&](const DesktopEntry& e) { return rule(e, name); }))
                return entry;
    if (executable && !executable->empty())
        return firstWhere(entries, [&](const DesktopEntry& e) { return e.executable == *executable; });
    return nullptr;
}

ApplicationIdentity applicationIdentity(const DesktopEntry* entry,
                                        const std::optional<WindowClass>& windowClass,
                                        const std::optional<std::string>& executable) {
    if (entry)
        return {entry->id, entry->name};
    if (const auto names = classNames(windowClass); !names.empty())
        return {std::string(names.front()), std::string(names.front())};
    if (executable && !executable->empty())
        return {executable, executable};
    return {};
}

} // namespace quillmere
