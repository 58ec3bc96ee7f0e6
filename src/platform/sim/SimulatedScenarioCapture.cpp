#include "platform/sim/SimulatedScenario.h"

#include <algorithm>

namespace quillmere {

SimulatedScenario SimulatedScenario::of(const SimulatedDesktop& desktop) {
    SimulatedScenario scenario;
    for (const sim::Display& display : desktop.displays_) {
        const sim::SpaceList& list = desktop.listOf(display);
        const std::vector<SpaceId> desktops = list.desktops();
        const DisplayIdentity& identity = display.identity;
        // One list for every display goes with the first one.
        const bool listedBefore =
            desktop.form_ == SimulatedDesktop::SpaceListForm::shared && &display != &desktop.displays_.front();
        scenario.displays.push_back(
            {.setup = {.name = identity.name,
                       .bounds = display.bounds,
                       .vendor = identity.vendor,
                       .model = identity.model,
                       .serial = identity.serial,
                       .builtIn = identity.builtIn,
                       .uuid = display.uuid,
                       .desktops = static_cast<int>(desktops.size()),
                       .spaceIds = listedBefore ? std::vector<SpaceId>{} : desktops},
             .shown =
                 static_cast<int>(std::ranges::find(desktops, list.homeDesktop()) - desktops.begin()) + 1});
    }

    // The display and Desktop, from 1, of the first display whose Desktops hold the Space.
    const auto place = [&](SpaceId space, SimulatedScenario::Window& window) {
        for (std::size_t index = 0; index < desktop.displays_.size(); ++index) {
            const std::vector<SpaceId> desktops = desktop.listOf(desktop.displays_[index]).desktops();
            if (const auto at = std::ranges::find(desktops, space); at != desktops.end()) {
                window.display = static_cast<int>(index) + 1;
                window.desktop = static_cast<int>(at - desktops.begin()) + 1;
                return;
            }
        }
    };
    const sim::Application* front = desktop.front_ ? desktop.app(*desktop.front_) : nullptr;
    for (const auto& [pid, running] : desktop.apps_) {
        if (pid == desktop.ownApplication_)
            continue;
        App app{
            .setup = {.bundleIdentifier = running.info.bundleIdentifier, .name = running.info.localizedName},
            .hidden = running.hidden};
        for (auto number = desktop.stacking_.rbegin(); number != desktop.stacking_.rend(); ++number) {
            const sim::Window& open = desktop.windows_.at(*number);
            if (open.pid != pid || open.layer != 0 || (open.spaces.empty() && !open.onAllSpaces))
                continue;
            const bool fullScreen = desktop.fullScreenSpace(open).has_value();
            Window window{.setup = {.title = open.title,
                                    .frame = fullScreen ? open.frameBeforeFullScreen : open.frame,
                                    .minimumSize = open.minimumSize,
                                    .number = open.number},
                          .focused = front && front->focusedWindow == open.number,
                          .minimized = open.minimized};
            if (!open.onAllSpaces)
                place(fullScreen ? open.spaceBeforeFullScreen : open.spaces.front(), window);
            app.windows.push_back(std::move(window));
        }
        scenario.apps.push_back(std::move(app));
    }
    scenario.trusted = desktop.trusted_;
    return scenario;
}

} // namespace quillmere
