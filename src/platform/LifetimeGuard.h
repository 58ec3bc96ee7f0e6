#pragma once

#include <memory>
#include <utility>

namespace quillmere {

// Work that runs later, queued or handed to another object to call back, may find the object it works on
// gone. That object keeps one guard; work it wraps in `guarded` does nothing once the guard has gone with
// it. Not copyable: a copy of the object is not the object the work was meant for.
class LifetimeGuard {
  public:
    // Tells whether the guard it came from still exists, for work that must look again midway (after a
    // call that may have destroyed the owner) or answer something when the owner is gone.
    class Watch {
      public:
        bool alive() const { return !owner_.expired(); }

      private:
        friend class LifetimeGuard;
        explicit Watch(std::weak_ptr<const char> owner) : owner_(std::move(owner)) {}
        std::weak_ptr<const char> owner_;
    };

    LifetimeGuard() = default;
    LifetimeGuard(const LifetimeGuard&) = delete;
    LifetimeGuard& operator=(const LifetimeGuard&) = delete;

    Watch watch() const { return Watch(token_); }

    template <class Work> auto guarded(Work work) const {
        return [watch = watch(), work = std::move(work)](auto&&... arguments) mutable {
            if (watch.alive())
                work(std::forward<decltype(arguments)>(arguments)...);
        };
    }

  private:
    std::shared_ptr<const char> token_ = std::make_shared<const char>();
};

} // namespace quillmere
