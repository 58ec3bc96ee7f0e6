#include "core/CommandWords.h"
#include "core/NativeTiling.h"
#include "core/Overloaded.h"
#include "core/RegionText.h"
#include "platform/Log.h"
#include "wm/OutsideMoves.h"

#include <algorithm>

namespace quillmere {

namespace {

std::vector<Rect> rects(const FrameMap& frames) {
    std::vector<Rect> result;
    for (const auto& [id, frame] : frames)
        result.push_back(frame);
    return result;
}

// The half of the area the frames fill together, when they fill one.
std::optional<Direction> halfFilled(const FrameMap& frames, const Rect& visible) {
    Rect all = Rect::null();
    for (const auto& [id, frame] : frames)
        all = all.united(frame);
    const auto tile = NativeTiling::classify(all, visible);
    if (!tile)
        return std::nullopt;
    const auto* region = std::get_if<Region>(&tile->value);
    const auto* edge = region ? std::get_if<Region::Edge>(&region->value) : nullptr;
    return edge ? std::optional(edge->direction) : std::nullopt;
}

bool standsAsLaidOut(const FrameMap& seen, const FrameMap& laidOut) {
    return std::ranges::all_of(seen, [&](const auto& entry) {
        const auto tile = laidOut.find(entry.first);
        return tile != laidOut.end() && tile->second.integral() == entry.second.integral();
    });
}

} // namespace

bool OutsideMoves::adoptArrangement(SpaceId space) {
    const SpaceLayout* stored = target_.storedLayout(space);
    if (!stored || stored->mode != LayoutMode::bsp)
        return false;
    const FrameMap frames = currentFrames(stored->tree.windows());
    const auto visible = target_.visibleArea(space);
    const auto laidOut = target_.geometry(space, spaces_.desktops());
    if (frames.size() < 2 || !visible || !laidOut ||
        !NativeTiling::covers(rects(frames), *visible, arrangementShare))
        return false;
    // Windows that stand where the layout puts them show its own arrangement: read back into ratios, their
    // whole-point frames would move borders by a point.
    if (standsAsLaidOut(frames, stored->frames(laidOut->area, laidOut->spacing.gap)))
        return false;
    const auto arranged = NativeTiling::tree(frames, arrangementTolerance);
    if (!arranged)
        return false;
    SpaceLayout adopted = *stored;
    adopted.adopt(*arranged);
    if (adopted.tree.root == stored->tree.root)
        return false;
    adopted.normalize(laidOut->area, laidOut->spacing.gap, target_.tileMinimumSizes());
    target_.storeLayout(space, std::move(adopted));
    return true;
}

FrameMap OutsideMoves::currentFrames(const std::vector<WindowId>& windows) const {
    FrameMap frames;
    for (WindowId id : windows)
        if (const auto tracked = target_.trackedWindow(id))
            if (const auto frame = tracked->frame(ax_))
                frames.emplace(id, *frame);
    return frames;
}

// Only real writes renew the time, so a re-apply that found every window in place hides no later move. The
// settle comes a while after the moves; measured at the settle, a move soon after a write would look late.
bool OutsideMoves::wasWrittenRecently(const std::vector<WindowId>& windows) const {
    return std::ranges::any_of(windows, [&](WindowId id) {
        const auto written = target_.writtenAt(id);
        return written && lastMove_ - *written < recentWriteAge;
    });
}

void OutsideMoves::readNativeTiling(const std::vector<WindowId>& windows, SpaceId space) {
    const SpaceLayout* stored = target_.storedLayout(space);
    if (!stored)
        return;
    SpaceLayout layout = *stored;
    const FrameMap moved = currentFrames(windows);
    const bool recent = wasWrittenRecently(windows);
    if (layout.mode == LayoutMode::float_)
        return;
    if (layout.mode == LayoutMode::stack) {
        if (!recent)
            target_.applyLayout(space);
        return;
    }

    const Desktops desktops = spaces_.desktops();
    const auto visible = target_.visibleArea(space);
    const auto laidOut = target_.geometry(space, desktops);
    if (!visible || !laidOut)
        return;
    const NativeReading reading{space,
                                *visible,
                                laidOut->area,
                                laidOut->spacing.gap,
                                layout.frames(laidOut->area, laidOut->spacing.gap),
                                desktops.number(space).value_or(0),
                                recent};

    // Floating windows keep whatever frame they were given, whoever moved them.
    FrameMap tiles;
    for (const auto& [id, frame] : moved)
        if (layout.tree.contains(id))
            tiles.emplace(id, frame);
    if (adoptMovedArrangement(tiles, reading, layout))
        return;
    bool changed = false;
    for (const auto& [id, frame] : tiles)
        changed = readMovedTile(id, frame, reading, layout) || changed;
    if (!changed)
        return;
    target_.storeLayout(space, std::move(layout));
    target_.applyLayout(space);
}

bool OutsideMoves::adoptMovedArrangement(const FrameMap& moved, const NativeReading& reading,
                                         SpaceLayout& layout) {
    if (moved.size() < 2)
        return false;
    const auto arranged = NativeTiling::tree(moved, arrangementTolerance);
    if (!arranged)
        return false;
    const auto half = halfFilled(moved, reading.visible);
    if (!half && !NativeTiling::covers(rects(moved), reading.visible, arrangementShare))
        return false;

    const std::string where =
        half ? " in the " + std::string(commandWords::write(commandWords::directions, *half)) + " half" : "";
    log(LogLevel::default_, "macOS arranged %ld windows on desktop %ld%{public}s: adopting it",
        static_cast<std::int64_t>(moved.size()), reading.desktop, where);
    for (const auto& [id, frame] : moved)
        if (const auto tile = reading.expected.find(id); tile != reading.expected.end())
            beforeNativeTile_.insert_or_assign(id, tile->second);
    if (half)
        layout.adopt(*arranged, *half);
    else
        layout.adopt(*arranged);
    layout.normalize(reading.area, reading.gap, target_.tileMinimumSizes());
    target_.storeLayout(reading.space, layout);
    target_.applyLayout(reading.space);
    return true;
}

bool OutsideMoves::readMovedTile(WindowId window, const Rect& frame, const NativeReading& reading,
                                 SpaceLayout& layout) {
    if (const auto tile = NativeTiling::classify(frame, reading.visible)) {
        rememberTileBeforeNativeTiling(window, reading.expected);
        std::visit(Overloaded{
                       [&](const NativeTile::Fill&) {
                           log(LogLevel::default_, "macOS filled the display with %u on desktop %ld: zoom",
                               window, reading.desktop);
                           layout.zoom(window);
                       },
                       [&](const Region& region) {
                           log(LogLevel::default_, "macOS tiled %u on desktop %ld: place %{public}s", window,
                               reading.desktop, text(region));
                           layout.place(window, region, reading.area);
                       },
                   },
                   tile->value);
        return true;
    }
    if (const auto before = beforeNativeTile_.extract(window);
        !before.empty() && close(frame, before.mapped(), returnTolerance)) {
        log(LogLevel::default_, "%u returned to its previous size on desktop %ld: restore", window,
            reading.desktop);
        if (layout.zoomed == window)
            layout.toggleZoom(window);
        else
            layout.restore(reading.area);
        return true;
    }
    if (reading.recent)
        return false;
    log(LogLevel::default_, "%u moved on desktop %ld, not to a tile: putting it back", window,
        reading.desktop);
    return true;
}

void OutsideMoves::rememberTileBeforeNativeTiling(WindowId window, const FrameMap& expected) {
    if (const auto tile = expected.find(window); tile != expected.end())
        beforeNativeTile_.insert_or_assign(window, tile->second);
    else
        beforeNativeTile_.erase(window);
}

} // namespace quillmere
