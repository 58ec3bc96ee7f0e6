#pragma once

#include "core/Command.h"
#include "core/Settings.h"
#include "platform/HotKeys.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quillmere {

// Turns the key bindings of the configuration into system-wide hot keys and hands the command of a pressed
// one to the handler. Every rebind registers all bindings afresh and keeps, per binding, what became of it
// for the Keys pane. While `paused` only the pause command is registered; with shortcuts off nothing is.
//
// A hot key's id is its binding's position in the bindings sorted by chord text, so ids change with every
// rebind; the commands by id are rebuilt together with them. Main thread only.
class Hotkeys final {
  public:
    using Handler = std::function<void(const Command&)>;

    // 'BSPC', the signature every hot key is registered under.
    static constexpr std::uint32_t signature = 0x42535043;

    struct Registration {
        // As written in the configuration's key map.
        std::string chord;
        // None when the command text did not parse.
        std::optional<Command> command;
        // None when registered, and when left unregistered because shortcuts are off or tiling is paused.
        std::optional<std::string> problem;
        friend bool operator==(const Registration&, const Registration&) = default;
    };

    // Must not outlive the registrar, which it leaves as it found it.
    Hotkeys(HotKeyRegistrar& registrar, Handler handler);
    ~Hotkeys();
    // The registrar's handler holds this object.
    Hotkeys(const Hotkeys&) = delete;
    Hotkeys& operator=(const Hotkeys&) = delete;

    void rebind(const Settings& settings);
    // Until the next rebind no hot key fires; `registrations` still describes the last rebind.
    void unregisterAll();

    // One per key binding of the last rebind, in binding order.
    const std::vector<Registration>& registrations() const { return registrations_; }
    // The settings of the last rebind.
    const Settings& current() const { return current_; }

    // The window manager's pause state, set before a rebind.
    bool paused = false;

  private:
    // The chord text each chord registered by the current rebind was written as first.
    using RegisteredChords = std::unordered_map<KeyChord, std::string>;

    // The problem, none when registered.
    std::optional<std::string> registerBinding(std::uint32_t id, const std::string& chordText,
                                               const KeyChord& chord, const Command& command,
                                               RegisteredChords& registered);
    void fire(std::uint32_t id);

    HotKeyRegistrar& registrar_;
    Handler handler_;
    HotKeyHandlerToken handlerToken_;
    std::vector<Registration> registrations_;
    std::vector<HotKeyRef> refs_;
    std::map<std::uint32_t, Command> commands_;
    Settings current_ = Settings::default_();
};

} // namespace quillmere
