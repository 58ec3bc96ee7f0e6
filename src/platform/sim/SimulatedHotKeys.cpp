#include "platform/sim/SimulatedDesktop.h"

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quillmere {

namespace {

// Carbon modifier bits and the event flags the same modifier keys set.
constexpr std::array<std::pair<std::uint32_t, EventFlags>, 4> modifierFlags{{
    {0x1000, 0x40000},  // control
    {0x0800, 0x80000},  // option
    {0x0200, 0x20000},  // shift
    {0x0100, 0x100000}, // command
}};

EventFlags eventFlags(std::uint32_t carbonModifiers) {
    EventFlags flags = 0;
    for (const auto& [carbon, event] : modifierFlags)
        if ((carbonModifiers & carbon) != 0)
            flags |= event;
    return flags;
}

} // namespace

HotKeyHandlerToken SimulatedDesktop::installHotKeyHandler(HotKeyRegistrar::PressedHandler handler) {
    const std::uint64_t token = hotKeys_.nextHandler++;
    hotKeys_.handlers.emplace(token, std::move(handler));
    return {token};
}

void SimulatedDesktop::removeHotKeyHandler(HotKeyHandlerToken token) {
    hotKeys_.handlers.erase(token.value);
}

Result<HotKeyRef, HotKeyStatus> SimulatedDesktop::registerHotKey(std::uint32_t keyCode,
                                                                 std::uint32_t modifiers, HotKeyId id) {
    if (hotKeys_.failure)
        return *hotKeys_.failure;
    const sim::HotKeyChord chord{keyCode, modifiers};
    if (hotKeys_.own(chord) || hotKeys_.heldElsewhere.contains(chord))
        return hotKeyExistsStatus;
    const std::uint64_t ref = hotKeys_.nextRef++;
    hotKeys_.registered.emplace(ref, sim::RegisteredHotKey{chord, id});
    return HotKeyRef{ref};
}

void SimulatedDesktop::unregisterHotKey(HotKeyRef ref) {
    hotKeys_.registered.erase(ref.value);
}

void SimulatedDesktop::pressKey(std::uint32_t keyCode, std::uint32_t modifiers) {
    input(EventType::keyDown);
    Event down{.type = EventType::keyDown, .flags = eventFlags(modifiers)};
    down.setIntegerValueField(Event::keyboardEventKeycode, keyCode);
    if (readHotKey(down))
        return;
    const sim::RegisteredHotKey* registered = hotKeys_.own({keyCode, modifiers});
    if (!registered)
        return;
    queue_.after(MainQueue::Duration::zero(), lifetime_.guarded([this, id = registered->id] {
        std::vector<std::uint64_t> tokens;
        for (const auto& [token, handler] : hotKeys_.handlers)
            tokens.push_back(token);
        // Looked up one by one, because a handler may remove another or itself.
        for (const std::uint64_t token : tokens)
            if (const auto found = hotKeys_.handlers.find(token); found != hotKeys_.handlers.end()) {
                const auto handler = found->second;
                handler(id);
            }
    }));
}

void SimulatedDesktop::holdHotKey(std::uint32_t keyCode, std::uint32_t modifiers) {
    const sim::HotKeyChord chord{keyCode, modifiers};
    if (hotKeys_.own(chord))
        throw std::invalid_argument("hot key " + std::to_string(keyCode) + " with modifiers " +
                                    std::to_string(modifiers) + " is this application's");
    hotKeys_.heldElsewhere.insert(chord);
}

std::vector<sim::RegisteredHotKey> SimulatedDesktop::registeredHotKeys() const {
    std::vector<sim::RegisteredHotKey> result;
    for (const auto& [ref, hotKey] : hotKeys_.registered)
        result.push_back(hotKey);
    return result;
}

} // namespace quillmere
