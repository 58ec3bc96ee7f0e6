#include "X11Session.h"
#include "platform/x11/X11Pointer.h"

#include <cmath>

namespace quillmere {
namespace {

using X11PointerTests = X11Session;

TEST_F(X11PointerTests, AWarpedPointerIsWhereEventsAreMadeAndNoButtonIsHeld) {
    X11Pointer pointer(*connection);
    for (const Point target : {Point{123, 45}, Point{640.4, 399.6}}) {
        pointer.warpMouseCursorPosition(target);
        const auto event = pointer.create();
        ASSERT_TRUE(event.has_value());
        EXPECT_EQ(event->location, (Point{std::round(target.x), std::round(target.y)}));
    }
    EXPECT_EQ(pointer.pressedMouseButtons(), 0u);
    EXPECT_FALSE(pointer.createKeyboardEvent(0, true).has_value()) << "not offered yet, and says so";
}

} // namespace
} // namespace quillmere
