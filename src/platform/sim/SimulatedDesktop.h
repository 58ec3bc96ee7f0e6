#pragma once

#include "platform/Accessibility.h"
#include "platform/AccessibilityDisplay.h"
#include "platform/ActivationPolicySwitch.h"
#include "platform/Alerts.h"
#include "platform/ApplicationWindows.h"
#include "platform/Desktop.h"
#include "platform/DesktopPictures.h"
#include "platform/Displays.h"
#include "platform/EventMonitors.h"
#include "platform/EventTaps.h"
#include "platform/Events.h"
#include "platform/HotKeys.h"
#include "platform/ImageSource.h"
#include "platform/InstalledApplications.h"
#include "platform/LifetimeGuard.h"
#include "platform/MainQueue.h"
#include "platform/MouseButtons.h"
#include "platform/Panels.h"
#include "platform/Preferences.h"
#include "platform/QueuedNotificationCenter.h"
#include "platform/RunningApplications.h"
#include "platform/ScreenCapture.h"
#include "platform/UserDefaults.h"
#include "platform/WindowList.h"
#include "platform/WindowServer.h"
#include "platform/Workspace.h"
#include "platform/WorkspaceNotifications.h"
#include "platform/sim/SimulatedFeedbackModel.h"
#include "platform/sim/SimulatedHotKeyModel.h"
#include "platform/sim/SimulatedModel.h"
#include "platform/sim/SimulatedPointerModel.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

