#pragma once

#include "system/AXWindow.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace quillmere {

// The Accessibility handle of one window of an application, as the window manager would find it.
inline AXWindow windowHandle(Accessibility& accessibility, std::int32_t pid, WindowId number) {
    for (const AXWindow& window : AXUIElementRef::windows(accessibility, pid))
        if (window.id == number)
            return window;
    ADD_FAILURE() << "no window " << number;
    return {};
}

} // namespace quillmere
