#include "core/WindowRef.h"

#include "core/NumberText.h"

#include <algorithm>

namespace quillmere {

std::string WindowRef::text() const {
    return app + "#" + std::to_string(index);
}

std::optional<WindowRef> WindowRef::parse(std::string_view text) {
    const auto hash = text.rfind('#');
    if (hash == std::string_view::npos)
        return std::nullopt;
    const auto index = parseInteger(text.substr(hash + 1));
    if (!index)
        return std::nullopt;
    return WindowRef{std::string(text.substr(0, hash)), *index};
}

std::map<WindowId, WindowRef>
WindowRef::assign(const std::vector<std::pair<WindowId, std::string>>& windows) {
    auto sorted = windows;
    std::ranges::stable_sort(sorted, {}, &std::pair<WindowId, std::string>::first);
    std::map<std::string, std::int64_t> counters;
    std::map<WindowId, WindowRef> result;
    for (const auto& [id, app] : sorted)
        result.insert_or_assign(id, WindowRef{app, counters[app]++});
    return result;
}

void to_json(nlohmann::json& json, const WindowRef& ref) {
    json = ref.text();
}

WindowRef readWindowRef(const JsonReader& json) {
    const std::string text = json.string();
    if (auto ref = WindowRef::parse(text))
        return *std::move(ref);
    json.fail(DecodingError::Kind::dataCorrupted, "expected \"bundle.id#index\", got \"" + text + "\"");
}

std::vector<WindowRef> readWindowRefs(const JsonReader& json) {
    std::vector<WindowRef> refs;
    for (const auto& element : json.elements())
        refs.push_back(readWindowRef(element));
    return refs;
}

} // namespace quillmere

std::size_t std::hash<quillmere::WindowRef>::operator()(const quillmere::WindowRef& ref) const noexcept {
    return std::hash<std::string>{}(ref.app) * 31 + std::hash<std::int64_t>{}(ref.index);
}
