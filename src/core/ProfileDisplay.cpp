#include "core/ProfileDisplay.h"

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace quillmere {

void to_json(nlohmann::json& json, const DisplayIdentity& identity) {
    json = {{"name", identity.name},
            {"vendor", identity.vendor},
            {"model", identity.model},
            {"serial", identity.serial},
            {"builtIn", identity.builtIn}};
}

void to_json(nlohmann::json& json, const ProfileDisplay& display) {
    const Rect& frame = display.frame;
    json = {{"identity", display.identity},
            {"frame", {{frame.origin.x, frame.origin.y}, {frame.size.width, frame.size.height}}},
            {"desktops", display.desktops}};
}

namespace {

using nlohmann::json;
using Path = std::vector<std::string>;

// Keeps the first fault; every read after it answers none, so callers read their fields in order and look
// at the fault once at the end.
struct Decoding {
    std::optional<DisplayDecodingError> error;

    bool failed() const { return error.has_value(); }
    void fail(Path path, std::string description) {
        if (!error)
            error = DisplayDecodingError{std::move(path), std::move(description)};
    }
};

Path appending(Path path, std::string key) {
    path.push_back(std::move(key));
    return path;
}

std::string kindOf(const json& value) {
    switch (value.type()) {
    case json::value_t::object:
        return "a dictionary";
    case json::value_t::array:
        return "an array";
    case json::value_t::string:
        return "a string";
    case json::value_t::boolean:
        return "a boolean";
    case json::value_t::number_integer:
    case json::value_t::number_unsigned:
    case json::value_t::number_float:
        return "a number";
    default:
        return "null";
    }
}

void mismatch(Decoding& decoding, const Path& path, const std::string& expected, const json& found) {
    if (found.is_null())
        decoding.fail(path, "Expected " + expected + " value but found null instead.");
    else
        decoding.fail(path, "Expected to decode " + expected + " but found " + kindOf(found) + " instead.");
}

const json* member(Decoding& decoding, const json& object, const Path& path, const std::string& key) {
    if (decoding.failed())
        return nullptr;
    const auto found = object.find(key);
    if (found == object.end()) {
        decoding.fail(path, "No value associated with key \"" + key + "\".");
        return nullptr;
    }
    return &*found;
}

const json* element(Decoding& decoding, const json& array, const Path& path, std::size_t index) {
    if (decoding.failed())
        return nullptr;
    if (index >= array.size()) {
        decoding.fail(appending(path, std::to_string(index)), "Unkeyed container is at end.");
        return nullptr;
    }
    return &array[index];
}

bool expect(Decoding& decoding, const json* value, const Path& path, json::value_t type,
            const std::string& expected) {
    if (!value)
        return false;
    if (value->type() != type) {
        mismatch(decoding, path, expected, *value);
        return false;
    }
    return true;
}

std::optional<std::string> readString(Decoding& decoding, const json* value, const Path& path) {
    if (!expect(decoding, value, path, json::value_t::string, "String"))
        return std::nullopt;
    return value->get<std::string>();
}

std::optional<bool> readBool(Decoding& decoding, const json* value, const Path& path) {
    if (!expect(decoding, value, path, json::value_t::boolean, "Bool"))
        return std::nullopt;
    return value->get<bool>();
}

std::optional<double> readDouble(Decoding& decoding, const json* value, const Path& path) {
    if (!value)
        return std::nullopt;
    if (!value->is_number()) {
        mismatch(decoding, path, "Double", *value);
        return std::nullopt;
    }
    return value->get<double>();
}

// Takes any JSON number whose value is a whole number inside T's range, and nothing else.
template <std::integral T>
std::optional<T> readInteger(Decoding& decoding, const json* value, const Path& path,
                             const std::string& typeName) {
    if (!value)
        return std::nullopt;
    if (!value->is_number()) {
        mismatch(decoding, path, typeName, *value);
        return std::nullopt;
    }
    if (value->is_number_unsigned()) {
        const auto number = value->get<std::uint64_t>();
        if (std::in_range<T>(number))
            return static_cast<T>(number);
    } else if (value->is_number_integer()) {
        const auto number = value->get<std::int64_t>();
        if (std::in_range<T>(number))
            return static_cast<T>(number);
    } else {
        const double number = value->get<double>();
        const double low = static_cast<double>(std::numeric_limits<T>::min());
        // T's maximum plus one, a power of two and so exact as a double.
        const double beyond = 2.0 * static_cast<double>(std::numeric_limits<T>::max() / 2 + 1);
        if (std::trunc(number) == number && number >= low && number < beyond)
            return static_cast<T>(number);
    }
    decoding.fail(path, "Parsed JSON number <" + value->dump() + "> does not fit in " + typeName + ".");
    return std::nullopt;
}

// A pair of numbers written [first, second].
std::optional<std::pair<double, double>> readPair(Decoding& decoding, const json* value, const Path& path) {
    if (!expect(decoding, value, path, json::value_t::array, "Array<Any>"))
        return std::nullopt;
    const auto first = readDouble(decoding, element(decoding, *value, path, 0), appending(path, "0"));
    const auto second = readDouble(decoding, element(decoding, *value, path, 1), appending(path, "1"));
    if (decoding.failed())
        return std::nullopt;
    return std::pair{*first, *second};
}

std::optional<Rect> readRect(Decoding& decoding, const json* value, const Path& path) {
    if (!expect(decoding, value, path, json::value_t::array, "Array<Any>"))
        return std::nullopt;
    const auto origin = readPair(decoding, element(decoding, *value, path, 0), appending(path, "0"));
    const auto size = readPair(decoding, element(decoding, *value, path, 1), appending(path, "1"));
    if (decoding.failed())
        return std::nullopt;
    return Rect(origin->first, origin->second, size->first, size->second);
}

std::optional<DisplayIdentity> readIdentity(Decoding& decoding, const json* value, const Path& path) {
    if (!expect(decoding, value, path, json::value_t::object, "Dictionary<String, Any>"))
        return std::nullopt;
    const auto field = [&](const std::string& key) { return member(decoding, *value, path, key); };
    const auto name = readString(decoding, field("name"), appending(path, "name"));
    const auto vendor =
        readInteger<std::uint32_t>(decoding, field("vendor"), appending(path, "vendor"), "UInt32");
    const auto model =
        readInteger<std::uint32_t>(decoding, field("model"), appending(path, "model"), "UInt32");
    const auto serial =
        readInteger<std::uint32_t>(decoding, field("serial"), appending(path, "serial"), "UInt32");
    const auto builtIn = readBool(decoding, field("builtIn"), appending(path, "builtIn"));
    if (decoding.failed())
        return std::nullopt;
    return DisplayIdentity{*name, *vendor, *model, *serial, *builtIn};
}

} // namespace

DisplayDecoded<DisplayIdentity> decodeDisplayIdentity(const json& value) {
    Decoding decoding;
    const auto identity = readIdentity(decoding, &value, {});
    if (decoding.failed())
        return *decoding.error;
    return *identity;
}

DisplayDecoded<ProfileDisplay> decodeProfileDisplay(const json& value) {
    Decoding decoding;
    if (!expect(decoding, &value, {}, json::value_t::object, "Dictionary<String, Any>"))
        return *decoding.error;
    const auto field = [&](const std::string& key) { return member(decoding, value, {}, key); };
    const auto identity = readIdentity(decoding, field("identity"), {"identity"});
    const auto frame = readRect(decoding, field("frame"), {"frame"});
    const auto desktops = readInteger<std::int64_t>(decoding, field("desktops"), {"desktops"}, "Int");
    if (decoding.failed())
        return *decoding.error;
    return ProfileDisplay{*identity, *frame, *desktops};
}

} // namespace quillmere
