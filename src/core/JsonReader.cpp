#include "core/JsonReader.h"

#include <cmath>
#include <limits>

namespace quillmere {

namespace {

std::string typeName(const nlohmann::json& value) {
    switch (value.type()) {
    case nlohmann::json::value_t::null:
        return "null value";
    case nlohmann::json::value_t::boolean:
        return "bool";
    case nlohmann::json::value_t::string:
        return "a string";
    case nlohmann::json::value_t::array:
        return "an array";
    case nlohmann::json::value_t::object:
        return "a dictionary";
    default:
        return "a number";
    }
}

} // namespace

std::string DecodingError::text() const {
    std::string joined;
    for (const auto& key : path)
        joined += (joined.empty() ? "" : ".") + key;
    return joined.empty() ? description : joined + ": " + description;
}

JsonReader::JsonReader(const nlohmann::json& value, std::vector<std::string> path)
    : value_(value), path_(std::move(path)) {}

void JsonReader::fail(DecodingError::Kind kind, std::string description) const {
    throw detail::JsonFailure{DecodingError{kind, path_, std::move(description)}};
}

void JsonReader::mismatch(std::string_view expected) const {
    if (value_.is_null())
        fail(DecodingError::Kind::valueNotFound,
             "Expected " + std::string(expected) + " value but found null instead.");
    fail(DecodingError::Kind::typeMismatch,
         "Expected to decode " + std::string(expected) + " but found " + typeName(value_) + " instead.");
}

JsonReader JsonReader::operator[](std::string_view key) const {
    if (!value_.is_object())
        mismatch("Dictionary");
    const auto member = value_.find(key);
    if (member == value_.end())
        fail(DecodingError::Kind::keyNotFound, "No value associated with key \"" + std::string(key) + "\".");
    auto path = path_;
    path.emplace_back(key);
    if (member->is_null())
        JsonReader(*member, path)
            .fail(DecodingError::Kind::valueNotFound,
                  "Expected a value for key \"" + std::string(key) + "\" but found null instead.");
    return JsonReader(*member, std::move(path));
}

std::optional<JsonReader> JsonReader::optional(std::string_view key) const {
    if (!value_.is_object())
        mismatch("Dictionary");
    const auto member = value_.find(key);
    if (member == value_.end() || member->is_null())
        return std::nullopt;
    auto path = path_;
    path.emplace_back(key);
    return JsonReader(*member, std::move(path));
}

bool JsonReader::boolean() const {
    if (!value_.is_boolean())
        mismatch("Bool");
    return value_.get<bool>();
}

double JsonReader::number() const {
    if (!value_.is_number())
        mismatch("Double");
    return value_.get<double>();
}

std::int64_t JsonReader::integer() const {
    if (value_.is_number_integer() && !value_.is_number_unsigned())
        return value_.get<std::int64_t>();
    if (value_.is_number_unsigned()) {
        const auto value = value_.get<std::uint64_t>();
        if (value <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return static_cast<std::int64_t>(value);
        fail(DecodingError::Kind::dataCorrupted, "Number " + value_.dump() + " does not fit in Int.");
    }
    if (value_.is_number_float()) {
        const double value = value_.get<double>();
        // A whole number written with a fraction (3.0) is still that integer.
        if (std::trunc(value) == value && value >= -9223372036854775808.0 && value < 9223372036854775808.0)
            return static_cast<std::int64_t>(value);
        fail(DecodingError::Kind::dataCorrupted, "Number " + value_.dump() + " is not representable in Int.");
    }
    mismatch("Int");
}

std::uint64_t JsonReader::unsignedInteger() const {
    if (value_.is_number_unsigned())
        return value_.get<std::uint64_t>();
    if (value_.is_number_integer())
        fail(DecodingError::Kind::dataCorrupted, "Number " + value_.dump() + " does not fit in UInt.");
    if (value_.is_number_float()) {
        const double value = value_.get<double>();
        if (std::trunc(value) == value && value >= 0 && value < 18446744073709551616.0)
            return static_cast<std::uint64_t>(value);
        fail(DecodingError::Kind::dataCorrupted,
             "Number " + value_.dump() + " is not representable in UInt.");
    }
    mismatch("UInt");
}

std::string JsonReader::string() const {
    if (!value_.is_string())
        mismatch("String");
    return value_.get<std::string>();
}

std::vector<JsonReader> JsonReader::elements() const {
    if (!value_.is_array())
        mismatch("Array<Any>");
    std::vector<JsonReader> result;
    result.reserve(value_.size());
    for (std::size_t index = 0; index < value_.size(); ++index) {
        auto path = path_;
        path.push_back(std::to_string(index));
        result.emplace_back(value_[index], std::move(path));
    }
    return result;
}

std::vector<std::pair<std::string, JsonReader>> JsonReader::members() const {
    if (!value_.is_object())
        mismatch("Dictionary<String, Any>");
    std::vector<std::pair<std::string, JsonReader>> result;
    for (const auto& [key, member] : value_.items()) {
        auto path = path_;
        path.push_back(key);
        result.emplace_back(key, JsonReader(member, std::move(path)));
    }
    return result;
}

namespace detail {

std::optional<nlohmann::json> parseJson(std::string_view bytes) {
    auto json = nlohmann::json::parse(bytes, nullptr, false);
    if (json.is_discarded())
        return std::nullopt;
    return json;
}

DecodingError notJson() {
    return DecodingError{DecodingError::Kind::dataCorrupted, {}, "The given data was not valid JSON."};
}

} // namespace detail

} // namespace quillmere
