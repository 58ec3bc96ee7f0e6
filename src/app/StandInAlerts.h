#pragma once

#include "platform/Alerts.h"

namespace quillmere {

// Answers every alert with its last button, the one that changes nothing, until the application shows real
// alerts.
class StandInAlerts final : public Alerts {
  public:
    AlertAnswer run(const Alert& alert) override {
        return {alert.buttons.empty() ? 0 : alert.buttons.size() - 1, false};
    }
};

} // namespace quillmere
