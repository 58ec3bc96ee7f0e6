#pragma once

#include "core/Command.h"
#include "core/DepartedLayouts.h"
#include "core/FloatRules.h"
#include "core/Profile.h"
#include "core/ProfilePlacement.h"
#include "core/Session.h"
#include "core/Settings.h"
#include "core/SpaceLayout.h"
#include "core/SpaceRules.h"
#include "core/TileAlgorithm.h"
#include "core/WindowRef.h"
#include "platform/HeldWork.h"
#include "platform/LifetimeGuard.h"
#include "platform/Log.h"
#include "system/AXWindow.h"
#include "system/FocusHighlight.h"
#include "system/FullScreen.h"
#include "system/Overlay.h"
#include "wm/LayoutWriter.h"
#include "wm/LayoutWriterTarget.h"
#include "wm/MiniMap.h"
#include "wm/MouseTarget.h"
#include "wm/OutsideMoves.h"
#include "wm/OutsideMovesTarget.h"
#include "wm/ProfileKeeping.h"
#include "wm/ProfileTarget.h"
#include "wm/SessionKeeping.h"
#include "wm/SpaceGeometry.h"
#include "wm/WindowInventory.h"
#include "wm/WindowManagerServices.h"
#include "wm/WindowManagerStatus.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace quillmere {

