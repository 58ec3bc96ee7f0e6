#pragma once

#include "platform/RunningApplications.h"

#include <cstdint>

namespace quillmere {

// How an application switches between a Dock icon with a menu bar (regular) and none (accessory), which
// the system answers by giving the front to another application when the front one leaves.
class ActivationPolicySwitch {
  public:
    virtual ~ActivationPolicySwitch() = default;

    virtual void setActivationPolicy(std::int32_t pid, ActivationPolicy policy) = 0;
};

} // namespace quillmere
