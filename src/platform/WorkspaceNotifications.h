#pragma once

#include "platform/RunningApplications.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// Posted whenever a display shows another Space.
inline constexpr std::string_view activeSpaceDidChangeNotification =
    "NSWorkspaceActiveSpaceDidChangeNotification";

// Posted about one application, which the notification carries.
inline constexpr std::string_view didLaunchApplicationNotification = "NSWorkspaceDidLaunchApplicationNotification";
inline constexpr std::string_view didTerminateApplicationNotification =
    "NSWorkspaceDidTerminateApplicationNotification";
inline constexpr std::string_view didActivateApplicationNotification =
    "NSWorkspaceDidActivateApplicationNotification";
inline constexpr std::string_view didHideApplicationNotification = "NSWorkspaceDidHideApplicationNotification";
inline constexpr std::string_view didUnhideApplicationNotification =
    "NSWorkspaceDidUnhideApplicationNotification";

// Posted when the machine, or only its screens, wake from sleep.
inline constexpr std::string_view didWakeNotification = "NSWorkspaceDidWakeNotification";
inline constexpr std::string_view screensDidWakeNotification = "NSWorkspaceScreensDidWakeNotification";

// The application's own notifications, which this center delivers too: a display was connected,
// disconnected or rearranged, and the application is about to quit.
inline constexpr std::string_view applicationDidChangeScreenParametersNotification =
    "NSApplicationDidChangeScreenParametersNotification";
inline constexpr std::string_view applicationWillTerminateNotification =
    "NSApplicationWillTerminateNotification";

// One delivered notification and what it carries.
struct WorkspaceNotification {
    std::string name;
    // The application a notification about one application is about; none when it does not say.
    std::optional<RunningApplication> application;
};

// Identifies an observer; never reused, so removing one twice cannot touch another.
struct ObserverToken {
    std::uint64_t value = 0;
    friend bool operator==(const ObserverToken&, const ObserverToken&) = default;
};

// The shared workspace's notification center. Notifications are delivered on the main queue, never inside
// the call that caused them.
class WorkspaceNotificationCenter {
  public:
    virtual ~WorkspaceNotificationCenter() = default;

    // Calls block for every notification of that name until the observer is removed.
    virtual ObserverToken addObserver(std::string_view name, std::function<void()> block) = 0;
    // The same, for an observer that reads what the notification carries.
    virtual ObserverToken addObserver(std::string_view name,
                                      std::function<void(const WorkspaceNotification&)> block) = 0;
    // Unknown and removed tokens are ignored.
    virtual void removeObserver(ObserverToken token) = 0;
};

} // namespace quillmere
