#pragma once

#include "core/JsonReader.h"
#include "core/JsonWriter.h"
#include "core/LayoutMode.h"
#include "core/Result.h"
#include "core/SpaceSnapshot.h"
#include "core/WindowId.h"
#include "core/WindowRef.h"

#include <cstdint>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// The layout of every Space with the live window ids of its windows. Window ids mean something only within
// one boot and one window-server process, so a session is stamped with both and counts only while they
// are unchanged.
struct Session {
    struct Space {
        // What of a saved Space can be put back now.
        struct Restorable {
            SpaceSnapshot layout;
            std::map<WindowRef, WindowId> windows;
            friend bool operator==(const Restorable&, const Restorable&) = default;
        };

        std::int64_t id = 0;
        // Its `space` holds the Desktop number the Space had when saved.
        SpaceSnapshot layout;
        // Which live window each reference named at the save.
        std::map<WindowRef, WindowId> windows;
        // What the Space rules gave the Space at the save; none in sessions of older versions.
        std::optional<LayoutMode> configuredMode;

        // `isHere` answers whether a saved window id is still a window of the reference's application,
        // `floats` whether the float rules float the window now. None when no saved window is left. A mode
        // the user chose by hand survives only while the Space rules still give what they gave at the save.
        std::optional<Restorable> restorable(LayoutMode mode,
                                             const std::function<bool(WindowId, const std::string&)>& isHere,
                                             const std::function<bool(WindowId)>& floats) const;

        friend bool operator==(const Space&, const Space&) = default;
    };

    std::int64_t boot = 0;
    std::int32_t windowServer = 0;
    std::vector<Space> spaces;

    friend bool operator==(const Session&, const Session&) = default;
};

// "windows" maps references, which are not texts, so it is one array alternating a reference's text and its
// window id. "configuredMode" is written only when set.
void to_json(nlohmann::json& json, const Session::Space& space);
void to_json(nlohmann::json& json, const Session& session);
// "boot", "windowServer", "spaces" and each Space's "id", "layout" and "windows" are required; a reference
// given twice in "windows" keeps its last window id.
Session readSession(const JsonReader& json);

// Compact, on one line. Fails only on a ratio that is not a finite number.
Result<std::string, JsonWriteError> encodeSession(const Session& session);
// There is no partial session: the first fault fails the whole file.
Decoded<Session> decodeSession(std::string_view bytes);

} // namespace quillmere
