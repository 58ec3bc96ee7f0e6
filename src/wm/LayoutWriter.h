#pragma once

#include "core/BSPTree.h"
#include "core/FrameAnimation.h"
#include "core/Geometry.h"
#include "core/WindowId.h"
#include "platform/Accessibility.h"
#include "platform/AccessibilityDisplay.h"
#include "platform/Log.h"
#include "platform/MainQueue.h"
#include "system/Spaces.h"
#include "wm/LayoutWriterTarget.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace quillmere {

// Writes the layouts to the screen. A write of a Space runs up to maximumPasses passes: each fits the layout
// to the minimum sizes known, writes every tracked window not already on its tile, reads the frames back and
// learns minimum sizes from them; only a pass that learned something is followed by another. When windows
// animate, the first pass glides, one step per tick of the main queue, and its exact write and the passes
// after follow the last step; a new write of the Space ends its glide where it stands. Applications with an
// enhanced user interface have it off while they are written. Remembers the frame last written to each window
// and when a write last changed it, so that the echo of a write can be told from a move by someone else.
// Owned by the window manager, which it asks through LayoutWriterTarget. Main thread only.
class LayoutWriter {
  public:
    // At most this many passes of writing and learning minimum sizes per write.
    static constexpr int maximumPasses = 3;

    LayoutWriter(LayoutWriterTarget& target, Accessibility& accessibility,
                 AccessibilityDisplay& accessibilityDisplay, Spaces& spaces, MainQueue& queue);
    ~LayoutWriter();
    // Queued glide steps hold this object.
    LayoutWriter(const LayoutWriter&) = delete;
    LayoutWriter& operator=(const LayoutWriter&) = delete;

    // Lays one Space out: `skipping` keeps a window where it is, and without `learning` nothing animates and
    // no minimum size is learned.
    void write(SpaceId space, std::optional<WindowId> skipping, bool learning);
    // Ends every glide where it stands.
    void cancelAnimations();
    bool isAnimated(WindowId window) const;

    // The frame last written to the window; none when it never was.
    std::optional<Rect> writtenFrame(WindowId window) const;
    // When a write last changed the window's frame; none when no write had to.
    std::optional<MainQueue::Instant> writtenAt(WindowId window) const;
    // Lowers a learned minimum size to a frame the window was seen in; answers whether it did.
    bool correctMinimumSize(WindowId window, const Rect& seen);
    // The window is gone.
    void forget(WindowId window);

  private:
    friend class WindowManagerProbe;

    struct Written {
        Rect frame;
        // When the window was last really written; none when it never had to be.
        std::optional<MainQueue::Instant> at;
    };

    // One write under way: its pass, and where it writes.
    struct Run {
        SpaceId space = 0;
        std::optional<WindowId> skipping;
        bool learning = true;
        bool animated = false;
        Rect area;
        double gap = 0;
        int pass = 1;
        SignpostIntervalState interval;
    };

    // Windows gliding to the frames of a write's first pass, one step per tick of the main queue.
    struct Animation {
        Run run;
        FrameMap target;
        FrameAnimation moves;
        // Applications whose enhanced user interface is off until the glide ends.
        std::vector<std::int32_t> enhancedPids;
        MainQueue::Instant began;
        TaskToken nextStep;
        SignpostIntervalState interval;
    };

    void runPasses(Run run);
    bool learnAfterWrite(Run& run, const FrameMap& frames, const FrameMap& before);
    void finish(const Run& run);
    FrameMap writeTiles(const FrameMap& frames);
    FrameMap writeFrames(const FrameMap& frames);
    std::vector<std::int32_t> suspendEnhancedUserInterface(const FrameMap& frames);
    void restoreEnhancedUserInterface(const std::vector<std::int32_t>& pids);
    bool learnMinimumSizes(const FrameMap& frames, const FrameMap& before, const Rect& area);
    void logMinimumSize(WindowId id, Size size);

    // The glide of the first pass.
    bool startAnimation(const Run& run, const FrameMap& frames);
    void stepAnimation(SpaceId space);
    void cancelAnimation(SpaceId space);

    LayoutWriterTarget& target_;
    Accessibility& ax_;
    AccessibilityDisplay& accessibilityDisplay_;
    Spaces& spaces_;
    MainQueue& queue_;

    std::map<WindowId, Written> written_;
    std::map<SpaceId, Animation> animations_;
};

} // namespace quillmere
