#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>
#include <array>
#include <bit>
#include <stdexcept>
#include <utility>

namespace quillmere {

namespace {

// The serialized form of an event: this format mark, the type, location, timestamp and flags, then the
// fields in the order they were set; every number little-endian.
constexpr std::array<std::uint8_t, 4> dataFormat{0x00, 0x00, 0x00, 0x02};
constexpr std::array<std::uint8_t, 4> otherDataFormat{0x00, 0x00, 0x00, 0x01};

// What marks a trailer as a swipe's gesture record, and the record's length.
constexpr std::array<std::uint8_t, 4> gestureHeader{0x00, 0x60, 0x10, 0x6D};
constexpr std::size_t gestureSize = 96;

// The event fields of a swipe that the window server checks, and what it expects in them.
constexpr int eventTypeField = 55;
constexpr int hidTypeField = 110;
constexpr int phaseField = 132;
constexpr int secondPhaseField = 134;
constexpr std::int64_t gestureEventType = 30;
constexpr std::int64_t swipeHidType = 23;

constexpr int moveLeftHotKey = 79;
constexpr int moveRightHotKey = 81;

template <class T> void put(std::vector<std::uint8_t>& out, T value) {
    const auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

template <class T> T read(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::make_unsigned_t<T> bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        bits |= static_cast<std::make_unsigned_t<T>>(bytes[offset + i]) << (8 * i);
    return static_cast<T>(bits);
}

// Reads the serialized form from the front of the bytes, advancing past what it read.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    template <class T> std::optional<T> next() {
        if (bytes_.size() - at_ < sizeof(T))
            return std::nullopt;
        const T value = read<T>(bytes_, at_);
        at_ += sizeof(T);
        return value;
    }

    std::span<const std::uint8_t> rest() const { return bytes_.subspan(at_); }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

} // namespace

std::optional<Event> SimulatedDesktop::create() {
    if (eventFault_ == sim::EventFault::noEvent)
        return std::nullopt;
    return Event{.location = pointer_, .timestamp = absoluteTime()};
}

std::optional<Event> SimulatedDesktop::createKeyboardEvent(std::uint16_t keyCode, bool keyDown) {
    auto event = create();
    if (!event)
        return std::nullopt;
    event->type = keyDown ? EventType::keyDown : EventType::keyUp;
    event->setIntegerValueField(Event::keyboardEventKeycode, keyCode);
    return event;
}

std::optional<Event> SimulatedDesktop::createMouseEvent(EventType type, Point at) {
    auto event = create();
    if (!event)
        return std::nullopt;
    event->type = type;
    event->location = at;
    return event;
}

std::optional<std::vector<std::uint8_t>> SimulatedDesktop::createData(const Event& event) {
    if (eventFault_ == sim::EventFault::noData)
        return std::nullopt;
    const auto& format = eventFault_ == sim::EventFault::otherDataFormat ? otherDataFormat : dataFormat;
    std::vector<std::uint8_t> out(format.begin(), format.end());
    put(out, static_cast<std::uint32_t>(event.type));
    put(out, std::bit_cast<std::uint64_t>(event.location.x));
    put(out, std::bit_cast<std::uint64_t>(event.location.y));
    put(out, event.timestamp);
    put(out, event.flags);
    put(out, static_cast<std::uint32_t>(event.fields.size()));
    for (const auto& [field, value] : event.fields) {
        put(out, static_cast<std::int32_t>(field));
        const bool integer = std::holds_alternative<std::int64_t>(value);
        put(out, static_cast<std::uint8_t>(integer ? 0 : 1));
        put(out, integer ? static_cast<std::uint64_t>(std::get<std::int64_t>(value))
                         : std::bit_cast<std::uint64_t>(std::get<double>(value)));
    }
    out.insert(out.end(), event.trailer.begin(), event.trailer.end());
    return out;
}

std::optional<Event> SimulatedDesktop::createFromData(std::span<const std::uint8_t> data) {
    if (eventFault_ == sim::EventFault::unreadableData || data.size() < dataFormat.size() ||
        !std::equal(dataFormat.begin(), dataFormat.end(), data.begin()))
        return std::nullopt;
    Reader reader(data.subspan(dataFormat.size()));
    const auto type = reader.next<std::uint32_t>();
    const auto x = reader.next<std::uint64_t>();
    const auto y = reader.next<std::uint64_t>();
    const auto timestamp = reader.next<std::uint64_t>();
    const auto flags = reader.next<std::uint64_t>();
    const auto count = reader.next<std::uint32_t>();
    if (!type || !x || !y || !timestamp || !flags || !count)
        return std::nullopt;
    Event event{static_cast<EventType>(*type),
                {std::bit_cast<double>(*x), std::bit_cast<double>(*y)},
                *timestamp,
                *flags};
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto field = reader.next<std::int32_t>();
        const auto kind = reader.next<std::uint8_t>();
        const auto bits = reader.next<std::uint64_t>();
        if (!field || !kind || !bits || *kind > 1)
            return std::nullopt;
        if (*kind == 0)
            event.setIntegerValueField(*field, static_cast<std::int64_t>(*bits));
        else
            event.setDoubleValueField(*field, std::bit_cast<double>(*bits));
    }
    const auto rest = reader.rest();
    event.trailer.assign(rest.begin(), rest.end());
    return event;
}

void SimulatedDesktop::post(EventTapLocation tap, const Event& event) {
    postedEvents_.push_back({tap, event});
    if (readMouse(event))
        return;
    if (tap == EventTapLocation::session)
        readGesture(event);
    else
        readHotKey(event);
}

