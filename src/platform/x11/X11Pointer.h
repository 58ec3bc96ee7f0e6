#pragma once

#include "platform/Events.h"
#include "platform/MouseButtons.h"
#include "platform/x11/X11Connection.h"

namespace quillmere {

// The pointer of an X11 session: where it is and which buttons are held (QueryPointer), and moving it
// (WarpPointer). Making and posting events of other kinds is not offered yet: those answer "none can be
// made" and posts are dropped, said once in the log.
class X11Pointer final : public Events, public MouseButtons {
  public:
    explicit X11Pointer(X11Connection& connection) : connection_(connection) {}

    std::optional<Event> create() override;
    std::optional<Event> createKeyboardEvent(std::uint16_t, bool) override { return std::nullopt; }
    std::optional<Event> createMouseEvent(EventType, Point) override { return std::nullopt; }
    std::optional<std::vector<std::uint8_t>> createData(const Event&) override { return std::nullopt; }
    std::optional<Event> createFromData(std::span<const std::uint8_t>) override { return std::nullopt; }
    void post(EventTapLocation tap, const Event& event) override;

    std::uint64_t absoluteTime() override;
    // No input is watched yet, so none is known to have come.
    double secondsSinceLastEventType(EventSourceStateID, EventType) override;
    void warpMouseCursorPosition(Point point) override;

    std::uint32_t pressedMouseButtons() override;

  private:
    X11Connection& connection_;
    bool toldPosts_ = false;
};

} // namespace quillmere
