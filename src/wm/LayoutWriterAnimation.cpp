#include "wm/LayoutWriter.h"

#include <chrono>
#include <utility>

namespace quillmere {

namespace {

const MainQueue::Duration animationStep =
    std::chrono::duration_cast<MainQueue::Duration>(std::chrono::duration<double>(FrameAnimation::step));

} // namespace

// The glide runs on the main queue, one step per tick, so that nothing waits for it; the exact write, the
// read-back and any later pass follow its last step.
bool LayoutWriter::startAnimation(const Run& run, const FrameMap& frames) {
    if (accessibilityDisplay_.shouldReduceMotion())
        return false;
    FrameMap start;
    for (const auto& [id, frame] : frames)
        if (const auto tracked = target_.trackedWindow(id))
            if (const auto current = tracked->frame(ax_))
                start.emplace(id, *current);
    FrameAnimation moves(start, frames);
    if (moves.isEmpty())
        return false;
    std::vector<std::int32_t> pids = suspendEnhancedUserInterface(frames);
    animations_.emplace(run.space, Animation{run,
                                             frames,
                                             std::move(moves),
                                             std::move(pids),
                                             queue_.now(),
                                             {},
                                             signposter.beginInterval("Animate")});
    stepAnimation(run.space);
    return true;
}

void LayoutWriter::stepAnimation(SpaceId space) {
    const auto found = animations_.find(space);
    if (found == animations_.end())
        return;
    Animation& animation = found->second;
    const double elapsed = std::chrono::duration<double>(queue_.now() - animation.began).count();
    const double progress = elapsed / FrameAnimation::duration;
    if (progress < 1) {
        for (const auto& [id, frame] : animation.moves.frames(progress))
            if (const auto tracked = target_.trackedWindow(id)) {
                // A step that does not take is overtaken by the next one and by the passes after the glide.
                (void)ax_.setAttribute(tracked->element, "AXPosition", AXValue(frame.origin));
                (void)ax_.setAttribute(tracked->element, "AXSize", AXValue(frame.size));
            }
        animation.nextStep = queue_.after(animationStep, [this, space] { stepAnimation(space); });
        return;
    }

    Animation done = std::move(animation);
    animations_.erase(found);
    const FrameMap before = writeFrames(done.target);
    restoreEnhancedUserInterface(done.enhancedPids);
    signposter.endInterval("Animate", done.interval);
    if (learnAfterWrite(done.run, done.target, before))
        runPasses(done.run);
    else
        finish(done.run);
}

void LayoutWriter::cancelAnimation(SpaceId space) {
    const auto found = animations_.find(space);
    if (found == animations_.end())
        return;
    queue_.cancel(found->second.nextStep);
    restoreEnhancedUserInterface(found->second.enhancedPids);
    signposter.endInterval("Animate", found->second.interval);
    signposter.endInterval("Layout", found->second.run.interval);
    animations_.erase(found);
}

void LayoutWriter::cancelAnimations() {
    while (!animations_.empty())
        cancelAnimation(animations_.begin()->first);
}

// The manager's own glide passes through frames it never wrote as a whole.
bool LayoutWriter::isAnimated(WindowId window) const {
    for (const auto& [space, animation] : animations_)
        if (animation.target.contains(window))
            return true;
    return false;
}

} // namespace quillmere
