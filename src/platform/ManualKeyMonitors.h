#pragma once

#include "platform/LocalKeyMonitors.h"

#include <cstddef>
#include <map>

namespace quillmere {

// Local key monitors for tests: key events happen when the test says so.
class ManualKeyMonitors final : public LocalKeyMonitors {
  public:
    KeyMonitorToken addLocalMonitor(Handler handler) override;
    void removeMonitor(KeyMonitorToken token) override;

    // As the user presses a key with the modifier flags held; answers whether a monitor swallowed it.
    bool press(std::uint16_t keyCode, EventFlags flags = 0);
    // As the user presses or releases modifiers, leaving these held.
    bool holdModifiers(EventFlags flags);

    std::size_t installed() const { return monitors_.size(); }
    // How many monitors were ever installed.
    std::size_t installations() const { return next_ - 1; }

  private:
    bool deliver(const LocalKeyEvent& event);

    std::map<std::uint64_t, Handler> monitors_;
    std::uint64_t next_ = 1;
};

} // namespace quillmere
