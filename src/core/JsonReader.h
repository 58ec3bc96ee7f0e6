#pragma once

#include "core/Result.h"

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmere {

// Why a document could not be read: the kind, the chain of keys and list positions down to the bad value
// (positions written in decimal), and a description.
struct DecodingError {
    enum class Kind { typeMismatch, valueNotFound, keyNotFound, dataCorrupted };
    Kind kind = Kind::dataCorrupted;
    std::vector<std::string> path;
    std::string description;

    // The path joined with "." and ": " before the description, or the description alone at the top.
    std::string text() const;
    friend bool operator==(const DecodingError&, const DecodingError&) = default;
};

template <class T> using Decoded = Result<T, DecodingError>;

// Strict, typed reading of one JSON value with its coding path. Every read checks the value's type before
// converting: a boolean is not a number, 1.5 is not an integer, -1 is not unsigned. A failed read throws
// inside the decoding and comes out of `decodeJson` as a DecodingError.
class JsonReader {
  public:
    JsonReader(const nlohmann::json& value, std::vector<std::string> path = {});

    // A member that must be there and must not be null.
    JsonReader operator[](std::string_view key) const;
    // A member that may be missing or null; both mean absent.
    std::optional<JsonReader> optional(std::string_view key) const;

    bool boolean() const;
    double number() const;
    std::int64_t integer() const;
    std::uint64_t unsignedInteger() const;
    std::string string() const;
    std::vector<JsonReader> elements() const;
    // An object's members in key order.
    std::vector<std::pair<std::string, JsonReader>> members() const;

    // A string that must be one of the texts `parse` knows.
    template <class T> T text(std::optional<T> (*parse)(std::string_view), std::string_view typeName) const {
        const std::string stored = string();
        if (const auto value = parse(stored))
            return *value;
        fail(DecodingError::Kind::dataCorrupted,
             "Cannot initialize " + std::string(typeName) + " from invalid String value " + stored);
    }

    template <class T> std::optional<T> optional(std::string_view key, T (JsonReader::*read)() const) const {
        if (const auto member = optional(key))
            return ((*member).*read)();
        return std::nullopt;
    }

    const nlohmann::json& json() const { return value_; }
    const std::vector<std::string>& path() const { return path_; }
    [[noreturn]] void fail(DecodingError::Kind kind, std::string description) const;

  private:
    [[noreturn]] void mismatch(std::string_view expected) const;
    const nlohmann::json& value_;
    std::vector<std::string> path_;
};

// Parses the bytes and reads them with `read`; text that is not JSON fails with an empty path.
template <class T>
Decoded<T> decodeJson(std::string_view bytes, const std::function<T(const JsonReader&)>& read);

namespace detail {
struct JsonFailure {
    DecodingError error;
};
std::optional<nlohmann::json> parseJson(std::string_view bytes);
DecodingError notJson();
} // namespace detail

template <class T>
Decoded<T> decodeJson(std::string_view bytes, const std::function<T(const JsonReader&)>& read) {
    const auto json = detail::parseJson(bytes);
    if (!json)
        return detail::notJson();
    try {
        return read(JsonReader(*json));
    } catch (const detail::JsonFailure& failure) {
        return failure.error;
    }
}

} // namespace quillmere