namespace quillmere {

struct SimulatedScenario;

// A Mac desktop in memory: displays with their Spaces, running applications and their windows. It answers
// every platform interface as macOS does where the system depends on it, and it is driven by a script of
// what users and applications do. Accessibility notifications and bridged moves take effect on the main
// queue, never inside the call that caused them. It must outlive the observers it hands out.
//
// Script calls with an unknown display, application, window or Space are mistakes of the script and throw
// std::invalid_argument.
class SimulatedDesktop final : public Accessibility,
                               public WindowServer,
                               public WindowList,
                               public Displays,
                               public RunningApplications,
                               public Events,
                               public Preferences,
                               public WorkspaceNotificationCenter,
                               public Panels,
                               public ScreenCapture,
                               public DesktopPictures,
                               public ImageSource,
                               public UserDefaults,
                               public AccessibilityDisplay,
                               public HotKeyRegistrar,
                               public MouseButtons,
                               public Workspace,
                               public Alerts,
                               public InstalledApplications,
                               public EventTaps,
                               public EventMonitors,
                               public ApplicationWindows,
                               public ActivationPolicySwitch {
  public:
    enum class SpaceListForm {
        // Each display has its own Spaces.
        perDisplay,
        // All displays show one Space list, which the window server names "Main".
        shared,
    };

    struct DisplaySetup {
        std::string name = "Display";
        // Global points, origin top left.
        Rect bounds{0, 0, 1920, 1080};
        std::uint32_t vendor = 0;
        std::uint32_t model = 0;
        std::uint32_t serial = 0;
        bool builtIn = false;
        // Made up from the display number when none.
        std::optional<std::string> uuid;
        // With a shared Space list only the first display's count counts.
        int desktops = 1;
        // The ids of its first Desktops, as a desktop carried over from another copy keeps them; the others
        // get new ones. An id in use is a mistake.
        std::vector<SpaceId> spaceIds;
        // A display that was plugged in before gets its Desktops back with their ids, unless the window
        // server numbers them anew, as after it restarted.
        bool newSpaceIds = false;
    };

    struct AppSetup {
        std::optional<std::string> bundleIdentifier;
        std::optional<std::string> name;
        ActivationPolicy policy = ActivationPolicy::regular;
        std::optional<std::chrono::system_clock::time_point> launchDate;
    };

    struct WindowSetup {
        std::string title;
        Rect frame{100, 100, 800, 600};
        std::string role = "AXWindow";
        std::optional<std::string> subrole = "AXStandardWindow";
        Size minimumSize;
        std::optional<Size> maximumSize;
        // Attributes the application does not let others set, for example "AXSize" of a fixed-size window.
        std::vector<std::string> unsettable;
        // None: the current Space of the display that holds the frame's centre.
        std::optional<SpaceId> space;
        bool onAllSpaces = false;
        // None: the next free number.
        std::optional<WindowId> number;
        int layer = 0;
        // Without one, nothing but its application closes the window.
        bool closeButton = true;
    };

    explicit SimulatedDesktop(MainQueue& queue, SpaceListForm form = SpaceListForm::perDisplay);
    ~SimulatedDesktop() override;
    SimulatedDesktop(const SimulatedDesktop&) = delete;
    SimulatedDesktop& operator=(const SimulatedDesktop&) = delete;

    // This desktop as the interfaces the application runs on.
    Desktop bundle();

    // Accessibility.
    bool isTrusted() const override { return trusted_; }
    AXElement systemWideElement() override;
    AXElement applicationElement(std::int32_t pid) override;
    AXError setMessagingTimeout(AXElement element, double seconds) override;
    AXResult<AXAttributeValue> attribute(AXElement element, std::string_view name) override;
    AXResult<bool> isSettable(AXElement element, std::string_view name) override;
    AXError setAttribute(AXElement element, std::string_view name, const AXAttributeValue& value) override;
    AXError perform(AXElement element, std::string_view action) override;
    AXResult<WindowId> windowNumber(AXElement element) override;
    AXResult<std::unique_ptr<AXObserver>> observer(std::int32_t pid, Callback callback) override;

    // Window server.
    std::optional<std::int32_t> processId() const override { return windowServerPid; }
    ConnectionId mainConnection() override { return connection; }
    std::optional<PropertyList> managedDisplaySpaces(ConnectionId connection) override;
    std::optional<std::string> activeMenuBarDisplayIdentifier(ConnectionId connection) override;
    std::optional<PropertyList> spacesForWindows(ConnectionId connection, int mask,
                                                 const std::vector<WindowId>& windows) override;
    bool bridgedMoveIsAvailable() override;
    bool moveWindowsToManagedSpace(const std::vector<WindowId>& windows, SpaceId space) override;
    Result<ProcessSerialNumber, StatusCode> processForPid(std::int32_t pid) override;
    Result<std::int32_t, StatusCode> pidForProcess(const ProcessSerialNumber& process) override;
    Result<ProcessSerialNumber, StatusCode> frontProcess() override;
    StatusCode setFrontProcess(const ProcessSerialNumber& process, WindowId window,
                               FrontProcessOptions options) override;
    StatusCode postEventRecord(const ProcessSerialNumber& process,
                               std::span<const std::uint8_t, eventRecordSize> record) override;
    Result<SymbolicHotKey, StatusCode> symbolicHotKey(int hotKey) override;

    // Window list.
    std::vector<WindowDescription> onScreenWindows() override;
    std::vector<WindowDescription> describe(const std::vector<WindowId>& windows) override;

    // Displays and screens.
    std::vector<DisplayId> activeDisplays() override;
    DisplayId mainDisplay() override;
    Rect bounds(DisplayId display) override;
    DisplayHardware hardware(DisplayId display) override;
    std::optional<std::string> uuid(DisplayId display) override;
    std::vector<Screen> screens() override;
    std::optional<Screen> mainScreen() override;

    // Running applications.
    std::vector<RunningApplication> runningApplications() override;
    std::optional<RunningApplication> application(std::int32_t pid) override;
    std::optional<RunningApplication> frontmostApplication() override;
    bool activate(std::int32_t pid) override;

    // Events. A swipe that ends moves the display under the pointer one Space in its direction, as the
    // scroll-direction preference reads it; the window server takes an event for a swipe only with its
    // gesture fields (event type, HID type and both phases, agreeing with the record that follows the
    // event). A key press of the shortcut for one Space left or right, posted at the hardware's tap, steps
    // the display under the pointer.
    std::optional<Event> create() override;
    std::optional<Event> createKeyboardEvent(std::uint16_t keyCode, bool keyDown) override;
    std::optional<Event> createMouseEvent(EventType type, Point at) override;
    std::optional<std::vector<std::uint8_t>> createData(const Event& event) override;
    std::optional<Event> createFromData(std::span<const std::uint8_t> data) override;
    void post(EventTapLocation tap, const Event& event) override;
    // Nanoseconds of the main queue's clock.
    std::uint64_t absoluteTime() override;
    // Counts only what the script makes the user do; without such input, the time since the desktop began.
    double secondsSinceLastEventType(EventSourceStateID state, EventType type) override;
    // Like every move of the pointer, it stays on the displays: a point on none lands on the nearest point of
    // the nearest display.
    void warpMouseCursorPosition(Point point) override;

    // Preferences.
    std::optional<PropertyList> copyValue(std::string_view key, PreferencesApplication application,
                                          PreferencesUser user, PreferencesHost host) override;
    std::optional<PropertyList> appValue(std::string_view key, std::string_view applicationId) override;

    // Workspace notifications; every change of a Space shown posts activeSpaceDidChangeNotification.
    ObserverToken addObserver(std::string_view name, std::function<void()> block) override;
    ObserverToken addObserver(std::string_view name,
                              std::function<void(const WorkspaceNotification&)> block) override;
    void removeObserver(ObserverToken token) override;

    // Every window of every Space, front to back.
    std::vector<WindowDescription> allWindows() override;

    // User defaults, in memory for the desktop's life.
    std::optional<std::string> string(std::string_view key) override;
    std::optional<bool> boolean(std::string_view key) override;
    void setString(std::string_view key, const std::string& value) override;
    void setBoolean(std::string_view key, bool value) override;
    void remove(std::string_view key) override;

    // Off unless the script turns it on.
    bool shouldReduceMotion() override { return reduceMotion_; }

    // Script: what users, applications and hardware do.
    DisplayId addDisplay(const DisplaySetup& setup);
    // Its windows go to the main display's current Desktop and stay there when it returns; when it was the
    // display at the origin, the first remaining display takes the origin and every frame moves with it.
    void removeDisplay(DisplayId display);
    // As the user rearranges displays: the display and the windows on it move to the origin given. The
    // display at the origin carries the menu bar and stays where it is.
    void moveDisplay(DisplayId display, Point origin);
    SpaceId addDesktop(DisplayId display);
    // As the user removes a Desktop in Mission Control: its windows go to the Desktop before it (after it,
    // for the first), which the display then shows if it showed the removed one. A display keeps at least
    // one Desktop.
    void removeDesktop(SpaceId space);
    std::int32_t launch(const AppSetup& setup);
    void quit(std::int32_t pid);
    WindowId openWindow(std::int32_t pid, const WindowSetup& setup);
    // As the application would: the size stays within the window's minimum and maximum. A window moved
    // onto another display goes to that display's current Desktop.
    void moveWindow(WindowId window, Point origin);
    void resizeWindow(WindowId window, Size size);
    void closeWindow(WindowId window);
    void minimize(WindowId window, bool minimized);
    // As a click would: the application comes to the front with the window focused and raised. Whenever the
    // front application's key window changes, however it does, the menu bar goes to the display that holds
    // that window.
    void focus(WindowId window);
    // One window, or two side by side, get a new full-screen Space after the first one's Space; the
    // display shows it.
    SpaceId enterFullScreen(const std::vector<WindowId>& windows);
    void exitFullScreen(WindowId window);
    // As the user would, with Mission Control or a swipe.
    void switchSpace(DisplayId display, SpaceId space);
    // As the user drags a window onto another Desktop in Mission Control: nothing tells applications, the
    // window is simply on that Desktop, at the same place on its display.
    void moveWindowToSpace(WindowId window, SpaceId space);
    void setActiveDisplay(DisplayId display);
    // As the user hides an application: its windows leave the screen and the on-screen list but stay its
    // windows for accessibility. Focusing one of them unhides it.
    void hide(std::int32_t pid);
    void unhide(std::int32_t pid);
    // As a tabbed application opens a tab: a new window of the same application at the same frame on the
    // same Space; the old tab is on no Space from then on, and the new one has focus.
    WindowId openTab(WindowId of);
    // The machine sleeps and wakes, and its screens with it.
    void sleepAndWake();
    // The system's own application is about to quit.
    void quitOwnApplication();
    void setReduceMotion(bool reduce) { reduceMotion_ = reduce; }
    // None: the application has no "AXEnhancedUserInterface".
    void setEnhancedUserInterface(std::int32_t pid, std::optional<bool> on);
    std::optional<bool> enhancedUserInterface(std::int32_t pid) const;

    // As the user moves the mouse, within the displays; the mouse-moved monitors see it.
    void movePointer(Point point);
    // As the user holds a mouse button down and lets it go; 0 is the left button, 1 the right one.
    void pressButton(int button);
    void releaseButton(int button);
    std::uint32_t pressedMouseButtons() override { return pressedButtons_; }
    // As the system's own tiling (edge drag, window menu, keyboard, fill) does: the windows glide to their
    // frames in `steps` even steps over the time given, each step moving and resizing them with the
    // notifications that go with it, every size kept within the window's minimum and maximum.
    void arrangeAsSystem(const std::map<WindowId, Rect>& frames, MainQueue::Duration over, int steps);
    // The user's hardware input of that type, now.
    void input(EventType type);
    // For any application, the current user and any host, where the system keeps its own settings; none
    // removes the value.
    void setPreference(const std::string& key, std::optional<PropertyList> value);
    // As another application keeps its own settings; none removes the value.
    void setAppPreference(const std::string& applicationId, const std::string& key,
                          std::optional<PropertyList> value);
    // As an application does with its own window: raised and made its key window; whether the application is
    // in front does not change.
    void orderFront(WindowId window);

    // Faults.
    // Every accessibility call about the attribute fails as a busy application's would.
    void failAttribute(WindowId window, std::string attribute);
    void setWindowNumberAnswer(WindowId window, sim::WindowNumberAnswer answer);
    // An application that does not answer keeps every accessibility message to it waiting for the
    // messaging timeout, which then fails it with AXError::cannotComplete.
    void setResponding(std::int32_t pid, bool responding);
    // How the caller spends each such wait. The running program passes a wait that really holds its thread,
    // as on a Mac. Tests pass none: nothing runs inside the call and the manual clock stands still, while
    // blockedTime() shows what the waits cost.
    void setBlockingWait(std::function<void(MainQueue::Duration)> wait) { blockingWait_ = std::move(wait); }
    // Script: how the application answers writes of its windows' position and size, from now on.
    void setWriteBehaviour(std::int32_t pid, sim::WriteBehaviour behaviour);
    // The application the system itself runs as: its panels that hide on deactivation leave the screen
    // while another application is active.
    void setOwnApplication(std::int32_t pid);
    // The application's own switch between a Dock icon (regular) and none (accessory).
    void setActivationPolicy(std::int32_t pid, ActivationPolicy policy) override;
    // Accessibility then refuses to make observers of the application.
    void refuseObservers(std::int32_t pid) { observerRefusals_.insert(pid); }
    // The window server answers the managed Space list with this value; none gives the real list again.
    void overrideSpaceList(std::optional<PropertyList> answer) { spaceListOverride_ = std::move(answer); }
    // Whether this system offers the bridged move. Only the first lookup reads it, as the system's own.
    void setBridgedMoveAvailable(bool available) { bridgedMoveAvailable_ = available; }
    void setTrusted(bool trusted) {
        trusted_ = trusted;
        changed();
    }
    // Swipes then move no display.
    void ignoreSwipes(bool ignored) { swipesIgnored_ = ignored; }
    // How long after a swipe or a key press the display shows the next Space.
    void setSpaceChangeDelay(MainQueue::Duration delay) { spaceChangeDelay_ = delay; }
    // Each of the next `count` steps made by a swipe is followed, `after` later, by a step back.
    void bounceBack(int count, MainQueue::Duration after);
    // None: the system reports no key for the shortcut.
    void setSymbolicHotKey(int hotKey, std::optional<SymbolicHotKey> key);
    void failEvents(sim::EventFault fault) { eventFault_ = fault; }
    // The window server then refuses to tell or set the front process.
    void failFrontProcess(bool failing) { frontProcessFails_ = failing; }

    // Inspection.
    std::optional<Rect> frame(WindowId window) const;
    std::vector<SpaceId> spaces(WindowId window) const;
    SpaceId currentSpace(DisplayId display) const;
    // Desktops and full-screen Spaces, in Mission Control's order.
    std::vector<SpaceId> spaceOrder(DisplayId display) const;
    double messagingTimeout() const { return messagingTimeout_; }
    // All the time accessibility callers have spent waiting for applications that do not answer.
    MainQueue::Duration blockedTime() const { return blockedTime_; }
    int bridgedMoveLookups() const { return bridgedMoveLookups_; }
    const std::vector<std::vector<std::uint8_t>>& postedEventRecords() const { return eventRecords_; }
    Point pointer() const { return pointer_; }
    const std::vector<sim::PostedEvent>& postedEvents() const { return postedEvents_; }
    const std::vector<sim::FrontProcessRequest>& frontProcessRequests() const {
        return frontProcessRequests_;
    }
    std::optional<WindowId> keyWindow(std::int32_t pid) const;
    bool isHidden(std::int32_t pid) const;
    // While on, every accessibility call adds a line such as "write window 101 AXSize 800x600".
    void traceAccessibility(bool on);
    const std::vector<std::string>& accessibilityTrace() const { return trace_; }
    // The whole desktop as text, one line per display, Space, window and application.
    std::string dump() const;
    // Called inside every call that changes what the dump or the screens show, so that a viewer can
    // redraw; it must not change the desktop itself.
    void setChangeCallback(std::function<void()> callback) { changeCallback_ = std::move(callback); }

    static constexpr std::int32_t windowServerPid = 88;
    static constexpr ConnectionId connection = 0x5A07;
    // How long the system takes to animate a panel off screen, unless the panel does not animate.
    static constexpr MainQueue::Duration panelOrderOutTime = std::chrono::milliseconds(200);

    // Panels of the application's own.
    std::unique_ptr<Panel> makePanel(const PanelStyle& style) override;

    // Screen capture.
    bool preflightAccess() override { return captureAccess_; }
    void requestAccess() override { ++captureAccessRequests_; }
    void shareableContent(const ShareableContentRequest& request, ContentCompletion completion) override;
    void captureDesktopIndependentWindow(WindowId window, const ScreenshotConfiguration& configuration,
                                         ImageCompletion completion) override;

    // Desktop pictures and image files.
    std::optional<std::string> desktopImageURL(const Screen& screen) override;
    std::optional<Image> thumbnail(const std::string& url, std::size_t index,
                                   const ThumbnailOptions& options) override;

    // One element of a menu bar and what lies below it.
    struct MenuSetup {
        std::string role = "AXMenuItem";
        std::optional<std::string> title;
        std::optional<std::string> identifier;
        // None: the item does not say.
        std::optional<bool> enabled = true;
        sim::MenuEffect effect = sim::MenuEffect::none;
        std::vector<MenuSetup> children;
    };

    // Script: menus and pictures. A menu bar is set once per application. Pressing a tiling item puts the
    // application's focused window into its half of the display and offers the display's other windows
    // for the other half: they glide there over 0.2 s, and a click on one pairs the two in a split
    // full-screen Space; a click elsewhere ends the offer with every window back where it was.
    void setMenuBar(std::int32_t pid, const std::vector<MenuSetup>& barItems);
    void addPictureFile(const std::string& url, sim::PictureFile file);
    void setDesktopPicture(DisplayId display, const std::string& url);

    // Faults and pace of the screen-capture service and of events.
    void setScreenCaptureAccess(bool granted) { captureAccess_ = granted; }
    // How often the application asked for screen recording.
    int captureAccessRequests() const { return captureAccessRequests_; }
    void failShareableContent(bool fail) { shareableContentFails_ = fail; }
    void failCapture(WindowId window) { failingCaptures_.insert(window); }
    // Content and pictures arrive this long after they were asked for.
    void setCaptureDelay(MainQueue::Duration delay) { captureDelay_ = delay; }

    // Inspection of panels, pointer and capture. The panels that exist, in the order they were made.
    std::vector<const sim::Panel*> panels() const;
    const std::vector<sim::MouseEvent>& postedMouseEvents() const { return mouseEvents_; }
    bool isPickingTile() const { return picker_.has_value(); }
    const std::vector<sim::CaptureRequest>& captureRequests() const { return captureRequests_; }
    int shareableContentRequests() const { return shareableContentRequests_; }
    int pictureDecodes() const { return pictureDecodes_; }

    // Global hot keys. A key the user presses goes to the system's own shortcuts first, then to the
    // application that registered it, and only then to the application in front.
    HotKeyHandlerToken installHotKeyHandler(HotKeyRegistrar::PressedHandler handler) override;
    void removeHotKeyHandler(HotKeyHandlerToken token) override;
    Result<HotKeyRef, HotKeyStatus> registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                                   HotKeyId id) override;
    void unregisterHotKey(HotKeyRef ref) override;
    // Script: the user presses a key with the modifiers of a Carbon mask. A hot key of this application
    // reaches its handlers through the main queue.
    void pressKey(std::uint32_t keyCode, std::uint32_t modifiers);
    // Another application registers the chord; one this application holds cannot be given away.
    void holdHotKey(std::uint32_t keyCode, std::uint32_t modifiers);
    // Every registration from now on fails with the status; none lets them succeed again.
    void failHotKeyRegistrations(std::optional<HotKeyStatus> status) { hotKeys_.failure = status; }
    // This application's hot keys, in the order they were registered.
    std::vector<sim::RegisteredHotKey> registeredHotKeys() const;

