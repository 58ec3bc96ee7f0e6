#include "platform/sim/SimulatedDesktop.h"
#include "platform/sim/SimulatedGlide.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

namespace {

constexpr auto glideStep = std::chrono::milliseconds(100);

bool isStandard(const sim::Window& window) {
    return window.role == "AXWindow" && window.subrole == "AXStandardWindow" && window.layer == 0;
}

} // namespace

// The picker opens only for a focused standard window alone on one Desktop that the display shows.
void SimulatedDesktop::startTilePicker(std::int32_t pid, bool left) {
    const sim::Application& owner = apps_.at(pid);
    sim::Window* first = owner.focusedWindow ? window(*owner.focusedWindow) : nullptr;
    if (!first || !isShown(*first) || first->onAllSpaces || first->spaces.size() != 1 ||
        fullScreenSpace(*first))
        return;
    const SpaceId desktop = first->spaces.front();
    const sim::Display* shownOn =
        form_ == SpaceListForm::shared ? displayAt(first->frame.center()) : displayHolding(desktop);
    if (!shownOn)
        return;

    const Rect area = shownOn->bounds;
    const double half = std::floor(area.width() / 2);
    const Rect leftHalf(area.minX(), area.minY(), half, area.height());
    const Rect rightHalf(area.minX() + half, area.minY(), area.width() - half, area.height());

    sim::TilePicker picker{nextPicker_++, first->number, left, {}, {}};
    picker.before.emplace(first->number, first->frame);
    std::vector<WindowId> candidates;
    for (WindowId number : stacking_) {
        const sim::Window& other = windows_.at(number);
        if (number != first->number && isStandard(other) && isShown(other) &&
            std::ranges::find(other.spaces, desktop) != other.spaces.end())
            candidates.push_back(number);
    }
    const Rect offered = left ? rightHalf : leftHalf;
    const double cell = candidates.empty() ? 0 : offered.height() / static_cast<double>(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Rect slot(offered.minX(), offered.minY() + cell * static_cast<double>(i), offered.width(),
                        cell);
        picker.slots.emplace_back(candidates[i], slot.insetBy(slot.width() / 10, slot.height() / 10));
        picker.before.emplace(candidates[i], windows_.at(candidates[i]).frame);
    }
    picker_ = std::move(picker);

    setFrame(*first, left ? leftHalf : rightHalf);
    for (int step = 1; step <= 2; ++step)
        queue_.after(glideStep * step, lifetime_.guarded([this, id = picker_->id, step] { moveCandidates(id, step / 2.0); }));
}

void SimulatedDesktop::moveCandidates(std::uint64_t picker, double share) {
    if (!picker_ || picker_->id != picker)
        return;
    for (const auto& [number, slot] : picker_->slots)
        if (sim::Window* candidate = window(number))
            setFrame(*candidate, sim::between(picker_->before.at(number), slot, share));
}

void SimulatedDesktop::endTilePicker(Point clickedAt) {
    const sim::TilePicker picker = *picker_;
    picker_.reset();
    std::optional<WindowId> chosen;
    for (const auto& [number, slot] : picker.slots)
        if (const sim::Window* candidate = window(number);
            candidate && candidate->frame.contains(clickedAt)) {
            chosen = number;
            break;
        }
    for (const auto& [number, frame] : picker.before)
        if (sim::Window* involved = window(number))
            setFrame(*involved, frame);
    const auto canPair = [this](WindowId number) {
        const sim::Window* paired = window(number);
        return paired && !paired->onAllSpaces && paired->spaces.size() == 1 && !fullScreenSpace(*paired);
    };
    if (!chosen || !canPair(*chosen) || !canPair(picker.first))
        return;
    makeFullScreen(picker.firstLeft ? std::vector{picker.first, *chosen}
                                    : std::vector{*chosen, picker.first});
}

} // namespace quillmere
