#pragma once

#include "platform/Displays.h"

#include <optional>
#include <string>

namespace quillmere {

// The desktop picture the user chose for each screen.
class DesktopPictures {
  public:
    virtual ~DesktopPictures() = default;

    // The picture file's URL; none when the screen shows no picture file.
    virtual std::optional<std::string> desktopImageURL(const Screen& screen) = 0;
};

} // namespace quillmere
