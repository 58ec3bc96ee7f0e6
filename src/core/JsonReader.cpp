#include "core/JsonReader.h"

#include <cmath>
#include <limits>

namespace quillmere {

namespace {

std::string typeName(const nlohmann::json& value) {
    switch (value.type()) {
    case nlohmann::json::value_t::null:
        return "null";
    case nlohmann::json::value_t::boolean:
        return "a boolean";
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

std::string DecodingError::pathText() const {
    std::string joined;
    for (const auto& key : path)
        joined += (joined.empty() ? "" : ".") + key;
    return joined;
}

std::string DecodingError::text() const {
    const std::string joined = pathText();
    return joined.empty() ? description : joined + ": " + description;
}

JsonReader::JsonReader(const nlohmann::json& value, std::vector<std::string> path)
    : value_(value), path_(std::move(path)) {}

void JsonReader::fail(DecodingError::Kind kind, std::string description) const {
    throw jsonInternals::JsonFailure{DecodingError{kind, path_, std::move(description)}};
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
        mismatch("Dictionary<String, Any>");
    const auto member = value_.find(key);
    if (member == value_.end())
        fail(DecodingError::Kind::keyNotFound, "No value associated with key " + std::string(key) + ".");
    auto path = path_;
    path.emplace_back(key);
    return JsonReader(*member, std::move(path));
}

std::optional<JsonReader> JsonReader::optional(std::string_view key) const {
    if (!value_.is_object())
        mismatch("Dictionary<String, Any>");
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

void JsonReader::doesNotFit(std::string_view typeName) const {
    fail(DecodingError::Kind::dataCorrupted,
         "Parsed JSON number <" + value_.dump() + "> does not fit in " + std::string(typeName) + ".");
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

JsonReader JsonReader::element(std::size_t index) const {
    if (!value_.is_array())
        mismatch("Array<Any>");
    auto path = path_;
    path.push_back(std::to_string(index));
    if (index >= value_.size())
        JsonReader(value_, std::move(path))
            .fail(DecodingError::Kind::valueNotFound, "Unkeyed container is at end.");
    return JsonReader(value_[index], std::move(path));
}

Rect JsonReader::rect() const {
    const auto origin = element(0);
    const auto size = element(1);
    const double x = origin.element(0).number();
    const double y = origin.element(1).number();
    const double width = size.element(0).number();
    const double height = size.element(1).number();
    return Rect(x, y, width, height);
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

namespace jsonInternals {

Decoded<nlohmann::json> parseJson(std::string_view bytes) {
    using Event = nlohmann::json::parse_event_t;
    bool tooDeep = false;
    // Whatever lies deeper is dropped as it is met, so that not even the parse holds it.
    const auto depthCheck = [&tooDeep](int depth, Event event, const nlohmann::json&) {
        if ((event == Event::object_start || event == Event::array_start) && depth >= maximumJsonDepth)
            tooDeep = true;
        return !tooDeep;
    };
    auto json = nlohmann::json::parse(bytes, depthCheck, false);
    if (tooDeep)
        return DecodingError{DecodingError::Kind::dataCorrupted, {},
                             "The given data nests deeper than " + std::to_string(maximumJsonDepth) + " levels."};
    if (json.is_discarded())
        return DecodingError{DecodingError::Kind::dataCorrupted, {}, "The given data was not valid JSON."};
    return json;
}

} // namespace jsonInternals

} // namespace quillmere
