#pragma once

#include "core/Desktops.h"
#include "core/Session.h"
#include "core/WindowId.h"
#include "platform/HeldWork.h"
#include "platform/MainQueue.h"
#include "stores/SessionStore.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace quillmere {

// Keeps the layouts across runs. At start it reads what the previous run saved; each Space takes its
// record at most once, when it is first shown. Saving writes this run's records of the Spaces laid out, and
// carries over the previous run's records of Spaces not shown yet while their Space still lies on a present
// display. Main thread only.
class SessionKeeping {
  public:
    // The layouts are saved this long after the last write, so a burst of changes is saved once.
    static constexpr MainQueue::Duration saveDelay = std::chrono::seconds(1);

    // `saveNow` gathers this run's records and hands them to save().
    SessionKeeping(const SessionStore& store, MainQueue& queue, std::function<void()> saveNow);
    SessionKeeping(const SessionKeeping&) = delete;
    SessionKeeping& operator=(const SessionKeeping&) = delete;

    // Reads the previous run's records; those already read stay.
    void load();
    // The previous run's record of the Space, used up whether or not anything of it can be restored.
    std::optional<Session::Space> take(SpaceId space);
    std::size_t pendingSpaces() const { return pending_.size(); }

    void saveSoon();
    // `records` are this run's, of some of the Spaces `laidOut`; those Spaces' old records are not kept.
    void save(std::vector<Session::Space> records, const std::set<SpaceId>& laidOut,
              const Desktops& desktops);

  private:
    const SessionStore& store_;
    std::function<void()> saveNow_;
    std::map<SpaceId, Session::Space> pending_;
    HeldWork held_;
};

} // namespace quillmere
