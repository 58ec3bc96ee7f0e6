#include "system/Swipe.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillmere {

namespace {

// How the serialized form of an event begins in the version the record is made for.
constexpr std::array<std::uint8_t, 4> eventDataFormat{0x00, 0x00, 0x00, 0x02};

template <class T> void put(Swipe::GestureRecord& record, std::size_t offset, T value) {
    using Unsigned = std::make_unsigned_t<T>;
    const auto bits = static_cast<Unsigned>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i)
        record[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

void set(Event& event, Swipe::Field field, std::int64_t value) {
    event.setIntegerValueField(static_cast<int>(field), value);
}

void set(Event& event, Swipe::Field field, double value) {
    event.setDoubleValueField(static_cast<int>(field), value);
}

} // namespace

Swipe::GestureRecord Swipe::record(std::uint64_t timestamp, std::int64_t phase, bool right, double velocity) {
    GestureRecord record{};
    put<std::uint64_t>(record, 0, timestamp);
    put<std::uint32_t>(record, 24, 2);
    put<std::uint32_t>(record, 28, 40);
    put<std::uint32_t>(record, 32, 23);
    put<std::uint32_t>(record, 36, static_cast<std::uint32_t>(phase) << 24);
    put<std::uint32_t>(record, 44, 0x1999);
    put<std::uint16_t>(record, 60, 1);
    put<std::uint16_t>(record, 62, 3);
    put<std::int32_t>(record, 64, fixed(right ? -1.0 : 1.0));
    put<std::uint32_t>(record, 68, 28);
    put<std::uint32_t>(record, 72, 9);
    put<std::uint32_t>(record, 80, 1);
    put<std::int32_t>(record, 84, fixed(right ? -velocity : velocity));
    return record;
}

std::int32_t Swipe::fixed(double x) {
    constexpr auto largest = std::numeric_limits<std::int32_t>::max();
    constexpr auto smallest = std::numeric_limits<std::int32_t>::min();
    const double a = x * 65536;
    // Converting a number outside the range, or no number at all, would be undefined.
    if (std::isnan(a))
        return 0;
    if (a >= largest)
        return largest;
    if (a <= smallest)
        return smallest;
    const auto truncated = static_cast<std::int32_t>(a);
    if (truncated == 0 && x != 0)
        return x > 0 ? 1 : -1;
    return truncated;
}

void Swipe::postPhase(Events& events, std::int64_t phase, bool right, double velocity) {
    auto event = events.create();
    if (!event)
        return;
    set(*event, Field::eventType, std::int64_t{30});
    set(*event, Field::hidType, std::int64_t{23});
    set(*event, Field::phase, phase);
    set(*event, Field::progress, right ? 1.0 : -1.0);
    set(*event, Field::motion, std::int64_t{1});
    set(*event, Field::velocityX, right ? velocity : -velocity);
    set(*event, Field::velocityY, 0.0);
    set(*event, Field::phase2, phase);
    set(*event, Field::flavor, 3.0);
    set(*event, Field::timestamp, static_cast<double>(events.absoluteTime()));
    set(*event, Field::positionX, 0.1);

    auto bytes = events.createData(*event);
    if (!bytes || bytes->size() < eventDataFormat.size() ||
        !std::equal(eventDataFormat.begin(), eventDataFormat.end(), bytes->begin()))
        return;
    const std::uint64_t timestamp = event->timestamp != 0 ? event->timestamp : events.absoluteTime();
    const GestureRecord gesture = record(timestamp, phase, right, velocity);
    bytes->insert(bytes->end(), header.begin(), header.end());
    bytes->insert(bytes->end(), gesture.begin(), gesture.end());

    const auto extended = events.createFromData(*bytes);
    if (!extended)
        return;
    events.post(EventTapLocation::session, *extended);
}

} // namespace quillmere
