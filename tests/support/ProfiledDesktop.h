#pragma once

#include "support/CommandedDesktop.h"

#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// A commanded desktop whose main display has three Desktops, with the profile folder and the notices at hand.
struct ProfiledDesktop : CommandedDesktop {
    explicit ProfiledDesktop(SimulatedDesktop::SpaceListForm form = SimulatedDesktop::SpaceListForm::perDisplay)
        : CommandedDesktop(form) {}

    // Desktop n of the main display, from 1.
    SpaceId desktopNumber(std::size_t n) const { return desktops.at(n - 1); }
    WindowId openOn(std::int32_t app, std::size_t desktopNumber) {
        return open(app, {.space = this->desktopNumber(desktopNumber)});
    }
    std::optional<Profile> stored(const std::string& name) const { return managed.profiles.named(name); }
    void store(const Profile& profile) {
        ASSERT_FALSE(managed.profiles.save(profile));
    }
    // How many layouts hold the window, tiled or floating.
    int layoutsHolding(WindowId window) {
        int holding = 0;
        for (const auto& [space, layout] : probe().layouts())
            holding += layout.contains(window) ? 1 : 0;
        return holding;
    }
    bool inLayoutOf(WindowId window, SpaceId space) {
        const SpaceLayout* layout = probe().layout(space);
        return layout && layout->contains(window);
    }

    const DisplayId main =
        desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .serial = 7, .uuid = "MAIN", .desktops = 3});
    const std::vector<SpaceId> desktops = desktop.spaceOrder(main);
};

} // namespace quillmere
