#pragma once

#include "platform/Events.h"

#include <cstdint>
#include <functional>

namespace quillmere {

using EventMonitorToken = std::uint64_t;

// Watches events without being able to stop them: a global monitor sees those that go to other
// applications, a local one those that go to this application. Handlers run on the main thread.
class EventMonitors {
  public:
    virtual ~EventMonitors() = default;

    virtual EventMonitorToken addGlobalMonitor(EventMask mask, std::function<void(const Event&)> handler) = 0;
    // The event goes on to the application as the handler answers it.
    virtual EventMonitorToken addLocalMonitor(EventMask mask, std::function<Event(const Event&)> handler) = 0;
    // An unknown token does nothing.
    virtual void removeMonitor(EventMonitorToken token) = 0;
};

} // namespace quillmere
