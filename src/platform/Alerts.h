#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

struct Alert {
    std::string message;
    std::string informativeText;
    // Left to right as the user reads them; the first is the default.
    std::vector<std::string> buttons;
    // The title of the check box under the text; none shows no box.
    std::optional<std::string> suppressionTitle;
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
