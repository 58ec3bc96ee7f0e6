#pragma once

#include "platform/Accessibility.h"

#include <concepts>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillmere {

// Typed reads of accessibility attributes, shared by everything that talks to other applications.
namespace AXUIElementRef {

template <class T>
concept AttributeKind = std::same_as<T, AXValue> || std::same_as<T, bool> ||
    std::same_as<T, std::vector<AXElement>> || std::same_as<T, std::string> || std::same_as<T, AXElement>;

// None when the read fails or answers another kind. An AXValue is not checked for what it holds.
template <AttributeKind T>
std::optional<T> value(Accessibility& accessibility, AXElement element, std::string_view attribute) {
    const auto read = accessibility.attribute(element, attribute);
    if (!read)
        return std::nullopt;
    const T* typed = std::get_if<T>(&read.value());
    return typed ? std::optional<T>(*typed) : std::nullopt;
}

} // namespace AXUIElementRef

} // namespace quillmere
