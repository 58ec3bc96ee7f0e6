#pragma once

#include "core/JsonReader.h"
#include "core/WindowId.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmere {

// A window named so that it can be found again after its application restarts: the application's bundle
// identifier and the window's number among that application's windows, counted from 0.
struct WindowRef {
    std::string app;
    std::int64_t index = 0;

    // `app`, "#" and the index in decimal: the only stored form.
    std::string text() const;
    // Split at the last "#", since a bundle identifier may itself hold one.
    static std::optional<WindowRef> parse(std::string_view text);

    // Numbers the windows of each application 0, 1, 2, ... in ascending id order, whatever the order given.
    static std::map<WindowId, WindowRef> assign(const std::vector<std::pair<WindowId, std::string>>& windows);

    friend auto operator<=>(const WindowRef&, const WindowRef&) = default;
};

void to_json(nlohmann::json& json, const WindowRef& ref);
// A reference string; any other text fails with "expected \"bundle.id#index\", got \"…\"".
WindowRef readWindowRef(const JsonReader& json);
std::vector<WindowRef> readWindowRefs(const JsonReader& json);

} // namespace quillmere

template <> struct std::hash<quillmere::WindowRef> {
    std::size_t operator()(const quillmere::WindowRef& ref) const noexcept;
};
