#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// A system symbol shown in place of the application's icon.
struct AlertIcon {
    std::string symbol;
    // Read out by assistive technology.
    std::string description;
    friend bool operator==(const AlertIcon&, const AlertIcon&) = default;
};

struct Alert {
    std::string message;
    std::string informativeText;
    // Left to right as the user reads them; the first is the default.
    std::vector<std::string> buttons;
    // The title of the check box under the text; none shows no box.
    std::optional<std::string> suppressionTitle;
    // None shows the application's own icon.
    std::optional<AlertIcon> icon;
    friend bool operator==(const Alert&, const Alert&) = default;
};

struct AlertAnswer {
    // Of `Alert::buttons`.
    std::size_t button = 0;
    // Whether the check box was ticked.
    bool suppressed = false;
    friend bool operator==(const AlertAnswer&, const AlertAnswer&) = default;
};

// Modal alerts of the application: the application comes to the front first, then the alert runs until the
// user answers.
class Alerts {
  public:
    virtual ~Alerts() = default;
    virtual AlertAnswer run(const Alert& alert) = 0;
};

} // namespace quillmere
