#pragma once

#include "platform/UserDefaults.h"
#include "stores/ProfileStore.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmere {

// The bridge from the system's Focus filter, which may run before the application has started, to the window
// manager. Main thread only.
class FocusFilterRouter {
  public:
    // Loads the named profile; set by the application once it has started, doing nothing until then.
    void setHandler(std::function<void(const std::string&)> handler) { handler_ = std::move(handler); }

    // Logs the name, then hands it to the handler.
    void load(const std::string& name) const;

  private:
    std::function<void(const std::string&)> handler_ = [](const std::string&) {};
};

// The profiles a Focus filter offers: those the profile store loads, in its order.
struct ProfileOptions {
    static std::vector<std::string> results(const ProfileStore& store);
};

// "Load Quillmere Profile": a Focus that starts loads `profile` and remembers `endProfile` under
// "focusFilterEndProfile"; when it ends (the filter runs with `profile` unset) the remembered profile loads
// and is forgotten. Linux has no system Focus, so nothing but tests runs it.
struct QuillmereFocusFilter {
    static constexpr std::string_view title = "Load Quillmere Profile";
    static constexpr std::string_view endProfileKey = "focusFilterEndProfile";

    // How the filter reads where the user chooses it.
    struct DisplayRepresentation {
        std::string title;
        std::optional<std::string> subtitle;
        friend bool operator==(const DisplayRepresentation&, const DisplayRepresentation&) = default;
    };

    std::optional<std::string> profile;
    std::optional<std::string> endProfile;

    DisplayRepresentation displayRepresentation() const;
    void perform(UserDefaults& defaults, const FocusFilterRouter& router) const;
};

} // namespace quillmere