    // ---- Pointer: event taps, mouse-moved monitors and the pointer script ----
    // Taps see the button events of the pointer script; the mouse-moved monitors see movePointer.
    std::unique_ptr<EventTap> createTap(EventTapLocation location, EventTapPlacement placement,
                                        EventTapOptions options, EventMask mask, EventTapCallback callback) override;
    EventMonitorToken addGlobalMonitor(EventMask mask, std::function<void(const Event&)> handler) override;
    EventMonitorToken addLocalMonitor(EventMask mask, std::function<Event(const Event&)> handler) override;
    void removeMonitor(EventMonitorToken token) override;
    // The system's own panels and windows, once setOwnApplication has said which application it is.
    std::vector<ApplicationWindow> windows() override;
    std::optional<std::int64_t> keyWindowNumber() override;
    // As on a Mac: pop-up menus at 101.
    int windowLevel(WindowLevelKey key) override;
    std::optional<std::vector<DisplayId>> displaysWithPoint(Point point, std::uint32_t maxDisplays) override;

    static constexpr int popUpMenuLevel = 101;
    // Where an application takes a press as a drag of its window: the title bar, and the band along its edges.
    static constexpr double titleBarHeight = 28;
    static constexpr double resizeBand = 4;

    // Script: the user works the mouse; button 0 is the left one, 1 the right one. Every button event goes
    // through the taps first, and one a tap swallows reaches no application. A left press that reaches the
    // window under the pointer focuses it as a click does, and in its title bar drags it, near an edge
    // resizes it from there, as its application would until the release. Drags carry the press's flags.
    void mouseDown(int button, Point at, EventFlags flags = 0);
    // A drag of the left button while it is held, else of the right one.
    void mouseDrag(Point to);
    void mouseUp(int button);
    // The system switches every tap off and tells it so.
    void disableTap(bool byTimeout);
    // From now on the system refuses to make taps.
    void refuseEventTaps(bool refused) { tapsRefused_ = refused; }
    // As an application opens a pop-up menu: a window at the pop-up menu level over the rectangle.
    WindowId openPopUpMenu(std::int32_t pid, Rect rect);
    // The button events that reached applications, in order.
    const std::vector<sim::MouseEvent>& applicationMouseEvents() const { return applicationMouseEvents_; }
    // Whether a tap that is not invalidated is switched on.
    bool tapEnabled() const;

