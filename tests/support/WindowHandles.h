#pragma once

#include "system/AXWindow.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace quillmere {

// The Accessibility handle of one window of an application, as the window manager would find it.
template <class Desktop> AXWindow windowHandle(Desktop& desktop, std::int32_t pid, WindowId number) {
    for (const AXWindow& window : AXUIElementRef::windows(desktop, pid))
        if (window.id == number)
            return window;
    ADD_FAILURE() << "no window " << number;
    return {};
}

} // namespace quillmere
