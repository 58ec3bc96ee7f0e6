#include "wm/LayoutWriter.h"

#include "system/AXUIElement.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace quillmere {

namespace {

constexpr std::string_view enhancedUserInterface = "AXEnhancedUserInterface";

// A window may end up this much larger than asked without counting as refusing the size.
constexpr double sizeTolerance = 1;

} // namespace

LayoutWriter::LayoutWriter(LayoutWriterTarget& target, Accessibility& accessibility,
                           AccessibilityDisplay& accessibilityDisplay, Spaces& spaces, MainQueue& queue)
    : target_(target), ax_(accessibility), accessibilityDisplay_(accessibilityDisplay), spaces_(spaces),
      queue_(queue) {}

LayoutWriter::~LayoutWriter() {
    for (const auto& [space, animation] : animations_)
        queue_.cancel(animation.nextStep);
}

void LayoutWriter::write(SpaceId space, std::optional<WindowId> skipping, bool learning) {
    cancelAnimation(space);
    Run run{.space = space, .skipping = skipping, .learning = learning};
    run.interval = signposter.beginInterval("Layout");
    const Desktops desktops = spaces_.desktops();
    const auto laidOut = target_.geometry(space, desktops);
    if (!laidOut) {
        signposter.endInterval("Layout", run.interval);
        return;
    }
    run.area = laidOut->area;
    run.gap = laidOut->spacing.gap;
    const std::vector<SpaceId> visible = desktops.visible();
    run.animated =
        target_.animatesWindows() && learning && std::ranges::find(visible, space) != visible.end();
    runPasses(run);
}

void LayoutWriter::runPasses(Run run) {
    for (;;) {
        std::optional<FrameMap> frames = target_.fitLayout(run.space, run.area, run.gap);
        if (!frames)
            break;
        if (run.skipping)
            frames->erase(*run.skipping);
        if (run.animated && startAnimation(run, *frames))
            return;
        const FrameMap before = writeTiles(*frames);
        if (!learnAfterWrite(run, *frames, before))
            break;
    }
    finish(run);
}

bool LayoutWriter::learnAfterWrite(Run& run, const FrameMap& frames, const FrameMap& before) {
    if (!run.learning || !learnMinimumSizes(frames, before, run.area) || run.pass >= maximumPasses)
        return false;
    ++run.pass;
    run.animated = false;
    return true;
}

void LayoutWriter::finish(const Run& run) {
    if (const Desktops desktops = spaces_.desktops(); desktops.activeSpace() == run.space)
        target_.activeSpaceWritten(run.space, desktops, run.area, run.gap);
    signposter.endInterval("Layout", run.interval);
}

FrameMap LayoutWriter::writeTiles(const FrameMap& frames) {
    const std::vector<std::int32_t> pids = suspendEnhancedUserInterface(frames);
    FrameMap before = writeFrames(frames);
    restoreEnhancedUserInterface(pids);
    return before;
}

// Only tracked windows are written and remembered; the time is renewed only when a frame really changed.
// Answers the frame each window had before, which for a window already in place is its frame now.
FrameMap LayoutWriter::writeFrames(const FrameMap& frames) {
    const MainQueue::Instant now = queue_.now();
    FrameMap before;
    for (const auto& [id, frame] : frames) {
        const auto tracked = target_.trackedWindow(id);
        if (!tracked)
            continue;
        Written& written = written_[id];
        written.frame = frame;
        const AXElement element = tracked->element;
        const auto current = tracked->frame(ax_);
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
std::vector<std::int32_t> LayoutWriter::suspendEnhancedUserInterface(const FrameMap& frames) {
    std::set<std::int32_t> pids;
    for (const auto& [id, frame] : frames)
        if (const auto tracked = target_.trackedWindow(id))
            pids.insert(tracked->pid);
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

void LayoutWriter::restoreEnhancedUserInterface(const std::vector<std::int32_t>& pids) {
    for (std::int32_t pid : pids)
        // An application that has gone or does not answer has nothing left to switch back on.
        (void)ax_.setAttribute(ax_.applicationElement(pid), enhancedUserInterface, true);
}

// A read-back that still shows the frame from before the write tells nothing yet: the application may
// apply the write later. Whether a window is in full screen is asked last, only of a window that would teach
// a size.
bool LayoutWriter::learnMinimumSizes(const FrameMap& frames, const FrameMap& before, const Rect& area) {
    bool learned = false;
    for (const auto& [id, asked] : frames) {
        const auto tracked = target_.trackedWindow(id);
        if (!tracked)
            continue;
        const auto earlier = before.find(id);
        const bool wasInPlace = earlier != before.end() && earlier->second.integral() == asked.integral();
        const auto actual = wasInPlace ? std::optional(earlier->second) : tracked->frame(ax_);
        if (!actual)
            continue;
        if (correctMinimumSize(id, *actual)) {
            learned = true;
            continue;
        }
        if (actual->width() > area.width() + sizeTolerance ||
            actual->height() > area.height() + sizeTolerance ||
            (!wasInPlace && earlier != before.end() && *actual == earlier->second))
            continue;
        const Size old = target_.learnedMinimumSize(id).value_or(Size());
        const Size raised{
            actual->width() > asked.width() + sizeTolerance ? std::max(actual->width(), old.width)
                                                            : old.width,
            actual->height() > asked.height() + sizeTolerance ? std::max(actual->height(), old.height)
                                                              : old.height};
        if (raised.width <= old.width && raised.height <= old.height)
            continue;
        if (AXUIElementRef::value<bool>(ax_, tracked->element, "AXFullScreen") == true)
            continue;
        target_.rememberMinimumSize(id, raised);
        logMinimumSize(id, raised);
        learned = true;
    }
    return learned;
}

// A window seen smaller than its learned minimum size shows that the size was learned from a wrong reading.
bool LayoutWriter::correctMinimumSize(WindowId window, const Rect& seen) {
    const auto old = target_.learnedMinimumSize(window);
    if (!old)
        return false;
    const Size corrected{seen.width() + sizeTolerance < old->width ? seen.width() : old->width,
                         seen.height() + sizeTolerance < old->height ? seen.height() : old->height};
    if (corrected == *old)
        return false;
    target_.rememberMinimumSize(window, corrected);
    logMinimumSize(window, corrected);
    return true;
}

void LayoutWriter::logMinimumSize(WindowId id, Size size) {
    log(LogLevel::default_, "window %u minimum size %ldx%ld", id, static_cast<std::int64_t>(size.width),
        static_cast<std::int64_t>(size.height));
}

std::optional<Rect> LayoutWriter::writtenFrame(WindowId window) const {
    const auto found = written_.find(window);
    return found == written_.end() ? std::nullopt : std::optional(found->second.frame);
}

std::optional<MainQueue::Instant> LayoutWriter::writtenAt(WindowId window) const {
    const auto found = written_.find(window);
    return found == written_.end() ? std::nullopt : found->second.at;
}

void LayoutWriter::forget(WindowId window) {
    written_.erase(window);
}

} // namespace quillmere