// Keeps every standard window of every regular application in the layout of its Space and writes those
// layouts to the screen. The application makes exactly one, hands it every configuration with update()
// (the first one before start(), so that start-up admits windows under the user's rules), starts it once
// accessibility is trusted, and reads its status through onStatusChange.
//
// What it keeps true: a window is in at most one layout, and every id in a layout is a tracked window or a
// placeholder; nothing is written before start(), while start-up admits windows, or while tiling is paused.
// Each deferred action is one held piece of work on the main queue that a new trigger pushes back; one-shot
// delays check that the manager is still alive. Destroying the manager drops its subscriptions, observers
// and queued work. Main thread only.
class WindowManager final : public MouseTarget,
                            private OutsideMovesTarget,
                            private LayoutWriterTarget,
                            private ProfileTarget {
  public:
    using Status = WindowManagerStatus;
    using DisplayIndex = quillmere::DisplayIndex;
    using StepSlot = quillmere::StepSlot;
    using MiniDisplay = quillmere::MiniDisplay;
    using MiniSpace = quillmere::MiniSpace;
    using MiniWindow = quillmere::MiniWindow;
    using Duration = MainQueue::Duration;
    using DropPreview = quillmere::DropPreview;
    using AdjacentDesktop = quillmere::AdjacentDesktop;

    struct WindowTitle {
        std::string app;
        std::string title;
        friend bool operator==(const WindowTitle&, const WindowTitle&) = default;
    };

    // Every message to another application gives up after this long, so one that hangs cannot stall tiling.
    static constexpr double messagingTimeout = 0.5;
    // Published once more after a focus change, when the focused window has settled.
    static constexpr Duration statusRecheckDelay = std::chrono::milliseconds(150);
    // Displays report several changes in a row; they are laid out once the last is this old.
    static constexpr Duration displaySettleDelay = std::chrono::milliseconds(1500);
    // A launching application opens its windows over a while: it is observed again after these delays.
    static constexpr Duration firstRelaunchLook = std::chrono::milliseconds(500);
    static constexpr Duration secondRelaunchLook = std::chrono::milliseconds(1500);
    // An application reports a tab switch as focus changes before the old tab has left its Space.
    static constexpr Duration tabCheckDelay = std::chrono::milliseconds(150);
    // A window asked into full screen right after it opened is refused while it still animates in.
    static constexpr Duration fullScreenRuleDelay = std::chrono::milliseconds(300);
    // Reading which Spaces hold windows walks the whole window list, so the answer is kept this long.
    static constexpr Duration occupancyLifetime = std::chrono::milliseconds(500);
    // No tile is laid out narrower or lower than this, even for a window that has not shown a minimum size of
    // its own: a smaller window shows nothing usable and is hard to hit, so the layout moves its borders or
    // stacks the window instead.
    static constexpr Size smallestTile{100, 100};

    explicit WindowManager(const WindowManagerServices& services);
    ~WindowManager() override;
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    // Begins managing windows. Once only.
    void start();
    // Takes a new configuration; before start() it is only kept, nothing is written.
    void update(const Settings& settings);
    // Pauses tiling or resumes it.
    void togglePause();

    // Told every published status, also when it did not change.
    std::function<void(const Status&)> onStatusChange = [](const Status&) {};
    const Status& status() const { return status_; }
    bool pausedByHand() const override { return gates_.pausedByHand; }
    bool focusFollowsMouse() const override { return config_.focusFollowsMouse; }
    // The current profile; setting it keeps it in the user defaults under "lastProfile".
    const std::optional<std::string>& lastProfile() const { return profiles_.current(); }
    void setLastProfile(std::optional<std::string> name) { profiles_.setCurrent(std::move(name)); }
    // The symbol shown for the current profile.
    const std::optional<std::string>& lastProfileIcon() const { return profiles_.currentIcon(); }
    void setLastProfileIcon(std::optional<std::string> icon) { profiles_.setCurrentIcon(std::move(icon)); }

    using ProfileRename = ProfileKeeping::ProfileRename;
    // Follows the stored profiles with the current one: a rename of it makes the new name current, its
    // file gone forgets it, a new icon is taken; the status is published when name or icon changed.
    void profilesChanged(const std::vector<Profile>& profiles, const std::optional<ProfileRename>& renamed) {
        profiles_.profilesChanged(profiles, renamed);
    }
    // Builds the status afresh and tells onStatusChange.
    void publishStatus() override;
    // Every window on screen, full-screen Spaces included, with its application and Space.
    std::vector<WindowPlace> allWindows() override;
    // The stable reference of each window, numbered per application in ascending id order; where two windows
    // get one reference the first keeps it.
    static std::map<WindowRef, WindowId> liveRefs(const std::vector<WindowPlace>& windows) {
        return quillmere::liveRefs(windows);
    }

    // The title of every tracked window with its application's name, to try title rules on.
    std::vector<WindowTitle> windowTitles();
    // Every display, its Spaces and their windows, for the mini map and the Spaces overview.
    std::vector<MiniDisplay> miniMap();

    // Lays one Space out: `skipping` keeps a window where it is, and without `learning` nothing animates
    // and no minimum size is learned. Nothing is written before start(), while launching or while paused.
    void apply(SpaceId space, std::optional<WindowId> skipping = std::nullopt, bool learning = true);
    // The Space's display without menu bar and Dock, global points; none without any screen.
    std::optional<Rect> visibleArea(SpaceId space) override;
    // The stored layout, else a new one in the mode the Space rules give its Desktop; not stored here.
    SpaceLayout layout(SpaceId space) override;
    // The first Space whose layout holds the window, tiled or floating.
    std::optional<SpaceId> layoutSpace(WindowId window) const override;

    // ---- Commands, focus and sends ----

    // Carries out one command, whatever its source. Every refusal is a log line, never an error.
    void perform(const Command& command);
    // Switches to the window's Space, then brings the window forward; the pointer stays where it is.
    void show(WindowId window);
    // Moves a tracked window to a Desktop of a present display, and its tile with it. With `keepingDisplay`,
    // a Desktop of a shared Space list is taken on the window's own display. Anything else does nothing.
    void send(WindowId window, SpaceId to, bool keepingDisplay);
    // Round the display's Space order, Desktops only; none for a window on a full-screen Space.
    std::optional<AdjacentDesktop> adjacentDesktop(WindowId window, bool forward) override;
    // Sends the window one Desktop on and, when sends are followed, switches there and focuses it.
    void sendToAdjacentSpace(WindowId window, bool forward) override;

    // Asked, with the present Spaces mode, before a profile captured in the other mode is loaded; an
    // empty callback counts as a no.
    std::function<bool(const Profile&, bool)> confirmModeMismatch = [](const Profile&, bool) { return true; };

    // ---- Pointer queries and drops ----
    // The tracked window under the point. The first window there that is a normal window, a pop-up menu or
    // one of the front application's decides, so a menu or the front application's panel hides what lies
    // behind it.
    std::optional<AXWindow> window(Point at) override;
    // The tracked normal windows whose bounds, grown by `slack` on every side, hold the point; front first.
    std::vector<AXWindow> windows(Point near, double slack) override;
    // In a layout's tree; floating windows are not tiled.
    bool isTiled(WindowId id) const override;
    // The key window: of the application itself while it is in front, else the focused window.
    std::optional<WindowId> focusedWindowID() override;
    // Works on a copy: safe to ask on every drag event.
    std::optional<DropPreview> dropHighlight(WindowId dragging, Point at) override;
    void drop(WindowId window, Point at) override;
    // Turns the edges the user moved into the tiling. While `live`, the window itself is left to the
    // user's drag and nothing is learned.
    void userResized(WindowId window, bool live) override;
    std::optional<Size> learnedMinimumSize(WindowId id) const override;
    void refreshStatus() override;
    void onPause(std::function<void()> endGestures) override;
    // The focused window of the frontmost application, tracked or not.
    std::optional<AXWindow> focusedWindow() override;

  private:
    friend class WindowManagerProbe;

    struct SavedSlot {
        std::int32_t pid = 0;
        SpaceId space = 0;
        SpaceLayout::Slot slot;
    };

    // The tracked windows and where they came from.
    struct Tracking {
        std::map<WindowId, AXWindow> windows;
        // The same windows by their accessibility element, as notifications name them.
        std::unordered_map<std::uint64_t, WindowId> byElement;
        std::map<std::int32_t, std::unique_ptr<AXObserver>> observers;
        std::set<std::int32_t> fullScreenPIDs;
        // Hidden applications, whose windows stay out of the layouts until they are shown again.
        std::set<std::int32_t> hiddenPIDs;
        // While an answer is followed up; admitting a window changes focus, which would follow it up again.
        bool followingAnswer = false;
        // Where a minimized window sat, to put it back.
        std::map<WindowId, SavedSlot> savedSlots;
        // Where a window sat on the Space it was last sent away from, to put it back when it returns there.
        std::map<WindowId, SavedSlot> sentFrom;
    };

    // The layouts and what was learned while writing them.
    struct Arrangement {
        std::map<SpaceId, SpaceLayout> layouts;
        std::map<SpaceId, WindowId> lastFocusedTiled;
        MinimumSizes minimumSizes;
    };

    // The configuration as the manager uses it.
    struct Configuration {
        FloatRules floatRules = FloatRules::default_();
        SpaceRules spaceRules = SpaceRules::default_();
        bool focusFollowsMouse = true;
        bool mouseFollowsFocus = true;
        bool followsSends = true;
        bool followsRouting = false;
        bool adoptsNativeTiling = true;
        bool animatesWindows = false;
        std::set<std::string> fullScreenApps;
        Settings spacingSettings = Settings::default_();
        TileAlgorithm tiling = TileAlgorithm::bsp;
        StackAlgorithm stacking = StackAlgorithm::fill;
    };

    // What is known of the Spaces seen so far.
    struct SpaceHistory {
        std::set<SpaceId> settledSpaces;
        // By display id, the Space last seen current and the one before it.
        std::map<std::string, SpaceId> shownSpace;
        std::map<std::string, SpaceId> previousSpace;
    };

    struct Gates {
        bool started = false;
        // While start-up or a full re-observation admits windows.
        bool launching = false;
        bool pausedByHand = false;
        // From a display change until the displays settle.
        bool displaysUnsettled = false;
    };

    struct Occupancy {
        // For each Space of the active display's order, whether an inventory window lay on it.
        std::vector<bool> spaces;
        std::optional<MainQueue::Instant> at;
    };

    // Tracking.
    void observe(std::int32_t pid, bool applyingRules);
    void track(const AXWindow& window, bool applyingRules);
    bool inFullScreen(const AXWindow& window);
    bool registerWindow(const AXWindow& window);
    void untrack(WindowId id);
    void removeFromLayouts(WindowId id);
    // Forgets that the window was the Space's last focused tile.
    void forgetFocus(SpaceId space, WindowId window);
    void handle(const std::string& notification, AXElement element, std::int32_t pid);
    std::optional<AXWindow> trackedWindow(AXElement element) const;
    std::optional<AXWindow> trackedWindow(WindowId window) const override;
    void miniaturized(const AXWindow& window);
    void returned(const AXWindow& window);
    void launched(const RunningApplication& app);
    void terminated(std::int32_t pid);
    void hidden(std::int32_t pid);
    void unhidden(std::int32_t pid);
    void focusChanged();
    void followTabs(const AXWindow& window);
    void displaysChanged(std::string_view reason);
    std::vector<AXWindow> windowsOf(std::int32_t pid) const;

    // Admission.
    struct Placement {
        SpaceId space = 0;
        bool byRule = false;
    };
    void layoutIfTileable(const AXWindow& window, bool applyingRules);
    // A tracked window that came back while its application did not answer is in no layout though it is
    // shown; it is admitted at the next chance, as a window that comes back.
    bool isLeftOut(const AXWindow& window);
    // A message to the application succeeded: what it could not be asked before is asked now.
    void answered(std::int32_t pid);
    std::optional<Placement> placement(const AXWindow& window);
    std::optional<SpaceId> spaceOf(const AXWindow& window);
    std::string localizedName(std::int32_t pid) override;
    std::string title(const AXWindow& window);

    // Writing layouts: the manager keeps the layouts and the learned minimum sizes, the writer writes them.
    std::optional<SpaceGeometry> geometry(SpaceId space, const Desktops& desktops) override;
    std::optional<Screen> screen(SpaceId space, const Desktops& desktops);
    Rect visibleFrame(const Screen& screen);
    bool animatesWindows() const override { return config_.animatesWindows; }
    std::optional<FrameMap> fitLayout(SpaceId space, const Rect& area, double gap) override;
    void rememberMinimumSize(WindowId window, Size size) override;
    void activeSpaceWritten(SpaceId space, const Desktops& desktops, const Rect& area, double gap) override;
    // The minimum sizes the tiling engine works with: every tracked window's learned size, raised to the
    // smallest tile.
    MinimumSizes tileMinimumSizes() const override;

    // Pause.
    void pauseChanged();

    // Status and inventory.
    void publishStatus(const Desktops& desktops);
    std::vector<InventoryWindow> allWindowsWithBounds(bool fullScreen);
    std::map<WindowId, Rect> windowBounds();
    std::vector<Rect> displayBounds();
    std::vector<MiniWindow> miniWindows(const std::vector<InventoryWindow>& inventory, SpaceId space,
                                        const Rect& frame);

    // ---- Commands, focus and sends ----
    // The focused window a command works on, where it lies and the copy of its Space's layout.
    struct CommandTarget;
    enum class Ending;
    void performOnFocusedWindow(const Command& command);
    Ending changeLayout(const Command& command, CommandTarget& target);
    void finish(CommandTarget& target, Ending ending);
    void focusSpace(std::int64_t position);
    void stepSpace(bool forward);
    void stepFullScreen(bool forward);
    void lastSpace();
    void toggleFullScreen();
    Ending place(const Region& region, CommandTarget& target);
    void close(const AXWindow& window);
    void sendToSpace(std::int64_t position, WindowId window, SpaceId from);
    void sendToDisplay(bool forward, WindowId window, SpaceId from);
    // Moves the window on the window server and its tile between the layouts.
    void carry(WindowId window, SpaceId from, SpaceId to);
    // Carries the window and, when sends are followed, switches to it and focuses it there.
    void sendAndFollow(WindowId window, SpaceId from, SpaceId to);
    void relocate(WindowId window, SpaceId from, SpaceId to);
    // Front process, key window and raise; the pointer follows when the settings say so.
    void focus(WindowId window);
    void bringForward(const AXWindow& window) override;
    // Focuses the window once a Space switch has arrived, unless the manager is gone by then.
    std::function<void()> focusOnArrival(WindowId window);
    void focusDisplay(bool forward);

    // ---- Space changes, session keeping and display changes ----
    // A window leaving full screen reaches its Desktop only once the system's animation is over, so its
    // application is observed again after these delays.
    static constexpr Duration firstFullScreenLook = std::chrono::milliseconds(500);
    static constexpr Duration secondFullScreenLook = std::chrono::milliseconds(1500);
    // Pictures are taken once the Spaces have been quiet this long.
    static constexpr Duration previewCaptureDelay = std::chrono::milliseconds(500);

    // The window ids of a layout: tree order, then the floating ones; never a placeholder.
    static std::vector<WindowId> layoutWindows(const SpaceLayout& layout);

    // The one pass that follows every change of the Spaces shown, of the displays, of the pause and the
    // retile command: bookkeeping, membership, first sight of a Space, then the writes and the status.
    void spaceChanged();
    void noteShownSpaces(const Desktops& desktops);
    // Moves the tiles of windows that someone else put on another Space; `keeping` is trusted as it is.
    void reconcileSpaceMembership(const std::set<WindowId>& keeping);
    // The applications of windows in full screen or with a remembered slot, observed again later.
    void lookAgainAfterFullScreen();
    void capturePreviewsSoon();
    void capturePreviews();

    // The first decision about each Space, once per run: the previous run's session, else the screen.
    void settle(const std::vector<SpaceId>& spaces);
    bool restoreFromSession(SpaceId space);
    // Rebuilds the Space's layout from a snapshot; `live` names the window each reference stood for.
    // Windows of the old layout that the snapshot lacks are kept, appended.
    void restore(const SpaceSnapshot& snapshot, SpaceId space,
                 const std::map<WindowRef, WindowId>& live) override;
    // On resume, keeps what is on screen in every visible Space.
    void adoptOnScreen();

    void saveSession();
    // None for a layout without a tracked window.
    std::optional<Session::Space> sessionRecord(SpaceId space, const SpaceLayout& layout,
                                                const Desktops& desktops) const;

    void displaysSettled();
    // Parks the layouts of displays that left and gives back those of displays that returned; answers the
    // windows of the layouts it has just settled.
    std::set<WindowId> settleDisplayChange(const Desktops& desktops);
    void giveBack(SpaceId space, SpaceLayout layout, std::set<WindowId>& settled);
    void gatherBack(const std::set<WindowId>& windows, const Desktops& desktops);

    // Runs work after the delay unless the manager is gone by then.
    void later(Duration delay, std::function<void()> work);
    void subscribe(std::string_view name, std::function<void()> handler);
    void subscribeToApplication(std::string_view name, std::function<void(const RunningApplication&)> handler);

    WindowManagerServices services_;
    Accessibility& ax_;
    Spaces& spaces_;
    MainQueue& queue_;

    Tracking tracking_;
    Arrangement arrangement_;
    Configuration config_;
    SpaceHistory history_;
    Gates gates_;
    Occupancy occupancy_;
    Status status_;
    // The display to which focus last went although it showed no window; any focus change clears it.
    std::optional<std::string> emptyDisplay_;
    // Told when tiling pauses, so that the mouse gestures end at once rather than at the next event.
    std::function<void()> pausedGestures_;

    Overlay notice_;
    Overlay preselectOverlay_;
    FocusHighlight highlight_;
    FullScreen fullScreen_;

    LayoutWriter writer_;
    HeldWork statusRecheck_;
    HeldWork displaySettle_;
    std::vector<ObserverToken> subscriptions_;
    // Lets one-shot delayed work find out that the manager is gone.
    LifetimeGuard lifetime_;

    // ---- Space changes, session keeping and display changes ----
    SessionKeeping session_;
    // Layouts of displays that left, by display signature, until the display returns.
    DepartedLayouts departed_;
    // The displays and Spaces the last Space-change pass saw; none before the first.
    std::optional<Desktops> lastDesktops_;
    // The set of displays last laid out.
    std::string lastDisplay_;
    HeldWork previewCapture_;

    // ---- Moves by others, the system's own tiling and the full-screen pair ----
    // The rest of what they ask is answered above.
    bool adoptsNativeTiling() const override { return config_.adoptsNativeTiling; }
    bool displaysUnsettled() const override { return gates_.displaysUnsettled; }
    const SpaceLayout* storedLayout(SpaceId space) const override;
    void storeLayout(SpaceId space, SpaceLayout layout) override;
    void applyLayout(SpaceId space) override { apply(space); }
    std::optional<Rect> writtenFrame(WindowId window) const override { return writer_.writtenFrame(window); }
    std::optional<MainQueue::Instant> writtenAt(WindowId window) const override {
        return writer_.writtenAt(window);
    }
    bool isAnimated(WindowId window) const override { return writer_.isAnimated(window); }
    bool correctMinimumSize(WindowId window, const Rect& seen) override {
        return writer_.correctMinimumSize(window, seen);
    }

    OutsideMoves outsideMoves_;

    // ---- Profiles: capture and load ----
  public:
    using LoadOrigin = ProfileKeeping::LoadOrigin;

    // Told, when a profile loads, of its Desktops that found no Space; only when there is at least one.
    std::function<void(const Profile&, const std::vector<ProfilePlacement>&)> onProfileWarning =
        [](const Profile&, const std::vector<ProfilePlacement>&) {};

    // Saves what is on screen under the name; a stored profile of exactly that name is recaptured. An unusable
    // name is refused with a notice. The profile becomes current only when it was saved.
    void capture(const std::string& name, bool makeCurrent) { profiles_.capture(name, makeCurrent); }
    // The profile's Desktops, displays, Spaces mode and full-screen Spaces are taken anew; its options stay.
    void recapture(const Profile& profile, bool makeCurrent) { profiles_.recapture(profile, makeCurrent); }
    // Puts the profile's arrangement back and makes it current; full-screen Spaces follow over the next seconds.
    void load(const Profile& profile, LoadOrigin origin = LoadOrigin::user) {
        profiles_.load(profile, origin);
    }

  private:
    // What capture and load ask of the manager besides the public questions above.
    std::vector<InventoryWindow> windowsWithBounds() override;
    std::optional<AXWindow> tracked(WindowId id) const override;
    bool loadsInOtherMode(const Profile& profile, bool spansDisplays) override;
    void takeOut(WindowId window, SpaceId space) override;
    void admit(WindowId window, SpaceId space) override;
    void layOut(SpaceId space) override;
    void sendTo(WindowId window, SpaceId space) override;
    void pairBeside(const AXWindow& partner, const Rect& screen) override;
    // For three seconds over the middle of the active display.
    void flashNotice(const std::string& text) override;
    void warnUnplaced(const Profile& profile, const std::vector<ProfilePlacement>& unplaced) override;

    ProfileKeeping profiles_;

  private:
    // ---- Pointer queries and drops ----
    // An edge that moved this little is the application's rounding, not the user.
    static constexpr double edgeMoveThreshold = 2;
    // The notice that explains a forced stack stays this long.
    static constexpr double stackNoticeSeconds = 2.0;

    struct OnScreenEntry {
        WindowId id = 0;
        std::int32_t pid = 0;
        int layer = 0;
        Rect bounds;
    };
    // The Space a drop point falls into, a copy of its layout that already holds the dragged window, and
    // where that Space is laid out.
    struct DropTarget {
        SpaceId space = 0;
        SpaceLayout layout;
        DisplaySpaces display;
        SpaceGeometry geometry;
    };
    std::vector<OnScreenEntry> onScreenWindows();
    std::optional<DropTarget> dropTarget(WindowId window, Point at);
    // The name a drop preview gives the other window.
    std::string dropName(WindowId other);
    // After a swap across Spaces the other window takes the dragged one's old place.
    void sendBack(WindowId other, SpaceId from, SpaceId to, const std::optional<SpaceLayout::Slot>& slot);
    void explainIfStacked(WindowId window, SpaceId space);
};

} // namespace quillmere
