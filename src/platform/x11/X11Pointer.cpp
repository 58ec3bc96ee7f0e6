#include "platform/x11/X11Pointer.h"

#include "platform/Log.h"

#include <chrono>
#include <cmath>
#include <limits>

namespace quillmere {

std::optional<Event> X11Pointer::create() {
    const auto pointer =
        connection_.reply(xcb_query_pointer_reply, xcb_query_pointer(connection_.raw(), connection_.root()));
    if (!pointer)
        return std::nullopt;
    return Event{
        .location = {static_cast<double>((*pointer)->root_x), static_cast<double>((*pointer)->root_y)},
        .timestamp = absoluteTime()};
}

void X11Pointer::post(EventTapLocation, const Event&) {
    if (toldPosts_)
        return;
    toldPosts_ = true;
    log(LogLevel::default_, "posting events: not available on the X11 desktop yet");
}

std::uint64_t X11Pointer::absoluteTime() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

double X11Pointer::secondsSinceLastEventType(EventSourceStateID, EventType) {
    return std::numeric_limits<double>::max();
}

void X11Pointer::warpMouseCursorPosition(Point point) {
    xcb_warp_pointer(connection_.raw(), XCB_NONE, connection_.root(), 0, 0, 0, 0,
                     static_cast<std::int16_t>(std::round(point.x)),
                     static_cast<std::int16_t>(std::round(point.y)));
    connection_.flush();
}

std::uint32_t X11Pointer::pressedMouseButtons() {
    const auto pointer =
        connection_.reply(xcb_query_pointer_reply, xcb_query_pointer(connection_.raw(), connection_.root()));
    if (!pointer)
        return 0;
    // X numbers the buttons left, middle, right; the interface counts left, right, then the others.
    const std::uint16_t mask = (*pointer)->mask;
    std::uint32_t pressed = 0;
    if (mask & XCB_BUTTON_MASK_1)
        pressed |= 1u << 0;
    if (mask & XCB_BUTTON_MASK_3)
        pressed |= 1u << 1;
    if (mask & XCB_BUTTON_MASK_2)
        pressed |= 1u << 2;
    return pressed;
}

} // namespace quillmere