  private:
    class SimTap;
    friend class SimTap;
    // Whether a tap swallows the event.
    bool throughTaps(const Event& event);
    void pointerMoved();
    // The application's side of a button event no tap swallowed.
    void deliverToApplication(const Event& event);
    void dragGrabbed(Point to);
    // Screen coordinates turned into global ones.
    Rect globalFrame(const Rect& screenFrame) const;
    static constexpr WindowId panelNumbers = 900000;

    class SimObserver;
    friend class SimObserver;
    // Captures the model records as they are, for a relaunched copy.
    friend struct SimulatedScenario;

    // Model.
    sim::SpaceList& listOf(sim::Display& display);
    const sim::SpaceList& listOf(const sim::Display& display) const;
    sim::Display* display(DisplayId number);
    const sim::Display* display(DisplayId number) const;
    sim::Display& displayOrThrow(DisplayId number);
    sim::Display* displayAt(Point point);
    // The display whose Space holds the window; else the one under its frame's centre.
    const sim::Display* displayShowing(const sim::Window& window);
    // Where the system lets the pointer be.
    Point confined(Point point) const;
    // The display whose Space list holds the Space; with a shared list, the first display.
    sim::Display* displayHolding(SpaceId space);
    sim::SpaceList* listHolding(SpaceId space);
    std::vector<SpaceId> everyDesktop() const;
    sim::Window* window(WindowId number);
    const sim::Window* window(WindowId number) const;
    sim::Window& windowOrThrow(WindowId number);
    sim::Application* app(std::int32_t pid);
    const sim::Application* app(std::int32_t pid) const;
    sim::Application& appOrThrow(std::int32_t pid);
    bool isShown(const sim::Window& window) const;
    std::optional<SpaceId> fullScreenSpace(const sim::Window& window) const;
    std::vector<const sim::Display*> displaysInScreenOrder() const;
    std::vector<WindowId> windowsOf(std::int32_t pid) const;
    SpaceId newSpaceId() { return nextSpace_++; }
    // The Desktops of a display that returns, else new ones.
    sim::SpaceList returningSpaces(const std::string& uuid, const DisplaySetup& setup);
    void rememberSpaces(const sim::Display& unplugged);
    std::uint64_t newElement(sim::ElementTarget target);

