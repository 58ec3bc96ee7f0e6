#include "core/ProfilePlacement.h"

#include "core/Desktops.h"
#include "core/Profile.h"

#include <algorithm>
#include <limits>
#include <map>

namespace quillmere {

namespace {

// Desktop numbers and counts come from the file, so their sums saturate rather than overflow; a saturated
// number never fits a display and ends as no room.
std::int64_t saturated(__int128 value) {
    return static_cast<std::int64_t>(std::clamp<__int128>(value, std::numeric_limits<std::int64_t>::min(),
                                                          std::numeric_limits<std::int64_t>::max()));
}

std::int64_t plus(std::int64_t a, std::int64_t b) {
    return saturated(static_cast<__int128>(a) + b);
}

std::int64_t minus(std::int64_t a, std::int64_t b) {
    return saturated(static_cast<__int128>(a) - b);
}

std::int64_t desktopCount(const DisplayIdentity& identity, const Profile& profile) {
    if (profile.displays) {
        const auto entry = std::ranges::find(*profile.displays, identity, &ProfileDisplay::identity);
        if (entry != profile.displays->end())
            return entry->desktops;
    }
    const std::string signature = identity.signature();
    std::int64_t highest = 0;
    bool found = false;
    for (const SpaceSnapshot& snapshot : profile.spaces) {
        if (snapshot.display != signature)
            continue;
        highest = found ? std::max(highest, snapshot.space) : snapshot.space;
        found = true;
    }
    return highest;
}

std::int64_t desktopCount(const DisplaySpaces& display) {
    return static_cast<std::int64_t>(display.spaces.size());
}

std::optional<SpaceId> desktop(const DisplaySpaces& display, std::int64_t number) {
    if (number < 1 || number > desktopCount(display))
        return std::nullopt;
    return display.spaces[static_cast<std::size_t>(number - 1)];
}

} // namespace

std::vector<ProfilePlacement> Desktops::place(const Profile& profile) const {
    const std::vector<DisplayIdentity> recorded = profile.recordedDisplays();
    const std::map<std::string, DisplaySpaces> assigned = assign(recorded);
    std::vector<DisplayIdentity> missing;
    std::ranges::copy_if(recorded, std::back_inserter(missing), [&](const DisplayIdentity& identity) {
        return !assigned.contains(identity.signature());
    });

    std::int64_t m = 0;
    for (const DisplayIdentity& identity : missing)
        m = plus(m, desktopCount(identity, profile));
    const DisplaySpaces* host = main();
    std::int64_t offset = std::max<std::int64_t>(0, minus(host ? desktopCount(*host) : 0, m));
    std::map<std::string, std::int64_t> offsets;
    for (const DisplayIdentity& identity : missing) {
        offsets.insert_or_assign(identity.signature(), offset);
        offset = plus(offset, desktopCount(identity, profile));
    }

    std::vector<ProfilePlacement> placements;
    for (const SpaceSnapshot& snapshot : profile.spaces) {
        ProfilePlacement placement{snapshot, std::nullopt, std::nullopt, snapshot.space,
                                   ProfilePlacement::NoRoom{}};
        const auto appendedAt = snapshot.display ? offsets.find(*snapshot.display) : offsets.end();
        if (appendedAt != offsets.end() && host) {
            placement.display = *host;
            placement.number = plus(appendedAt->second, snapshot.space);
            placement.space = desktop(*host, placement.number);
            if (placement.space)
                placement.reason = ProfilePlacement::Appended{host->name()};
        } else {
            const auto own = snapshot.display ? assigned.find(*snapshot.display) : assigned.end();
            if (own != assigned.end())
                placement.display = own->second;
            else if (host)
                placement.display = *host;
            if (placement.display)
                placement.space = desktop(*placement.display, placement.number);
            if (placement.space)
                placement.reason = ProfilePlacement::Matched{};
        }
        placements.push_back(std::move(placement));
    }
    return placements;
}

bool Desktops::sameMode(const Profile& as) const {
    return as.spansDisplays.value_or(false) == spansDisplays_;
}

bool Desktops::matchesExactly(const Profile& profile) const {
    if (!sameMode(profile))
        return false;
    if (profile.displays) {
        std::set<std::string> recorded;
        for (const ProfileDisplay& entry : *profile.displays)
            recorded.insert(entry.identity.signature());
        return recorded == signatures();
    }
    return profile.display == fingerprint();
}

} // namespace quillmere
