#include "wm/SessionKeeping.h"

#include <utility>

namespace quillmere {

SessionKeeping::SessionKeeping(const SessionStore& store, MainQueue& queue, std::function<void()> saveNow)
    : store_(store), saveNow_(std::move(saveNow)), held_(queue) {}

void SessionKeeping::load() {
    if (const std::optional<Session> session = store_.load())
        for (const Session::Space& space : session->spaces)
            pending_.try_emplace(static_cast<SpaceId>(space.id), space);
}

std::optional<Session::Space> SessionKeeping::take(SpaceId space) {
    auto pending = pending_.extract(space);
    if (pending.empty())
        return std::nullopt;
    return std::move(pending.mapped());
}

void SessionKeeping::saveSoon() {
    held_.schedule(saveDelay, saveNow_);
}

void SessionKeeping::save(std::vector<Session::Space> records, const std::set<SpaceId>& laidOut,
                          const Desktops& desktops) {
    held_.cancel();
    for (const auto& [space, record] : pending_)
        if (!laidOut.contains(space) && desktops.display(space))
            records.push_back(record);
    store_.save(store_.session(std::move(records)));
}

} // namespace quillmere