std::uint64_t SimulatedDesktop::absoluteTime() {
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(queue_.now().time_since_epoch()).count());
}

double SimulatedDesktop::secondsSinceLastEventType(EventSourceStateID, EventType type) {
    const auto last = lastInput_.find(type);
    const MainQueue::Instant since = last == lastInput_.end() ? began_ : last->second;
    return std::chrono::duration<double>(queue_.now() - since).count();
}

void SimulatedDesktop::input(EventType type) {
    lastInput_[type] = queue_.now();
}

// The window server reads the direction and phase of a swipe from its gesture record, but only of an event
// that says it is a swipe in every field it checks; the finger's direction means the opposite Space while
// the user has turned natural scrolling off.
void SimulatedDesktop::readGesture(const Event& event) {
    const std::span<const std::uint8_t> trailer = event.trailer;
    if (trailer.size() < gestureHeader.size() + gestureSize ||
        !std::equal(gestureHeader.begin(), gestureHeader.end(), trailer.begin()))
        return;
    const auto record = trailer.subspan(gestureHeader.size(), gestureSize);
    const std::uint32_t phase = read<std::uint32_t>(record, 36) >> 24;
    const auto fieldIs = [&event](int field, std::int64_t value) {
        return event.integerValueField(field) == value;
    };
    if (!fieldIs(eventTypeField, gestureEventType) || !fieldIs(hidTypeField, swipeHidType) ||
        !fieldIs(phaseField, phase) || !fieldIs(secondPhaseField, phase))
        return;
    const bool fingerRight = read<std::int32_t>(record, 64) < 0;
    if (phase == 1)
        swipeBegan_ = true;
    if (phase != 4 || !std::exchange(swipeBegan_, false) || swipesIgnored_)
        return;
    const auto natural = copyValue("com.apple.swipescrolldirection", PreferencesApplication::any,
                                   PreferencesUser::current, PreferencesHost::any);
    const bool right = natural && natural->integer() == 0 ? !fingerRight : fingerRight;
    if (const sim::Display* under = displayAt(pointer_))
        scheduleStep(under->number, right, true);
}

// As the system's own shortcuts do, the step goes to the display under the pointer, whichever display has
// the menu bar.
bool SimulatedDesktop::readHotKey(const Event& event) {
    if (event.type != EventType::keyDown)
        return false;
    const auto keyCode = event.integerValueField(Event::keyboardEventKeycode);
    for (const int hotKey : {moveLeftHotKey, moveRightHotKey}) {
        const auto key = symbolicHotKeys_.find(hotKey);
        if (key == symbolicHotKeys_.end() || keyCode != key->second.keyCode ||
            event.flags != key->second.modifiers)
            continue;
        if (const sim::Display* under = displayAt(pointer_))
            scheduleStep(under->number, hotKey == moveRightHotKey, false);
        return true;
    }
    return false;
}

void SimulatedDesktop::scheduleStep(DisplayId number, bool right, bool bySwipe) {
    queue_.after(spaceChangeDelay_, lifetime_.guarded([this, number, right, bySwipe] {
        if (!step(number, right) || !bySwipe || bounces_ == 0)
            return;
        --bounces_;
        queue_.after(bounceAfter_, lifetime_.guarded([this, number, right] { step(number, !right); }));
    }));
}

bool SimulatedDesktop::step(DisplayId number, bool right) {
    sim::Display* shown = display(number);
    if (!shown)
        return false;
    sim::SpaceList& list = listOf(*shown);
    const auto at = std::ranges::find(list.spaces, list.current, &sim::Space::id);
    if (at == list.spaces.end())
        return false;
    if (right ? std::next(at) == list.spaces.end() : at == list.spaces.begin())
        return false;
    list.current = (right ? std::next(at) : std::prev(at))->id;
    spaceChanged();
    return true;
}

void SimulatedDesktop::bounceBack(int count, MainQueue::Duration after) {
    bounces_ = count;
    bounceAfter_ = after;
}

void SimulatedDesktop::setSymbolicHotKey(int hotKey, std::optional<SymbolicHotKey> key) {
    if (key)
        symbolicHotKeys_[hotKey] = *key;
    else
        symbolicHotKeys_.erase(hotKey);
}

// The second record of a make-key pair, or the record of a key switch that names the window gaining key
// status, makes the window its process's key window.
void SimulatedDesktop::readKeyWindowRecord(std::int32_t pid,
                                           std::span<const std::uint8_t, eventRecordSize> record) {
    const bool makeKey = record[0x08] == 0x02 && record[0x3A] == 0x10 &&
                         std::all_of(&record[0x20], &record[0x30], [](std::uint8_t b) { return b == 0xFF; });
    const bool gainsKey = record[0x08] == 0x0D && record[0x8A] == 0x01;
    if (!makeKey && !gainsKey)
        return;
    const sim::Window* named = window(read<WindowId>(record, 0x3C));
    if (!named || named->pid != pid)
        return;
    setFocusedWindow(apps_.at(pid), named->number);
    followKeyWindow(pid);
}

void SimulatedDesktop::orderFront(WindowId number) {
    const sim::Window& ordered = windowOrThrow(number);
    raise(number);
    setFocusedWindow(appOrThrow(ordered.pid), number);
    followKeyWindow(ordered.pid);
}

std::optional<WindowId> SimulatedDesktop::keyWindow(std::int32_t pid) const {
    const sim::Application* found = app(pid);
    if (!found)
        throw std::invalid_argument("no application " + std::to_string(pid));
    return found->focusedWindow;
}

} // namespace quillmere