    // Changes that applications notice.
    void setFrame(sim::Window& window, Rect frame);
    void followDisplay(sim::Window& window);
    void raise(WindowId window);
    void setFocusedWindow(sim::Application& app, std::optional<WindowId> window);
    // The application in front; a change is posted as an activation.
    void setFront(std::optional<std::int32_t> pid);
    void followKeyWindow(std::int32_t pid);
    void setMinimized(sim::Window& window, bool minimized);
    SpaceId makeFullScreen(const std::vector<WindowId>& windows);
    void leaveFullScreen(sim::Window& window);
    void forget(WindowId window);
    void moveToSpace(WindowId window, SpaceId space);
    void notify(std::int32_t pid, std::uint64_t element, const std::string& notification);

    // Accessibility side.
    const sim::ElementTarget* target(AXElement element) const;
    std::string text(AXElement element) const;
    AXError reachable(const sim::ElementTarget& target);
    void waitUnanswered();
    void record(std::string line);
    AXResult<AXAttributeValue> readApplication(const sim::Application& app, std::string_view name) const;
    AXResult<AXAttributeValue> readWindow(const sim::Window& window, std::string_view name) const;
    AXError writeWindow(sim::Window& window, std::string_view name, const AXAttributeValue& value);
    // Position and size writes as the window's application takes them.
    Size acceptedSize(const sim::Window& window, Size size) const;
    AXError writePosition(sim::Window& window, Point origin);
    AXError writeSize(sim::Window& window, Size size);
    void applyLater(const sim::Window& window, std::function<void(sim::Window&)> write);

