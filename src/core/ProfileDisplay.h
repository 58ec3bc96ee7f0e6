#pragma once

#include "core/DisplayIdentity.h"
#include "core/Geometry.h"
#include "core/JsonReader.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace quillmere {

// One display as a profile recorded it.
struct ProfileDisplay {
    DisplayIdentity identity;
    Rect frame;
    std::int64_t desktops = 0;

    friend bool operator==(const ProfileDisplay&, const ProfileDisplay&) = default;
};

// Every key is written; the frame is [[x, y], [width, height]].
void to_json(nlohmann::json& json, const DisplayIdentity& identity);
void to_json(nlohmann::json& json, const ProfileDisplay& display);

// Every key is required with a value of its own type (a boolean is no number, 1.5 no integer); other keys
// are ignored. The first fault, in field order, fails the whole read.
DisplayIdentity readDisplayIdentity(const JsonReader& json);
ProfileDisplay readProfileDisplay(const JsonReader& json);
Decoded<DisplayIdentity> decodeDisplayIdentity(const nlohmann::json& json);
Decoded<ProfileDisplay> decodeProfileDisplay(const nlohmann::json& json);

} // namespace quillmere
