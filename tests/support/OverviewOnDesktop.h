#pragma once

#include "menubar/SpacesWindow.h"
#include "support/ManagedDesktop.h"

namespace quillmere {

// The Spaces overview over a managed desktop, with the model and desktop pictures it draws from.
struct OverviewOnDesktop {
    explicit OverviewOnDesktop(ManagedDesktop& managed)
        : wallpaper(managed.spaces, managed.desktop, managed.desktop, managed.desktop),
          model(managed.manager(), managed.queue, managed.previews, managed.profiles, {}),
          window(model, {.map = {managed.switcher, managed.desktop, managed.previews, wallpaper},
                         .queue = managed.queue,
                         .notifications = managed.desktop}) {}

    Wallpaper wallpaper;
    MiniMapModel model;
    SpacesWindow window;
};

} // namespace quillmere