    // Window-server side.
    PropertyList spaceEntry(const sim::Space& space) const;
    PropertyList displayEntry(const std::string& identifier, const sim::SpaceList& list) const;
    WindowDescription description(const sim::Window& window) const;
    Screen screen(const sim::Display& display) const;

    // Event side.
    void readGesture(const Event& event);
    // Whether the key is one of the system's own shortcuts, which take it.
    bool readHotKey(const Event& event);
    bool readMouse(const Event& event);
    void readKeyWindowRecord(std::int32_t pid, std::span<const std::uint8_t, eventRecordSize> record);
    void scheduleStep(DisplayId display, bool right, bool bySwipe);
    bool step(DisplayId display, bool right);
    void spaceChanged();
    void changed() {
        if (changeCallback_)
            changeCallback_();
    }
    // Delivers a workspace notification, carrying the application when it is about one.
    void post(std::string_view name, std::optional<RunningApplication> application = std::nullopt);
    AXResult<AXAttributeValue> readEnhancedUserInterface(const sim::Application& app) const;
    AXError writeApplication(sim::Application& app, std::string_view name, const AXAttributeValue& value);
    // Panels, menus, the tiling picker.
    class SimPanel;
    friend class SimPanel;
    void showPanel(std::uint64_t id, bool shown);
    void ownApplicationActivated(bool active);
    void activateNextAfter(std::int32_t pid);
    std::size_t addMenuNode(std::int32_t pid, const MenuSetup& setup);
    AXResult<AXAttributeValue> readControl(const sim::ElementTarget& target, std::string_view name) const;
    AXResult<AXAttributeValue> readFullScreenButton(const sim::Window& window);
    AXResult<AXAttributeValue> readCloseButton(const sim::Window& window);
    AXError press(const sim::ElementTarget& target, std::string_view action);
    void startTilePicker(std::int32_t pid, bool left);
    void moveCandidates(std::uint64_t picker, double share);
    void endTilePicker(Point clickedAt);

