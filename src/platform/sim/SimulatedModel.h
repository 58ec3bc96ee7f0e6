#pragma once

#include "core/DisplayIdentity.h"
#include "core/Geometry.h"
#include "core/WindowId.h"
#include "platform/Accessibility.h"
#include "platform/Displays.h"
#include "platform/Events.h"
#include "platform/MainQueue.h"
#include "platform/RunningApplications.h"
#include "platform/WindowServer.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The state of the simulated desktop: plain records that SimulatedDesktop keeps consistent.
namespace quillmere::sim {

using Names = std::set<std::string, std::less<>>;

struct Space {
    SpaceId id = 0;
    bool fullScreen = false;
    // The windows of a full-screen Space, left to right, and the area they share.
    std::vector<WindowId> tiles;
    Rect area;
};

// The Spaces of one display, or of every display when they share one list.
struct SpaceList {
    // As Mission Control shows them, Desktops and full-screen Spaces mixed.
    std::vector<Space> spaces;
    SpaceId current = 0;

    Space* find(SpaceId id);
    const Space* find(SpaceId id) const;
    std::vector<SpaceId> desktops() const;
    // The current Space when it is a Desktop, else the nearest Desktop before it in the order.
    SpaceId homeDesktop() const;
    void remove(SpaceId id);
};

struct Display {
    DisplayId number = 0;
    std::string uuid;
    DisplayIdentity identity;
    // Global points, origin top left.
    Rect bounds;
    // Empty while all displays share one list.
    SpaceList spaces;
};

enum class WindowNumberAnswer { number, zero, error };

struct Window {
    WindowId number = 0;
    std::int32_t pid = 0;
    std::uint64_t element = 0;
    std::string title;
    std::string role;
    std::optional<std::string> subrole;
    Rect frame;
    Size minimumSize;
    std::optional<Size> maximumSize;
    Names unsettable;
    bool minimized = false;
    // None, one, or several Spaces; onAllSpaces stands for every Desktop.
    std::vector<SpaceId> spaces;
    bool onAllSpaces = false;
    int layer = 0;
    // Where the window returns when it leaves full screen.
    Rect frameBeforeFullScreen;
    SpaceId spaceBeforeFullScreen = 0;
    Names failingAttributes;
    WindowNumberAnswer numberAnswer = WindowNumberAnswer::number;
    // Size writes the application has taken but not applied yet.
    int sizeWritesUnderway = 0;
    bool hasCloseButton = true;

    // The size the application makes of a size asked for: within its minimum and maximum.
    Size accepted(Size size) const;
};

// How an application answers writes of its windows' position and size. The default takes every write at
// once, as asked, within the window's minimum and maximum.
struct WriteBehaviour {
    // Sizes come out as whole multiples of it, rounded down, as a terminal's character cells; zero in a
    // dimension leaves that dimension as asked.
    Size sizeStep;
    // A position written while a size write is underway fails.
    bool refusesMoveWhileResizing = false;
    // Position and size writes succeed at once but take effect, with their notifications, this much later.
    MainQueue::Duration delay{};
};

struct Application {
    RunningApplication info;
    ProcessSerialNumber process;
    std::optional<WindowId> focusedWindow;
    bool responding = true;
    WriteBehaviour writes;
    // Its windows are off screen but stay its windows.
    bool hidden = false;
    // "AXEnhancedUserInterface" of the application element; none when the application does not have it.
    std::optional<bool> enhancedUserInterface;
};

// What an accessibility element handle stands for.
struct ElementTarget {
    enum class Kind { systemWide, application, window, menu, fullScreenButton, closeButton };
    Kind kind = Kind::systemWide;
    std::int32_t pid = 0;
    WindowId window = 0;
    // The place in the application's menu nodes.
    std::size_t menuNode = 0;
};

struct Observer {
    std::int32_t pid = 0;
    Accessibility::Callback callback;
    std::set<std::pair<std::uint64_t, std::string>> registrations;
};

// How the making of events fails.
enum class EventFault {
    none,
    // No event can be made at all.
    noEvent,
    // An event gives no serialized bytes.
    noData,
    // An event's bytes are of another format than the one the system builds on.
    otherDataFormat,
    // No event can be made from bytes.
    unreadableData,
};

struct PostedEvent {
    EventTapLocation tap = EventTapLocation::hid;
    Event event;
};

// One call asking to make a process the front process, whatever it answered.
struct FrontProcessRequest {
    ProcessSerialNumber process;
    WindowId window = 0;
    FrontProcessOptions options = FrontProcessOptions::bringForward;
    friend bool operator==(const FrontProcessRequest&, const FrontProcessRequest&) = default;
};

} // namespace quillmere::sim
