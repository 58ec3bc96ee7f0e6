#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <variant>
#include <vector>

namespace quillmere {

// The kinds of event the system makes or asks about, with Core Graphics' numbers.
enum class EventType : std::uint32_t {
    null = 0,
    leftMouseDown = 1,
    leftMouseUp = 2,
    rightMouseDown = 3,
    rightMouseUp = 4,
    mouseMoved = 5,
    leftMouseDragged = 6,
    rightMouseDragged = 7,
    keyDown = 10,
    keyUp = 11,
    otherMouseDown = 25,
    // What the system tells an event tap it has switched off.
    tapDisabledByTimeout = 0xFFFFFFFE,
    tapDisabledByUserInput = 0xFFFFFFFF,
};

// Where an event enters the system's event streams.
enum class EventTapLocation {
    // Where the hardware's events enter.
    hid = 0,
    // Where the events of the login session enter.
    session = 1,
};

// Whose input is asked about by secondsSinceLastEventType.
enum class EventSourceStateID {
    combinedSession = 0,
    // The hardware's own input only.
    hidSystem = 1,
};

using EventFlags = std::uint64_t;

// The modifier keys held while an event happened, as bits of its flags.
namespace EventFlag {
constexpr EventFlags maskShift = 0x20000;
// The fn key.
constexpr EventFlags maskSecondaryFn = 0x800000;
} // namespace EventFlag

// Event types as bits, for taps and monitors: the bit of type n is 1 << n.
using EventMask = std::uint64_t;

constexpr EventMask eventMaskBit(EventType type) {
    return static_cast<std::uint32_t>(type) < 64 ? EventMask{1} << static_cast<std::uint32_t>(type) : 0;
}

// A Core Graphics event as a value. Fields are set by number; what each number means is up to whoever reads
// the event.
struct Event {
    using FieldValue = std::variant<std::int64_t, double>;

    // The field that carries a keyboard event's virtual key code.
    static constexpr int keyboardEventKeycode = 9;

    EventType type = EventType::null;
    Point location;
    std::uint64_t timestamp = 0;
    EventFlags flags = 0;
    // In the order they were first set; setting a field again replaces its value in place.
    std::vector<std::pair<int, FieldValue>> fields;
    // What followed the event's own bytes in the data it was made from; the window server reads such
    // records together with the event.
    std::vector<std::uint8_t> trailer;

    void setIntegerValueField(int field, std::int64_t value) { set(field, value); }
    void setDoubleValueField(int field, double value) { set(field, value); }
    // None when the field was never set or holds the other kind of number.
    std::optional<std::int64_t> integerValueField(int field) const { return get<std::int64_t>(field); }
    std::optional<double> doubleValueField(int field) const { return get<double>(field); }

    friend bool operator==(const Event&, const Event&) = default;

  private:
    void set(int field, FieldValue value) {
        for (auto& [number, held] : fields)
            if (number == field) {
                held = value;
                return;
            }
        fields.emplace_back(field, value);
    }
    template <class T> std::optional<T> get(int field) const {
        for (const auto& [number, value] : fields)
            if (number == field)
                return std::holds_alternative<T>(value) ? std::optional<T>(std::get<T>(value)) : std::nullopt;
        return std::nullopt;
    }
};

// Core Graphics' events: making them, their serialized form, posting them into the event streams, the
// pointer and the age of the user's last input.
class Events {
  public:
    virtual ~Events() = default;

    // An event without a source, at the pointer's location and stamped now; none when none can be made.
    virtual std::optional<Event> create() = 0;
    virtual std::optional<Event> createKeyboardEvent(std::uint16_t keyCode, bool keyDown) = 0;
    // A left-button or pointer-moved event at a point; none when none can be made.
    virtual std::optional<Event> createMouseEvent(EventType type, Point at) = 0;
    // The event's serialized bytes; none when they cannot be had.
    virtual std::optional<std::vector<std::uint8_t>> createData(const Event& event) = 0;
    // The event the bytes serialize, with whatever follows them as its trailer; none when they do not read.
    virtual std::optional<Event> createFromData(std::span<const std::uint8_t> data) = 0;
    virtual void post(EventTapLocation tap, const Event& event) = 0;

    // The clock of event timestamps, in its own ticks.
    virtual std::uint64_t absoluteTime() = 0;
    // How long ago input of that type came in.
    virtual double secondsSinceLastEventType(EventSourceStateID state, EventType type) = 0;
    // Moves the pointer without making an event of it.
    virtual void warpMouseCursorPosition(Point point) = 0;
};

} // namespace quillmere
