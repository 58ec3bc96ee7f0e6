#pragma once

#include "platform/Events.h"

#include <array>
#include <cstdint>

namespace quillmere {

// One synthesized event of the horizontal swipe with which a trackpad moves a display to the neighbouring
// Space. The bytes are a wire format of the window server and must stay exactly as they are.
namespace Swipe {

// The event fields a swipe sets, by their event-field numbers.
enum class Field : int {
    eventType = 55,
    hidType = 110,
    motion = 123,
    progress = 124,
    positionX = 125,
    velocityX = 129,
    velocityY = 130,
    phase = 132,
    phase2 = 134,
    flavor = 138,
    timestamp = 169,
};

using GestureRecord = std::array<std::uint8_t, 96>;

// Goes between the event's bytes and the record: the record's length as a big-endian 16-bit number, then
// the record's kind.
inline constexpr std::array<std::uint8_t, 4> header{0x00, 0x60, 0x10, 0x6D};

// The record that makes an event a Space swipe; `right` is the direction after the scroll-direction
// preference, `velocity` 2000 per step.
GestureRecord record(std::uint64_t timestamp, std::int64_t phase, bool right, double velocity);

// The 16.16 fixed-point form, saturated at the ends of the signed 32-bit range; a value that is not 0 never
// becomes 0, and one that is no number becomes 0.
std::int32_t fixed(double x);

// Builds and posts one event at the session event tap. Any step that fails ends it quietly: the caller only
// sees that the display did not move.
void postPhase(Events& events, std::int64_t phase, bool right, double velocity);

} // namespace Swipe

} // namespace quillmere
