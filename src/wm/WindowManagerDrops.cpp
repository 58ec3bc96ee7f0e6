#include "core/CommandWords.h"
#include "wm/WindowManager.h"

#include <cmath>
#include <string>
#include <variant>

namespace quillmere {

namespace {

std::string directionName(Direction direction) {
    return std::string(commandWords::write(commandWords::directions, direction));
}

std::string text(const DropAction& action) {
    if (const auto* swap = std::get_if<DropAction::Swap>(&action.value))
        return "swap with " + std::to_string(swap->with);
    const auto& insert = std::get<DropAction::Insert>(action.value);
    return "insert " + directionName(insert.side) + " of " + std::to_string(insert.beside);
}

// Whole points with the fraction dropped, as the notice tells sizes.
std::string points(double value) {
    return std::to_string(static_cast<long long>(std::trunc(value)));
}

} // namespace

// Full-screen Spaces take no drops: their windows are the system's to arrange.
std::optional<WindowManager::DropTarget> WindowManager::dropTarget(WindowId window, Point at) {
    const auto source = layoutSpace(window);
    if (!source)
        return std::nullopt;
    const Desktops desktops = spaces_.desktops();
    const DisplaySpaces* display = desktops.display(at);
    if (!display || display->isFullScreen(display->current))
        return std::nullopt;
    const SpaceId target = display->current;
    const auto laidOut = geometry(target, desktops);
    if (!laidOut)
        return std::nullopt;
    SpaceLayout copy = layout(target);
    if (target != *source)
        copy.add(window, std::nullopt, std::nullopt, laidOut->area, laidOut->spacing.gap, false, 0.5,
                 tileMinimumSizes());
    return DropTarget{target, std::move(copy), *display, *laidOut};
}

std::string WindowManager::dropName(WindowId other) {
    const auto tracked = tracking_.windows.find(other);
    return tracked == tracking_.windows.end() ? "window" : localizedName(tracked->second.pid);
}

std::optional<WindowManager::DropPreview> WindowManager::dropHighlight(WindowId dragging, Point at) {
    const auto target = dropTarget(dragging, at);
    if (!target)
        return std::nullopt;
    const Rect& area = target->geometry.area;
    if (const auto outcome = target->layout.drop(dragging, at, area, target->geometry.spacing.gap)) {
        if (const auto* insert = std::get_if<DropAction::Insert>(&outcome->action.value))
            return DropPreview{outcome->highlight, Overlay::Kind::insert(insert->side, dropName(insert->beside))};
        const WindowId with = std::get<DropAction::Swap>(outcome->action.value).with;
        return DropPreview{outcome->highlight,
                           BSPTree::isHole(with) ? Overlay::Kind::fillHole() : Overlay::Kind::swap(dropName(with))};
    }
    if (layoutSpace(dragging) != target->space)
        return DropPreview{area, Overlay::Kind::moveToDisplay(target->display.name())};
    return std::nullopt;
}

// A drop onto another display's Space moves the window there first, whatever the drop then does with it.
void WindowManager::drop(WindowId window, Point at) {
    const auto source = layoutSpace(window);
    if (!source)
        return;
    auto target = dropTarget(window, at);
    if (!target)
        return;
    const Rect area = target->geometry.area;
    const double gap = target->geometry.spacing.gap;
    const bool acrossSpaces = target->space != *source;
    std::optional<SpaceLayout::Slot> slot;
    if (acrossSpaces) {
        slot = arrangement_.layouts.at(*source).slot(window);
        log(LogLevel::default_, "drop %u onto %{public}s", window, target->display.name());
        spaces_.move(window, target->space);
        relocate(window, *source, target->space);
    }
    if (const auto outcome = target->layout.drop(window, at, area, gap)) {
        if (const auto stored = arrangement_.layouts.find(target->space); stored != arrangement_.layouts.end())
            stored->second.perform(outcome->action, window, area, gap);
        log(LogLevel::default_, "drop %u: %{public}s", window, text(outcome->action));
        if (std::holds_alternative<DropAction::Insert>(outcome->action.value))
            explainIfStacked(window, target->space);
        else if (const WindowId with = std::get<DropAction::Swap>(outcome->action.value).with;
                 acrossSpaces && !BSPTree::isHole(with))
            sendBack(with, target->space, *source, slot);
    }
    apply(target->space);
}

void WindowManager::sendBack(WindowId other, SpaceId from, SpaceId to, const std::optional<SpaceLayout::Slot>& slot) {
    if (const auto there = arrangement_.layouts.find(from); there != arrangement_.layouts.end())
        there->second.remove(other);
    spaces_.move(other, to);
    SpaceLayout copy = layout(to);
    if (!slot || !copy.reinsert(other, *slot)) {
        const auto laidOut = geometry(to, spaces_.desktops());
        copy.add(other, std::nullopt, std::nullopt, laidOut ? laidOut->area : Rect(),
                 laidOut ? laidOut->spacing.gap : 0, false, 0.5, tileMinimumSizes());
    }
    arrangement_.layouts.insert_or_assign(to, std::move(copy));
    apply(to);
}

// The widest demand in the stack is the one that explains it.
void WindowManager::explainIfStacked(WindowId window, SpaceId space) {
    const auto laidOut = geometry(space, spaces_.desktops());
    if (!laidOut)
        return;
    SpaceLayout copy = layout(space);
    copy.normalize(laidOut->area, laidOut->spacing.gap, tileMinimumSizes());
    const std::vector<WindowId> stack = copy.tree.stack(window);
    if (stack.size() <= 1)
        return;
    const FrameMap frames = copy.frames(laidOut->area, laidOut->spacing.gap);
    const auto frame = frames.find(window);
    if (frame == frames.end())
        return;
    std::optional<std::pair<WindowId, Size>> pick;
    for (const WindowId member : stack) {
        const auto minimum = arrangement_.minimumSizes.find(member);
        if (minimum == arrangement_.minimumSizes.end())
            continue;
        const Size size = minimum->second;
        if (!pick || std::max(size.width, size.height) > std::max(pick->second.width, pick->second.height))
            pick = std::pair(member, size);
    }
    if (!pick)
        return;
    const auto tracked = tracking_.windows.find(pick->first);
    const std::string name = tracked == tracking_.windows.end() ? "A window" : localizedName(tracked->second.pid);
    std::string reason;
    if (pick->second.width > 0)
        reason = points(pick->second.width) + " pt wide";
    if (pick->second.height > 0)
        reason += (reason.empty() ? "" : " and ") + points(pick->second.height) + " pt tall";
    const std::string notice = "No room to split: " + name + " needs to be at least " + reason;
    log(LogLevel::default_, "drop %u: stacked, %{public}s", window, notice);
    notice_.flash(frame->second, Overlay::Kind::refused(notice), stackNoticeSeconds);
}

std::optional<Size> WindowManager::learnedMinimumSize(WindowId id) const {
    const auto learned = arrangement_.minimumSizes.find(id);
    return learned == arrangement_.minimumSizes.end() ? std::nullopt : std::optional(learned->second);
}

void WindowManager::userResized(WindowId window, bool live) {
    const auto space = layoutSpace(window);
    if (!space)
        return;
    const auto laidOut = geometry(*space, spaces_.desktops());
    if (!laidOut)
        return;
    SpaceLayout& layout = arrangement_.layouts.at(*space);
    const FrameMap frames = layout.frames(laidOut->area, laidOut->spacing.gap);
    const auto expected = frames.find(window);
    const auto tracked = tracking_.windows.find(window);
    if (expected == frames.end() || tracked == tracking_.windows.end())
        return;
    const auto actual = tracked->second.frame(ax_);
    if (!actual)
        return;
    const Rect& was = expected->second;
    const std::pair<Direction, double> moves[] = {{Direction::west, actual->minX() - was.minX()},
                                                  {Direction::east, actual->maxX() - was.maxX()},
                                                  {Direction::north, actual->minY() - was.minY()},
                                                  {Direction::south, actual->maxY() - was.maxY()}};
    for (const auto& [edge, by] : moves) {
        if (std::abs(by) <= edgeMoveThreshold)
            continue;
        layout.moveEdge(edge, window, by, laidOut->area);
        if (!live)
            log(LogLevel::default_, "resize %u: %{public}s edge by %ld", window, directionName(edge),
                static_cast<long>(std::lround(by)));
    }
    apply(*space, live ? std::optional(window) : std::nullopt, !live);
}

} // namespace quillmere
