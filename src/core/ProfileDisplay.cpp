#include "core/ProfileDisplay.h"

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

DisplayIdentity readDisplayIdentity(const JsonReader& json) {
    DisplayIdentity identity;
    identity.name = json["name"].string();
    identity.vendor = json["vendor"].integer<std::uint32_t>("UInt32");
    identity.model = json["model"].integer<std::uint32_t>("UInt32");
    identity.serial = json["serial"].integer<std::uint32_t>("UInt32");
    identity.builtIn = json["builtIn"].boolean();
    return identity;
}

ProfileDisplay readProfileDisplay(const JsonReader& json) {
    ProfileDisplay display;
    display.identity = readDisplayIdentity(json["identity"]);
    display.frame = json["frame"].rect();
    display.desktops = json["desktops"].integer<std::int64_t>();
    return display;
}

Decoded<DisplayIdentity> decodeDisplayIdentity(const nlohmann::json& json) {
    return decodeJsonValue<DisplayIdentity>(json, readDisplayIdentity);
}

Decoded<ProfileDisplay> decodeProfileDisplay(const nlohmann::json& json) {
    return decodeJsonValue<ProfileDisplay>(json, readProfileDisplay);
}

} // namespace quillmere