    MainQueue& queue_;
    SpaceListForm form_;
    std::function<void()> changeCallback_;
    // Lets queued work find out that the desktop is gone.
    LifetimeGuard lifetime_;

    std::vector<sim::Display> displays_;
    sim::SpaceList sharedSpaces_;
    // The Desktops of each display that was unplugged, by its UUID, for when it returns.
    std::map<std::string, sim::SpaceList> unpluggedSpaces_;
    std::optional<DisplayId> activeDisplay_;
    std::map<std::int32_t, sim::Application> apps_;
    std::map<WindowId, sim::Window> windows_;
    // Front to back.
    std::vector<WindowId> stacking_;
    std::optional<std::int32_t> front_;

    std::vector<sim::ElementTarget> elements_;
    std::uint64_t systemWideElement_ = 0;
    std::map<std::int32_t, std::uint64_t> appElements_;
    std::map<std::uint64_t, sim::Observer> observers_;
    std::uint64_t nextObserver_ = 1;

    DisplayId nextDisplay_ = 1;
    SpaceId nextSpace_ = 1;
    WindowId nextWindow_ = 100;
    std::int32_t nextPid_ = 500;
    std::uint32_t nextProcess_ = 0x1001;

    bool trusted_ = true;
    bool bridgedMoveAvailable_ = true;
    // What the one lookup of the process found.
    std::optional<bool> bridgedMoveFound_;
    int bridgedMoveLookups_ = 0;
    double messagingTimeout_ = 6.0;
    MainQueue::Duration blockedTime_{};
    std::function<void(MainQueue::Duration)> blockingWait_;
    std::optional<std::int32_t> ownApplication_;
    std::optional<PropertyList> spaceListOverride_;
    std::vector<std::vector<std::uint8_t>> eventRecords_;
    bool tracing_ = false;
    std::vector<std::string> trace_;

