#include "system/SpaceWait.h"

#include <utility>

namespace quillmere {

SpaceWait::SpaceWait(WorkspaceNotificationCenter& center, std::function<bool()> until,
                     std::function<void(bool)> then)
    : center_(center), until_(std::move(until)), then_(std::move(then)) {}

void SpaceWait::start(WorkspaceNotificationCenter& center, MainQueue& queue, std::function<bool()> until,
                      MainQueue::Duration timeout, std::function<void(bool)> then) {
    auto wait = std::make_shared<SpaceWait>(center, std::move(until), std::move(then));
    // Weak, so that only the timeout keeps the wait alive.
    wait->observer_ = center.addObserver(activeSpaceDidChangeNotification, [weak = std::weak_ptr(wait)] {
        const auto wait = weak.lock();
        if (wait && wait->observer_ && wait->until_())
            wait->finish(true);
    });
    queue.after(timeout, [wait] { wait->finish(wait->observer_ && wait->until_()); });
}

void SpaceWait::finish(bool value) {
    if (!observer_)
        return;
    center_.removeObserver(*std::exchange(observer_, std::nullopt));
    const auto then = std::move(then_);
    then(value);
}

} // namespace quillmere
