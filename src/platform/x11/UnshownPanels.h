#pragma once

#include "platform/MainQueue.h"
#include "platform/Panels.h"

namespace quillmere {

// Panels on a desktop that cannot draw them over other applications' windows yet (the X11 desktop): each
// keeps to its contract (an alpha animation still completes on the main queue, once its time is up) but
// shows nothing. The first panel made says so in the log.
class UnshownPanels final : public Panels {
  public:
    explicit UnshownPanels(MainQueue& queue) : queue_(queue) {}

    std::unique_ptr<Panel> makePanel(const PanelStyle& style) override;

  private:
    MainQueue& queue_;
    bool told_ = false;
};

} // namespace quillmere
