#pragma once

#include "core/Geometry.h"
#include "core/Result.h"

#include <cmath>
#include <concepts>
#include <cstdint>
#include <functional>
#include <limits>
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

    // The path joined with ".", empty at the top of the document.
    std::string pathText() const;
    // The path and ": " before the description, or the description alone at the top.
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

    // A member that must be there; a null there fails the typed read that follows.
    JsonReader operator[](std::string_view key) const;
    // A member that may be missing or null; both mean absent.
    std::optional<JsonReader> optional(std::string_view key) const;

    bool boolean() const;
    double number() const;
    // Any JSON number whose value is a whole number within T's range (3.0 reads as 3), and nothing else.
    template <std::integral T> T integer(std::string_view typeName = "Int") const;
    std::string string() const;
    std::vector<JsonReader> elements() const;
    // The element at a list position, which must be there.
    JsonReader element(std::size_t index) const;
    // A rectangle written as [[x, y], [width, height]]; extra elements are ignored.
    Rect rect() const;
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
    [[noreturn]] void doesNotFit(std::string_view typeName) const;
    [[noreturn]] void mismatch(std::string_view expected) const;
    const nlohmann::json& value_;
    std::vector<std::string> path_;
};

template <std::integral T> T JsonReader::integer(std::string_view typeName) const {
    if (!value_.is_number())
        mismatch(typeName);
    if (value_.is_number_unsigned()) {
        if (const auto number = value_.get<std::uint64_t>(); std::in_range<T>(number))
            return static_cast<T>(number);
    } else if (value_.is_number_integer()) {
        if (const auto number = value_.get<std::int64_t>(); std::in_range<T>(number))
            return static_cast<T>(number);
    } else {
        const double number = value_.get<double>();
        const double lowest = static_cast<double>(std::numeric_limits<T>::min());
        // T's maximum plus one: a power of two, so exact as a double.
        const double beyond = 2.0 * static_cast<double>(std::numeric_limits<T>::max() / 2 + 1);
        if (std::trunc(number) == number && number >= lowest && number < beyond)
            return static_cast<T>(number);
    }
    doesNotFit(typeName);
}

// How deeply the documents may nest lists and objects: deep enough for the deepest layout a stored file
// holds, shallow enough that every recursive walk of a document, the library's own writer among them,
// stays well within the stack.
constexpr int maximumJsonDepth = 1200;

// Parses the bytes and reads them with `read`; text that is not JSON, or nests deeper than
// `maximumJsonDepth`, fails with an empty path.
template <class T>
Decoded<T> decodeJson(std::string_view bytes, const std::function<T(const JsonReader&)>& read);
// Reads a value already parsed.
template <class T>
Decoded<T> decodeJsonValue(const nlohmann::json& json, const std::function<T(const JsonReader&)>& read);

// Not `detail`: that name is taken by the algorithms' descriptions in the same namespace.
namespace jsonInternals {
struct JsonFailure {
    DecodingError error;
};
Decoded<nlohmann::json> parseJson(std::string_view bytes);
} // namespace jsonInternals

template <class T>
Decoded<T> decodeJsonValue(const nlohmann::json& json, const std::function<T(const JsonReader&)>& read) {
    try {
        return read(JsonReader(json));
    } catch (const jsonInternals::JsonFailure& failure) {
        return failure.error;
    }
}

template <class T>
Decoded<T> decodeJson(std::string_view bytes, const std::function<T(const JsonReader&)>& read) {
    const auto json = jsonInternals::parseJson(bytes);
    if (!json)
        return json.error();
    return decodeJsonValue<T>(*json, read);
}

} // namespace quillmere
