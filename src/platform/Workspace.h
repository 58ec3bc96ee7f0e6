#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// How an application is opened.
struct OpenConfiguration {
    // Whether the application comes to the front.
    bool activates = true;
    friend bool operator==(const OpenConfiguration&, const OpenConfiguration&) = default;
};

// Installed applications and the requests the system carries out on them. URLs are texts: "file://" for files
// and folders, any other scheme for links. Requests are carried out later; nothing waits for them.
class Workspace {
  public:
    virtual ~Workspace() = default;

    // Where the application is installed; none when it is not.
    virtual std::optional<std::string> urlForApplication(std::string_view bundleIdentifier) = 0;
    // Launches the application found at the location, or brings a running copy round.
    virtual void openApplication(const std::string& at, const OpenConfiguration& configuration) = 0;
    // The application at the location opens the URLs, launching first when it is not running.
    virtual void open(const std::vector<std::string>& urls, const std::string& withApplicationAt,
                      const OpenConfiguration& configuration) = 0;
    virtual void hideApplication(std::int32_t pid) = 0;
    // An ordinary request to quit: the application may ask its user about unsaved changes, or refuse.
    // False when the request could not be delivered, as to an application that is gone.
    virtual bool terminateApplication(std::int32_t pid) = 0;
};

} // namespace quillmere
