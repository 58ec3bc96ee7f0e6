#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace quillmere {

// Posted whenever a display shows another Space.
inline constexpr std::string_view activeSpaceDidChangeNotification =
    "NSWorkspaceActiveSpaceDidChangeNotification";

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
    // Unknown and removed tokens are ignored.
    virtual void removeObserver(ObserverToken token) = 0;
};

} // namespace quillmere
