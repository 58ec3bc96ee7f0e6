#pragma once

#include "platform/OwnWindow.h"
#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

// One of the system's own windows, when the system itself runs as an application of the simulated desktop.
class SimulatedOwnWindow final : public OwnWindow {
  public:
    SimulatedOwnWindow(SimulatedDesktop& desktop, WindowId number) : desktop_(desktop), number_(number) {}

    void makeKeyAndOrderFront() override { desktop_.orderFront(number_); }
    std::int64_t windowNumber() const override { return number_; }

  private:
    SimulatedDesktop& desktop_;
    WindowId number_;
};

} // namespace quillmere