    MainQueue::Instant began_ = queue_.now();
    Point pointer_;
    std::map<EventType, MainQueue::Instant> lastInput_;
    std::vector<sim::PostedEvent> postedEvents_;
    bool swipeBegan_ = false;
    bool swipesIgnored_ = false;
    MainQueue::Duration spaceChangeDelay_{};
    int bounces_ = 0;
    MainQueue::Duration bounceAfter_{};
    sim::EventFault eventFault_ = sim::EventFault::none;
    // The system's defaults: control with the left or right arrow.
    std::map<int, SymbolicHotKey> symbolicHotKeys_{{79, {123, 0x40000}}, {81, {124, 0x40000}}};
    bool frontProcessFails_ = false;
    std::vector<sim::FrontProcessRequest> frontProcessRequests_;
    std::map<std::tuple<PreferencesApplication, PreferencesUser, PreferencesHost, std::string>, PropertyList>
        preferences_;
    // By application identifier, then key.
    std::map<std::pair<std::string, std::string>, PropertyList, std::less<>> appPreferences_;
    QueuedNotificationCenter notifications_{queue_};
    std::map<std::uint64_t, sim::Panel> panels_;
    std::uint64_t nextPanel_ = 1;
    std::uint64_t nextFade_ = 1;
    std::uint64_t nextOrderAnimation_ = 1;
    // Index 0 of each application's nodes is its menu bar.
    std::map<std::int32_t, std::vector<sim::MenuNode>> menus_;
    std::map<WindowId, std::uint64_t> fullScreenButtons_;
    std::map<WindowId, std::uint64_t> closeButtons_;
    std::vector<sim::MouseEvent> mouseEvents_;
    std::optional<sim::TilePicker> picker_;
    std::uint64_t nextPicker_ = 1;
    std::map<std::string, sim::PictureFile> pictureFiles_;
    std::map<DisplayId, std::string> desktopPictures_;
    int pictureDecodes_ = 0;
    bool captureAccess_ = true;
    int captureAccessRequests_ = 0;
    bool shareableContentFails_ = false;
    std::set<WindowId> failingCaptures_;
    MainQueue::Duration captureDelay_{};
    std::vector<sim::CaptureRequest> captureRequests_;
    int shareableContentRequests_ = 0;
    sim::HotKeyTable hotKeys_;
    std::set<std::int32_t> observerRefusals_;
    bool reduceMotion_ = false;
    std::map<std::string, std::variant<std::string, bool>, std::less<>> userDefaults_;
    std::uint32_t pressedButtons_ = 0;

    // ---- Installed applications, opening and alerts ----
  public:
    struct InstalledAppSetup {
        std::string bundleIdentifier;
        std::string name;
        // The windows the application opens once launched, each this long after the launch.
        std::vector<std::pair<MainQueue::Duration, WindowSetup>> windows;
    };
    // One request to open an application, with the URLs it was to open.
    struct OpenRequest {
        std::string app;
        std::vector<std::string> urls;
        bool activates = true;
        friend bool operator==(const OpenRequest&, const OpenRequest&) = default;
    };

    // Installed applications live at "/Applications/<name>.app". Opening one that is not running launches it
    // on the main queue as a regular application, which posts its launch; opening one that runs only passes
    // it the URLs.
    std::optional<std::string> urlForApplication(std::string_view bundleIdentifier) override;
    void openApplication(const std::string& at, const OpenConfiguration& configuration) override;
    void open(const std::vector<std::string>& urls, const std::string& withApplicationAt,
              const OpenConfiguration& configuration) override;
    void hideApplication(std::int32_t pid) override;
    // The application quits on the main queue unless it refuses.
    bool terminateApplication(std::int32_t pid) override;
    // Answers the next scripted answer, else the last button without the box ticked.
    AlertAnswer run(const Alert& alert) override;

    // Script.
    void install(const InstalledAppSetup& setup);
    std::vector<InstalledApplication> installedApplications() override;
    // The application stays when asked to quit, as after its user cancelled.
    void refuseTermination(std::int32_t pid) { refusesTermination_.insert(pid); }
    // What the user answers the next alert; answers are used in the order given.
    void answerAlert(AlertAnswer answer) { alertAnswers_.push_back(answer); }

    // Inspection.
    const std::vector<OpenRequest>& openRequests() const { return openRequests_; }
    // The URLs every request so far asked the application to open, in order.
    std::vector<std::string> openedURLs(std::string_view bundleIdentifier) const;
    const std::vector<std::int32_t>& terminateRequests() const { return terminateRequests_; }
    const std::vector<Alert>& alerts() const { return alerts_; }

  private:
    void openInstalled(const std::string& at, const std::vector<std::string>& urls,
                       const OpenConfiguration& configuration);
    void launchInstalled(const InstalledAppSetup& setup);

    std::map<std::string, InstalledAppSetup, std::less<>> installed_;
    std::vector<OpenRequest> openRequests_;
    std::vector<std::int32_t> terminateRequests_;
    std::set<std::int32_t> refusesTermination_;
    std::deque<AlertAnswer> alertAnswers_;
    std::vector<Alert> alerts_;

  private:
    // ---- Pointer: event taps, mouse-moved monitors and the pointer script ----
    std::map<std::uint64_t, sim::Tap> taps_;
    // Front first: the order in which taps see events.
    std::vector<std::uint64_t> tapOrder_;
    std::uint64_t nextTap_ = 1;
    bool tapsRefused_ = false;
    std::map<EventMonitorToken, sim::Monitor> monitors_;
    EventMonitorToken nextMonitor_ = 1;
    EventFlags heldFlags_ = 0;
    std::optional<sim::WindowGrab> grab_;
    std::vector<sim::MouseEvent> applicationMouseEvents_;
};

} // namespace quillmere
