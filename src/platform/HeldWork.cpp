#include "platform/HeldWork.h"

#include <utility>

namespace quillmere {

void HeldWork::schedule(MainQueue::Duration delay, std::function<void()> work) {
    cancel();
    token_ = queue_.after(delay, [this, work = std::move(work)] {
        token_.reset();
        work();
    });
}

void HeldWork::cancel() {
    if (token_)
        queue_.cancel(*std::exchange(token_, std::nullopt));
}

} // namespace quillmere
