#pragma once

#include "core/DisplayIdentity.h"
#include "core/Geometry.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <variant>
#include <vector>

namespace quillmere {

// One display as a profile recorded it.
struct ProfileDisplay {
    DisplayIdentity identity;
    Rect frame;
    std::int64_t desktops = 0;

    friend bool operator==(const ProfileDisplay&, const ProfileDisplay&) = default;
};

// Why a display record did not read: the keys and list positions (in decimal) from the record down to the
// fault, and what the fault is. For a missing key the path is that of the object lacking it.
struct DisplayDecodingError {
    std::vector<std::string> codingPath;
    std::string description;

    friend bool operator==(const DisplayDecodingError&, const DisplayDecodingError&) = default;
};

template <class T> using DisplayDecoded = std::variant<T, DisplayDecodingError>;

// Every key is written; the frame is [[x, y], [width, height]].
void to_json(nlohmann::json& json, const DisplayIdentity& identity);
void to_json(nlohmann::json& json, const ProfileDisplay& display);

// Every key is required with a value of its own type (a boolean is no number, 1.5 no integer); other keys
// are ignored. The first fault, in field order, fails the whole read.
DisplayDecoded<DisplayIdentity> decodeDisplayIdentity(const nlohmann::json& json);
DisplayDecoded<ProfileDisplay> decodeProfileDisplay(const nlohmann::json& json);

} // namespace quillmere
