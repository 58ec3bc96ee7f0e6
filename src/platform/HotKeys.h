#pragma once

#include "core/Result.h"

#include <cstdint>
#include <functional>

namespace quillmere {

// The name a hot key is registered under and reported back with when pressed.
struct HotKeyId {
    std::uint32_t signature = 0;
    std::uint32_t id = 0;
    friend bool operator==(const HotKeyId&, const HotKeyId&) = default;
};

// One hot key registered by this application; never reused.
struct HotKeyRef {
    std::uint64_t value = 0;
    friend bool operator==(const HotKeyRef&, const HotKeyRef&) = default;
};

// Identifies an installed press handler; never reused either.
struct HotKeyHandlerToken {
    std::uint64_t value = 0;
    friend bool operator==(const HotKeyHandlerToken&, const HotKeyHandlerToken&) = default;
};

// A status of the event manager; 0 is success.
using HotKeyStatus = std::int32_t;

// System-wide keys: a key code with a modifier mask that reaches this application whichever application
// is in front.
class HotKeyRegistrar {
  public:
    // The answer when the chord is registered already, by another application or by this one.
    static constexpr HotKeyStatus hotKeyExistsStatus = -9878;

    using PressedHandler = std::function<void(HotKeyId)>;

    virtual ~HotKeyRegistrar() = default;

    // Calls handler, on the main queue, with the id of every hot key of this application that is pressed,
    // until removed.
    virtual HotKeyHandlerToken installHotKeyHandler(PressedHandler handler) = 0;
    // Unknown and removed tokens are ignored.
    virtual void removeHotKeyHandler(HotKeyHandlerToken token) = 0;

    // `modifiers` is a Carbon modifier mask. The error is the status of the failure, 0 when the system
    // answered success without a hot key.
    virtual Result<HotKeyRef, HotKeyStatus> registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                                           HotKeyId id) = 0;
    // Unknown and unregistered references are ignored.
    virtual void unregisterHotKey(HotKeyRef ref) = 0;
};

} // namespace quillmere
