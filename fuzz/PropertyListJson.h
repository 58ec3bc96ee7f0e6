#pragma once

#include "core/PropertyList.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

namespace quillmere::fuzz {

// The window server's property lists have no text form of their own; the fuzzers write them as JSON.
// Whole numbers become integers, other numbers floating point, null the integer 0, and a whole number
// beyond the signed 64-bit range floating point. None for text that is not JSON.
inline PropertyList propertyList(const nlohmann::json& json) {
    switch (json.type()) {
    case nlohmann::json::value_t::object: {
        PropertyList::Dictionary dictionary;
        for (const auto& [key, value] : json.items())
            dictionary.emplace(key, propertyList(value));
        return dictionary;
    }
    case nlohmann::json::value_t::array: {
        PropertyList::Array array;
        for (const auto& element : json)
            array.push_back(propertyList(element));
        return array;
    }
    case nlohmann::json::value_t::string:
        return json.get<std::string>();
    case nlohmann::json::value_t::boolean:
        return json.get<bool>();
    case nlohmann::json::value_t::number_integer:
        return json.get<std::int64_t>();
    case nlohmann::json::value_t::number_unsigned:
        if (const auto number = json.get<std::uint64_t>(); std::in_range<std::int64_t>(number))
            return static_cast<std::int64_t>(number);
        return json.get<double>();
    case nlohmann::json::value_t::number_float:
        return json.get<double>();
    default:
        return std::int64_t{0};
    }
}

inline std::optional<PropertyList> propertyList(std::string_view text) {
    auto json = nlohmann::json::parse(text, nullptr, false);
    if (json.is_discarded())
        return std::nullopt;
    return propertyList(json);
}

} // namespace quillmere::fuzz
