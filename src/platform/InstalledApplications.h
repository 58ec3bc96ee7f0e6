#pragma once

#include <string>
#include <vector>

namespace quillmere {

// One application installed on the desktop the window manager arranges.
struct InstalledApplication {
    std::string bundleIdentifier;
    // Its display name, the one the menu bar shows while it runs.
    std::string name;
    friend bool operator==(const InstalledApplication&, const InstalledApplication&) = default;
};

// The applications installed on the desktop the window manager arranges.
class InstalledApplications {
  public:
    virtual ~InstalledApplications() = default;

    virtual std::vector<InstalledApplication> installedApplications() = 0;
};

} // namespace quillmere
