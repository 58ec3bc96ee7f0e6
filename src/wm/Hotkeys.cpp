#include "wm/Hotkeys.h"

#include <utility>

namespace quillmere {

Hotkeys::Hotkeys(HotKeyRegistrar& registrar, Handler handler)
    : registrar_(registrar), handler_(std::move(handler)),
      handlerToken_(registrar_.installHotKeyHandler([this](HotKeyId pressed) { fire(pressed.id); })) {}

Hotkeys::~Hotkeys() {
    unregisterAll();
    registrar_.removeHotKeyHandler(handlerToken_);
}

void Hotkeys::rebind(const Settings& settings) {
    current_ = settings;
    unregisterAll();
    const std::vector<Settings::Binding> bindings = settings.bindings();
    std::vector<Registration> records;
    records.reserve(bindings.size());
    RegisteredChords registered;
    for (std::uint32_t id = 0; id < bindings.size(); ++id) {
        const auto& [chordText, binding] = bindings[id];
        if (!binding) {
            records.push_back({chordText, std::nullopt, binding.error().text()});
            continue;
        }
        const auto& [chord, command] = *binding;
        const bool wanted = settings.usesShortcuts() &&
                            (!paused || std::holds_alternative<Command::TogglePause>(command.value));
        records.push_back(
            {chordText, command,
             wanted ? registerBinding(id, chordText, chord, command, registered) : std::nullopt});
    }
    registrations_ = std::move(records);
}

std::optional<std::string> Hotkeys::registerBinding(std::uint32_t id, const std::string& chordText,
                                                    const KeyChord& chord, const Command& command,
                                                    RegisteredChords& registered) {
    // "alt-h" and "opt-h" are the same keys: the system would refuse the second as taken, and the user
    // would look for another application holding it.
    if (const auto earlier = registered.find(chord); earlier != registered.end())
        return "Same keys as “" + earlier->second + "”";
    const auto keyCode = chord.keyCode();
    if (!keyCode)
        return Settings::BindingError{Settings::BindingError::BadChord{}}.text();
    const auto ref = registrar_.registerHotKey(*keyCode, chord.carbonModifiers(), {signature, id});
    if (!ref) {
        if (ref.error() == HotKeyRegistrar::hotKeyExistsStatus)
            return "Already used by another app";
        return "Couldn't register (" + std::to_string(ref.error()) + ")";
    }
    refs_.push_back(*ref);
    commands_.emplace(id, command);
    registered.emplace(chord, chordText);
    return std::nullopt;
}

void Hotkeys::unregisterAll() {
    for (const HotKeyRef ref : refs_)
        registrar_.unregisterHotKey(ref);
    refs_.clear();
    commands_.clear();
}

void Hotkeys::fire(std::uint32_t id) {
    const auto found = commands_.find(id);
    if (found == commands_.end())
        return;
    // A copy, because the command may rebind (pausing does) and so replace every command.
    const Command command = found->second;
    handler_(command);
}

} // namespace quillmere
