#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>

namespace quillmere {

class SimulatedDesktop::SimTap final : public EventTap {
  public:
    SimTap(SimulatedDesktop& desktop, std::uint64_t id)
        : desktop_(desktop), alive_(desktop.lifetime_.watch()), id_(id) {}

    ~SimTap() override {
        if (!alive_.alive())
            return;
        desktop_.taps_.erase(id_);
        std::erase(desktop_.tapOrder_, id_);
    }

    void enable(bool enabled) override {
        if (sim::Tap* tap = record())
            tap->enabled = enabled;
    }

    void invalidate() override {
        if (sim::Tap* tap = record())
            tap->invalidated = true;
    }

  private:
    sim::Tap* record() {
        if (!alive_.alive())
            return nullptr;
        const auto found = desktop_.taps_.find(id_);
        return found == desktop_.taps_.end() ? nullptr : &found->second;
    }

    SimulatedDesktop& desktop_;
    LifetimeGuard::Watch alive_;
    std::uint64_t id_;
};

std::unique_ptr<EventTap> SimulatedDesktop::createTap(EventTapLocation, EventTapPlacement placement,
                                                      EventTapOptions options, EventMask mask,
                                                      EventTapCallback callback) {
    if (tapsRefused_)
        return nullptr;
    const std::uint64_t id = nextTap_++;
    // A listening tap cannot swallow, whatever its callback answers.
    if (options == EventTapOptions::listenOnly)
        callback = [listener = std::move(callback)](EventType type, const Event& event) {
            listener(type, event);
            return false;
        };
    taps_.emplace(id, sim::Tap{.mask = mask, .callback = std::move(callback)});
    if (placement == EventTapPlacement::headInsert)
        tapOrder_.insert(tapOrder_.begin(), id);
    else
        tapOrder_.push_back(id);
    return std::make_unique<SimTap>(*this, id);
}

// A callback may drop its own tap, so each is called on a copy and looked up afresh.
bool SimulatedDesktop::throughTaps(const Event& event) {
    for (const std::uint64_t id : std::vector(tapOrder_)) {
        const auto found = taps_.find(id);
        if (found == taps_.end() || !found->second.enabled || found->second.invalidated ||
            (found->second.mask & eventMaskBit(event.type)) == 0)
            continue;
        const EventTapCallback callback = found->second.callback;
        if (callback(event.type, event))
            return true;
    }
    return false;
}

void SimulatedDesktop::disableTap(bool byTimeout) {
    const EventType type = byTimeout ? EventType::tapDisabledByTimeout : EventType::tapDisabledByUserInput;
    for (const std::uint64_t id : std::vector(tapOrder_)) {
        const auto found = taps_.find(id);
        if (found == taps_.end() || found->second.invalidated)
            continue;
        found->second.enabled = false;
        const EventTapCallback callback = found->second.callback;
        callback(type, Event{.type = type, .location = pointer_});
    }
}

bool SimulatedDesktop::tapEnabled() const {
    return std::ranges::any_of(taps_, [](const auto& entry) {
        return entry.second.enabled && !entry.second.invalidated;
    });
}

} // namespace quillmere
