#include "system/AXUIElement.h"
#include "wm/WindowManager.h"

#include <algorithm>

namespace quillmere {

namespace {

constexpr std::string_view enhancedUserInterface = "AXEnhancedUserInterface";

// A window may end up this much larger than asked without counting as refusing the size.
constexpr double sizeTolerance = 1;

} // namespace

void WindowManager::apply(SpaceId space, std::optional<WindowId> skipping, bool learning) {
    if (gates_.pausedByHand) {
        const Desktops desktops = spaces_.desktops();
        if (desktops.activeSpace() == space)
            publishStatus(desktops);
    }
    if (!gates_.started || gates_.launching || gates_.pausedByHand || !arrangement_.layouts.contains(space))
        return;
    cancelAnimation(space);
    session_.saveSoon();

    ApplyRun run{.space = space, .skipping = skipping, .learning = learning};
    run.interval = signposter.beginInterval("Layout");
    const Desktops desktops = spaces_.desktops();
    const auto laidOut = geometry(space, desktops);
    if (!laidOut) {
        signposter.endInterval("Layout", run.interval);
        return;
    }
    run.area = laidOut->area;
    run.gap = laidOut->spacing.gap;
    const std::vector<SpaceId> visible = desktops.visible();
    run.animated = config_.animatesWindows && learning && std::ranges::find(visible, space) != visible.end();
    runPasses(run);
}

void WindowManager::runPasses(ApplyRun run) {
    for (;;) {
        const auto found = arrangement_.layouts.find(run.space);
        if (found == arrangement_.layouts.end())
            break;
        found->second.normalize(run.area, run.gap, tileMinimumSizes());
        FrameMap frames = found->second.frames(run.area, run.gap);
        if (run.skipping)
            frames.erase(*run.skipping);
        if (run.animated && startAnimation(run, frames))
            return;
        const FrameMap before = write(frames);
        if (!learnAfterWrite(run, frames, before))
            break;
    }
    finishApply(run);
}

bool WindowManager::learnAfterWrite(ApplyRun& run, const FrameMap& frames, const FrameMap& before) {
    if (!run.learning || !learnMinimumSizes(frames, before, run.area) || run.pass >= maximumPasses)
        return false;
    ++run.pass;
    run.animated = false;
    return true;
}

void WindowManager::finishApply(const ApplyRun& run) {
    if (const Desktops desktops = spaces_.desktops(); desktops.activeSpace() == run.space) {
        publishStatus(desktops);
        const auto found = arrangement_.layouts.find(run.space);
        const auto marked =
            found == arrangement_.layouts.end() ? std::nullopt : found->second.preselectionRect(run.area, run.gap);
        if (marked)
            preselectOverlay_.show(*marked, Overlay::Kind::preselect());
        else
            preselectOverlay_.hide();
    }
    signposter.endInterval("Layout", run.interval);
}

FrameMap WindowManager::write(const FrameMap& frames) {
    const std::vector<std::int32_t> pids = suspendEnhancedUserInterface(frames);
    FrameMap before = writeFrames(frames);
    restoreEnhancedUserInterface(pids);
    return before;
}

// Only tracked windows are written and remembered; the time is renewed only when a frame really changed.
// Answers the frame each window had before, which for a window already in place is its frame now.
FrameMap WindowManager::writeFrames(const FrameMap& frames) {
    const MainQueue::Instant now = queue_.now();
    FrameMap before;
    for (const auto& [id, frame] : frames) {
        const auto tracked = tracking_.windows.find(id);
        if (tracked == tracking_.windows.end())
            continue;
        Written& written = arrangement_.written[id];
        written.frame = frame;
        const AXElement element = tracked->second.element;
        const auto current = tracked->second.frame(ax_);
        if (current)
            before.emplace(id, *current);
        if (current && current->integral() == frame.integral())
            continue;
        // What took is read back by the pass that follows; that is where refusals are learned from.
        (void)ax_.setAttribute(element, "AXSize", AXValue(frame.size));
        (void)ax_.setAttribute(element, "AXPosition", AXValue(frame.origin));
        (void)ax_.setAttribute(element, "AXSize", AXValue(frame.size));
        written.at = now;
    }
    return before;
}

// Applications with an enhanced user interface (switched on by assistive tools) animate and second-guess
// every frame written to them, so it is off while the manager writes.
std::vector<std::int32_t> WindowManager::suspendEnhancedUserInterface(const FrameMap& frames) {
    std::set<std::int32_t> pids;
    for (const auto& [id, frame] : frames)
        if (const auto tracked = tracking_.windows.find(id); tracked != tracking_.windows.end())
            pids.insert(tracked->second.pid);
    std::vector<std::int32_t> suspended;
    for (std::int32_t pid : pids) {
        const AXElement application = ax_.applicationElement(pid);
        if (AXUIElementRef::value<bool>(ax_, application, enhancedUserInterface) == true) {
            // Left on, the application only second-guesses the frames, which the read-backs then correct.
            (void)ax_.setAttribute(application, enhancedUserInterface, false);
            suspended.push_back(pid);
        }
    }
    return suspended;
}

void WindowManager::restoreEnhancedUserInterface(const std::vector<std::int32_t>& pids) {
    for (std::int32_t pid : pids)
        // An application that has gone or does not answer has nothing left to switch back on.
        (void)ax_.setAttribute(ax_.applicationElement(pid), enhancedUserInterface, true);
}

// A read-back that still shows the frame from before the write tells nothing yet: the application may
// apply the write later. Whether a window is in full screen is asked last, only of a window that would teach
// a size.
bool WindowManager::learnMinimumSizes(const FrameMap& frames, const FrameMap& before, const Rect& area) {
    bool learned = false;
    for (const auto& [id, asked] : frames) {
        const auto tracked = tracking_.windows.find(id);
        if (tracked == tracking_.windows.end())
            continue;
        const auto earlier = before.find(id);
        const bool wasInPlace = earlier != before.end() && earlier->second.integral() == asked.integral();
        const auto actual = wasInPlace ? std::optional(earlier->second) : tracked->second.frame(ax_);
        if (!actual)
            continue;
        if (correctMinimumSize(id, *actual)) {
            learned = true;
            continue;
        }
        if (actual->width() > area.width() + sizeTolerance || actual->height() > area.height() + sizeTolerance ||
            (!wasInPlace && earlier != before.end() && *actual == earlier->second))
            continue;
        const Size old = arrangement_.minimumSizes.contains(id) ? arrangement_.minimumSizes.at(id) : Size();
        const Size raised{actual->width() > asked.width() + sizeTolerance ? std::max(actual->width(), old.width)
                                                                         : old.width,
                          actual->height() > asked.height() + sizeTolerance
                              ? std::max(actual->height(), old.height)
                              : old.height};
        if (raised.width <= old.width && raised.height <= old.height)
            continue;
        if (AXUIElementRef::value<bool>(ax_, tracked->second.element, "AXFullScreen") == true)
            continue;
        arrangement_.minimumSizes[id] = raised;
        logMinimumSize(id, raised);
        learned = true;
    }
    return learned;
}

// A window seen smaller than its learned minimum size shows that the size was learned from a wrong reading.
bool WindowManager::correctMinimumSize(WindowId id, const Rect& seen) {
    const auto learned = arrangement_.minimumSizes.find(id);
    if (learned == arrangement_.minimumSizes.end())
        return false;
    const Size old = learned->second;
    const Size corrected{seen.width() + sizeTolerance < old.width ? seen.width() : old.width,
                         seen.height() + sizeTolerance < old.height ? seen.height() : old.height};
    if (corrected == old)
        return false;
    learned->second = corrected;
    logMinimumSize(id, corrected);
    return true;
}

std::optional<Rect> WindowManager::writtenFrame(WindowId window) const {
    const auto found = arrangement_.written.find(window);
    return found == arrangement_.written.end() ? std::nullopt : std::optional(found->second.frame);
}

std::optional<MainQueue::Instant> WindowManager::writtenAt(WindowId window) const {
    const auto found = arrangement_.written.find(window);
    return found == arrangement_.written.end() ? std::nullopt : found->second.at;
}

void WindowManager::logMinimumSize(WindowId id, Size size) {
    log(LogLevel::default_, "window %u minimum size %ldx%ld", id, static_cast<std::int64_t>(size.width),
        static_cast<std::int64_t>(size.height));
}

MinimumSizes WindowManager::tileMinimumSizes() const {
    MinimumSizes result;
    result.reserve(tracking_.windows.size());
    for (const auto& [id, window] : tracking_.windows) {
        const auto learned = arrangement_.minimumSizes.find(id);
        const Size size = learned == arrangement_.minimumSizes.end() ? Size() : learned->second;
        result.emplace(id, Size{std::max(size.width, smallestTile.width), std::max(size.height, smallestTile.height)});
    }
    return result;
}

// The Space's display's screen, else the main screen, else the first screen.
std::optional<Screen> WindowManager::screen(SpaceId space, const Desktops& desktops) {
    if (const DisplaySpaces* display = desktops.display(space))
        if (auto shown = spaces_.screen(display->id))
            return shown;
    if (auto main = services_.desktop.displays.mainScreen())
        return main;
    const std::vector<Screen> screens = services_.desktop.displays.screens();
    return screens.empty() ? std::nullopt : std::optional(screens.front());
}

std::optional<SpaceGeometry> WindowManager::geometry(SpaceId space, const Desktops& desktops) {
    const auto shown = screen(space, desktops);
    if (!shown)
        return std::nullopt;
    const Spacing spacing = config_.spacingSettings.spacingForDisplayWidth(shown->frame.width());
    const Rect area = visibleFrame(*shown).insetBy(spacing.padding, spacing.padding);
    return SpaceGeometry{spacing, area};
}

// Screens count from the bottom left of the first screen; the visible frame turned into global points.
Rect WindowManager::visibleFrame(const Screen& screen) {
    const std::vector<Screen> screens = services_.desktop.displays.screens();
    const double primaryHeight = screens.empty() ? screen.frame.height() : screens.front().frame.height();
    const Rect& visible = screen.visibleFrame;
    return {visible.minX(), primaryHeight - visible.maxY(), visible.width(), visible.height()};
}

std::optional<Rect> WindowManager::visibleArea(SpaceId space) {
    const auto shown = screen(space, spaces_.desktops());
    return shown ? std::optional(visibleFrame(*shown)) : std::nullopt;
}

SpaceLayout WindowManager::layout(SpaceId space) {
    if (const auto found = arrangement_.layouts.find(space); found != arrangement_.layouts.end())
        return found->second;
    const auto number = spaces_.desktops().number(space);
    return SpaceLayout(config_.spaceRules.layout(number ? std::optional<std::int64_t>(*number) : std::nullopt),
                       config_.tiling, config_.stacking);
}

const SpaceLayout* WindowManager::storedLayout(SpaceId space) const {
    const auto found = arrangement_.layouts.find(space);
    return found == arrangement_.layouts.end() ? nullptr : &found->second;
}

void WindowManager::storeLayout(SpaceId space, SpaceLayout layout) {
    arrangement_.layouts.insert_or_assign(space, std::move(layout));
}

std::optional<SpaceId> WindowManager::layoutSpace(WindowId window) const {
    for (const auto& [space, layout] : arrangement_.layouts)
        if (layout.contains(window))
            return space;
    return std::nullopt;
}

} // namespace quillmere
