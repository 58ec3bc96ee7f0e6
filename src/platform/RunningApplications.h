#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

enum class ActivationPolicy {
    // Appears in the Dock and may have a menu bar.
    regular,
    // No Dock icon, but may show windows.
    accessory,
    // Shows no user interface.
    prohibited,
};

struct RunningApplication {
    std::int32_t processIdentifier = 0;
    std::optional<std::string> bundleIdentifier;
    std::optional<std::string> localizedName;
    ActivationPolicy activationPolicy = ActivationPolicy::regular;
    std::optional<std::chrono::system_clock::time_point> launchDate;
    friend bool operator==(const RunningApplication&, const RunningApplication&) = default;
};

// The applications of the user's session.
class RunningApplications {
  public:
    virtual ~RunningApplications() = default;

    virtual std::vector<RunningApplication> runningApplications() = 0;
    virtual std::optional<RunningApplication> application(std::int32_t pid) = 0;
    virtual std::optional<RunningApplication> frontmostApplication() = 0;
    // Brings the application forward with its key window; false when it is not running.
    virtual bool activate(std::int32_t pid) = 0;
};

} // namespace quillmere
