#include "core/Overloaded.h"
#include "settings/model/SettingsModel.h"

namespace quillmere {
namespace {

// Each modifier flag by itself; caps lock and the function key are no modifiers of a chord.
KeyChord::Modifiers modifiers(EventFlags flags) {
    KeyChord::Modifiers held;
    if (flags & 0x40000)
        held.insert(KeyChord::Modifier::ctrl);
    if (flags & 0x80000)
        held.insert(KeyChord::Modifier::alt);
    if (flags & 0x20000)
        held.insert(KeyChord::Modifier::shift);
    if (flags & 0x100000)
        held.insert(KeyChord::Modifier::cmd);
    return held;
}

KeyChord::Modifiers united(KeyChord::Modifiers a, KeyChord::Modifiers b) {
    for (KeyChord::Modifier modifier : allModifiers)
        if (b.contains(modifier))
            a.insert(modifier);
    return a;
}

} // namespace

void SettingsModel::record(const RecordTarget& target) {
    stopRecording();
    setNotice(std::nullopt);
    assign(recording_, std::optional<RecordTarget>(target), Property::recording);
    prefixPeak_ = {};
    services_.hotkeys.unregisterAll();
    // The monitor goes with the model (see the destructor), so the handler never outlives it.
    keyMonitor_ = services_.keyMonitors.addLocalMonitor([this](const LocalKeyEvent& event) { recorded(event); });
}

void SettingsModel::stopRecording() {
    if (keyMonitor_) {
        services_.keyMonitors.removeMonitor(*keyMonitor_);
        keyMonitor_.reset();
    }
    if (!recording_)
        return;
    services_.hotkeys.rebind(services_.hotkeys.current());
    assign(recording_, std::optional<RecordTarget>(), Property::recording);
}

void SettingsModel::recorded(const LocalKeyEvent& event) {
    if (!recording_)
        return;
    const KeyChord::Modifiers held = modifiers(event.flags);
    if (const auto* prefix = std::get_if<RecordPrefix>(&*recording_);
        prefix && event.type == LocalKeyEvent::Type::flagsChanged) {
        prefixPeak_ = united(prefixPeak_, held);
        if (held.empty() && !prefixPeak_.empty()) {
            const std::vector<std::string> commands = prefix->commands;
            const KeyChord::Modifiers peak = prefixPeak_;
            stopRecording();
            setModifiers(peak, commands);
        }
        return;
    }
    if (event.type != LocalKeyEvent::Type::keyDown)
        return;
    if (event.keyCode == escapeKeyCode && held.empty()) {
        stopRecording();
        return;
    }
    const auto chord = KeyChord::fromKeyCode(event.keyCode, held);
    if (!chord || held.empty()) {
        stopRecording();
        return;
    }
    if (const auto reason = chord->reservedReason()) {
        setNotice(label(chord->text()) + " stays with macOS: " + std::string(*reason) + " Choose another shortcut.");
        stopRecording();
        return;
    }
    recordChord(*chord);
}

void SettingsModel::recordChord(const KeyChord& chord) {
    const Settings::KeyMap before = settings_.keys;
    const std::string text = chord.text();
    const RecordTarget target = *recording_;
    const bool done = std::visit(
        Overloaded{
            [&](const RecordChord& old) {
                rename(old.chord, text);
                return false;
            },
            [&](const RecordAdd& add) {
                editKeys([&](Settings::KeyMap& keys) { keys.insert_or_assign(text, add.command); });
                save("Record Shortcut");
                return false;
            },
            [&](const RecordPrefix& prefix) {
                setModifiers(chord.modifiers, prefix.commands);
                return true;
            },
        },
        target);
    if (!done)
        noteTaken(text, before);
    stopRecording();
}

} // namespace quillmere
