#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

AlertAnswer SimulatedDesktop::run(const Alert& alert) {
    alerts_.push_back(alert);
    if (ownApplication_)
        setFront(ownApplication_);
    if (!alertAnswers_.empty()) {
        const AlertAnswer answer = alertAnswers_.front();
        alertAnswers_.pop_front();
        return answer;
    }
    return {alert.buttons.empty() ? 0 : alert.buttons.size() - 1, false};
}

} // namespace quillmere
