#pragma once

#include "core/DisplayIdentity.h"
#include "core/JsonReader.h"
#include "core/JsonWriter.h"
#include "core/LaunchItem.h"
#include "core/ProfileDisplay.h"
#include "core/Result.h"
#include "core/SpaceSnapshot.h"
#include "core/WindowRef.h"

#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

struct ProfileIcon {
    // A system symbol image name.
    std::string symbol;
    std::string name;
};

struct ProfileIconGroup {
    std::string title;
    std::vector<ProfileIcon> icons;
};

// A saved arrangement of displays, Desktops, applications and windows, with what applying it does. Windows
// are named by reference, never by id, so a profile outlives the applications' restarts. An absent option is
// left out of the file, never written as null.
struct Profile {
    static constexpr std::string_view defaultIcon = "rectangle.stack";

    // Also gives the file name.
    std::string name;
    // The fingerprint of the displays present at capture; recognises profiles without `displays`.
    std::optional<std::string> display;
    // Apply by itself when exactly its displays are connected; absent counts as off.
    std::optional<bool> autoApply;
    // Captured while one set of Desktops spanned every display; absent counts as false.
    std::optional<bool> spansDisplays;
    std::optional<std::vector<ProfileDisplay>> displays;
    // Several entries may share a Desktop number on different displays.
    std::vector<SpaceSnapshot> spaces;
    // The Desktop to show once applied; absent stays on the current one.
    std::optional<std::int64_t> show;
    std::optional<bool> hideUnlisted;
    std::optional<bool> quitUnlisted;
    std::optional<std::vector<FullScreenSnapshot>> fullScreen;
    // Absent means `defaultIcon`.
    std::optional<std::string> icon;
    // Launch texts by bundle identifier, for the applications applying has to launch.
    std::optional<std::map<std::string, std::vector<std::string>>> open;

    // The recorded display identities; without `displays`, one name-only identity per distinct Space
    // display text, in ascending order of that text, whose signature is the text itself.
    std::vector<DisplayIdentity> recordedDisplays() const;
    // Every application referenced by a Desktop or a full-screen Space.
    std::set<std::string> apps() const;
    // `apps` and every application that has something to open: applying launches these when they are not
    // running, and never counts them as unlisted.
    std::set<std::string> launchedApps() const;
    // The launch texts of an application that parse, in stored order.
    std::vector<LaunchItem> items(std::string_view opening) const;
    // Stores the texts trimmed, blank ones dropped; nothing left removes the application, and the last
    // application removed leaves `open` absent.
    void setItems(const std::vector<std::string>& texts, const std::string& opening);

    // Editing.
    static const std::vector<ProfileIconGroup>& iconChoices();
    // The default icon is stored as absent.
    void setIcon(const std::optional<std::string>& symbol);
    // Desktops in number order and every reference numbered again per application across them, the way a
    // capture would number them; full-screen references keep their numbers.
    Profile renumbered() const;

    friend bool operator==(const Profile&, const Profile&) = default;
};

void to_json(nlohmann::json& json, const Profile& profile);
// "name" and "spaces" are required; any other key may be missing or null, and reads as absent.
Profile readProfile(const JsonReader& json);

// The profile file: pretty-printed, keys sorted, "/" written as "\/". Fails only on a ratio that is not a
// finite number.
Result<std::string, JsonWriteError> encodeProfile(const Profile& profile);
// There is no partial result: the first fault fails the whole file.
Decoded<Profile> decodeProfile(std::string_view bytes);

} // namespace quillmere
