#pragma once

#include "platform/Events.h"

#include <functional>
#include <memory>

namespace quillmere {

// Where a new tap goes among the taps already at its location.
enum class EventTapPlacement {
    headInsert = 0,
    tailAppend = 1,
};

enum class EventTapOptions {
    // The tap may swallow events.
    defaultTap = 0,
    listenOnly = 1,
};

// A tap on one of the system's event streams. It sees the events of its mask before any application does,
// on the main run loop. The system switches a tap off when it answers too slowly or when the user's input
// asks for it, and tells the tap's callback so with tapDisabledByTimeout or tapDisabledByUserInput.
class EventTap {
  public:
    virtual ~EventTap() = default;

    virtual void enable(bool enabled) = 0;
    // For good: the tap sees nothing from then on, whether enabled or not.
    virtual void invalidate() = 0;
};

// Answers whether the event is swallowed: a swallowed event reaches nobody after the tap.
using EventTapCallback = std::function<bool(EventType, const Event&)>;

class EventTaps {
  public:
    virtual ~EventTaps() = default;

    // None when the system refuses the tap, as it does an application it does not trust.
    virtual std::unique_ptr<EventTap> createTap(EventTapLocation location, EventTapPlacement placement,
                                                EventTapOptions options, EventMask mask, EventTapCallback callback) = 0;
};

} // namespace quillmere
