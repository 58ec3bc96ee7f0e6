#pragma once

#include "core/DisplaySpaces.h"
#include "core/SpaceSnapshot.h"
#include "core/WindowId.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace quillmere {

// Where one recorded Space of a profile lands on the displays present now (Desktops::place).
struct ProfilePlacement {
    // Its own display is missing; it lands on one of the main display's last Desktops.
    struct Appended {
        // The name of the display that took it.
        std::string onto;
        friend bool operator==(const Appended&, const Appended&) = default;
    };
    // On its own display (the main display when none was recorded) at its own Desktop number.
    struct Matched {
        friend bool operator==(const Matched&, const Matched&) = default;
    };
    // The display it was aimed at has fewer Desktops than `number`.
    struct NoRoom {
        friend bool operator==(const NoRoom&, const NoRoom&) = default;
    };
    using Reason = std::variant<Appended, Matched, NoRoom>;

    SpaceSnapshot snapshot;
    // None when there is no room.
    std::optional<SpaceId> space;
    // None only when no display is present.
    std::optional<DisplaySpaces> display;
    // The Desktop number on `display` that the Space was aimed at, from 1.
    std::int64_t number = 0;
    Reason reason;

    friend bool operator==(const ProfilePlacement&, const ProfilePlacement&) = default;
};

} // namespace quillmere
