#pragma once

#include "core/PropertyList.h"
#include "core/Result.h"
#include "core/WindowId.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillmere {

// A process as the window server and the process manager name it.
struct ProcessSerialNumber {
    std::uint32_t high = 0;
    std::uint32_t low = 0;
    friend bool operator==(const ProcessSerialNumber&, const ProcessSerialNumber&) = default;
};

// What a call of the process manager or the window server answers; any value but noError is a failure.
enum class [[nodiscard]] StatusCode : std::int32_t{
    noError = 0,
    processNotFound = -600,
    failure = 1000,
};

using ConnectionId = std::int32_t;

// How a process is brought to the front.
enum class FrontProcessOptions : std::uint32_t {
    bringForward = 0x200,
    withoutRaising = 0x400,
};

// The key of one of the user's system keyboard shortcuts.
struct SymbolicHotKey {
    std::uint16_t keyCode = 0;
    std::uint32_t modifiers = 0;
    friend bool operator==(const SymbolicHotKey&, const SymbolicHotKey&) = default;
};

// The process that owns every window and every Space, and its private calls.
class WindowServer {
  public:
    // Which Spaces spacesForWindows answers: 7 asks for every Space a window is on.
    static constexpr int allSpacesMask = 7;
    static constexpr std::size_t eventRecordSize = 248;

    virtual ~WindowServer() = default;

    // None when no window server can be found. Window ids stay valid only while the same process runs.
    virtual std::optional<std::int32_t> processId() const = 0;

    virtual ConnectionId mainConnection() = 0;

    // An array of display dictionaries, each with "Display Identifier", "Spaces" and "Current Space"; one
    // display named "Main" when all displays share one Space list. None when there is no answer.
    virtual std::optional<PropertyList> managedDisplaySpaces(ConnectionId connection) = 0;
    // The "Display Identifier" of the display with the active menu bar.
    virtual std::optional<std::string> activeMenuBarDisplayIdentifier(ConnectionId connection) = 0;
    // An array of the Space ids the windows are on.
    virtual std::optional<PropertyList> spacesForWindows(ConnectionId connection, int mask,
                                                         const std::vector<WindowId>& windows) = 0;

    // Whether windows can be moved between Spaces at all on this system.
    virtual bool bridgedMoveIsAvailable() = 0;
    // Hands the move over; true means only that the window server took it, the move completes later.
    virtual bool moveWindowsToManagedSpace(const std::vector<WindowId>& windows, SpaceId space) = 0;

    virtual Result<ProcessSerialNumber, StatusCode> processForPid(std::int32_t pid) = 0;
    virtual Result<std::int32_t, StatusCode> pidForProcess(const ProcessSerialNumber& process) = 0;
    virtual Result<ProcessSerialNumber, StatusCode> frontProcess() = 0;
    virtual StatusCode setFrontProcess(const ProcessSerialNumber& process, WindowId window,
                                       FrontProcessOptions options) = 0;
    // Posts a key-window event record to the process.
    virtual StatusCode postEventRecord(const ProcessSerialNumber& process,
                                       std::span<const std::uint8_t, eventRecordSize> record) = 0;

    // The key of system shortcut `hotKey` (79: one Space left, 81: one Space right).
    virtual Result<SymbolicHotKey, StatusCode> symbolicHotKey(int hotKey) = 0;
};

} // namespace quillmere
