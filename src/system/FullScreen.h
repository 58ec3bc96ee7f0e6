#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"
#include "platform/Accessibility.h"
#include "platform/Events.h"
#include "platform/MainQueue.h"
#include "platform/WindowList.h"
#include "system/AXWindow.h"
#include "system/SwitchGeneration.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace quillmere {

// The system's own full screen for other applications' windows, and the pairing of two windows into a
// split full-screen Space, driven through the controls a user would use. Holds no state of its own; copies
// share the platform and the switch generation.
class FullScreen {
  public:
    FullScreen(Accessibility& accessibility, WindowList& windowList, Events& events, MainQueue& queue,
               SwitchGeneration& switchGeneration);

    // True when the window already is in that state or the change was accepted.
    bool set(const AXWindow& window, bool on) const;
    // Presses the application's own menu item that tiles its window to one side of the screen; true when
    // one was found and the press succeeded.
    bool tile(std::int32_t pid, bool left) const;
    // Waits for the system's offer of the window for the other half to come to rest with its centre in the
    // area, then clicks it. `then` runs exactly once: true after the click, false when the window did not
    // come to rest there within the polls.
    void choose(WindowId window, Rect area, std::function<void(bool)> then) const;

  private:
    using Predicate = std::function<bool(AXElement)>;

    // Depth-first in child order, at most five levels below the element at depth 0.
    std::optional<AXElement> find(AXElement in, int depth, const Predicate& where) const;
    std::optional<Rect> bounds(WindowId of) const;
    void poll(WindowId window, Rect area, std::optional<Rect> start, std::optional<Rect> previous,
              int triesLeft, std::function<void(bool)> then) const;
    void click(Rect bounds, std::function<void(bool)> then) const;

    Accessibility* accessibility_;
    WindowList* windowList_;
    Events* events_;
    MainQueue* queue_;
    SwitchGeneration* switchGeneration_;
};

} // namespace quillmere
