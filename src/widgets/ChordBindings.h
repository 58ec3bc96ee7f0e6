#pragma once

#include "core/KeyChord.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quillmere {

// The questions the chord controls ask of the key bindings they show and the requests they make; the settings
// model answers them. One recording runs at a time, and a control knows its own by the target it started it
// for. Main thread only.
class ChordBindings {
  public:
    // What a chord recording is for.
    struct RecordChord {
        // The bound chord text whose command moves to the recorded chord.
        std::string chord;
        friend bool operator==(const RecordChord&, const RecordChord&) = default;
    };
    struct RecordAdd {
        // The command text the recorded chord is added to.
        std::string command;
        friend bool operator==(const RecordAdd&, const RecordAdd&) = default;
    };
    struct RecordPrefix {
        // The commands whose chords all get the recorded modifiers.
        std::vector<std::string> commands;
        friend bool operator==(const RecordPrefix&, const RecordPrefix&) = default;
    };
    using RecordTarget = std::variant<RecordChord, RecordAdd, RecordPrefix>;

    using ObserverId = std::uint64_t;

    virtual ~ChordBindings() = default;

    virtual const std::optional<RecordTarget>& recording() const = 0;
    // Ends a running recording first.
    virtual void record(const RecordTarget& target) = 0;
    virtual void stopRecording() = 0;
    // Unbinds the chord at once.
    virtual void remove(const std::string& chord) = 0;
    // Why the hot keys could not register the bound chord; none when they did.
    virtual std::optional<std::string> registrationProblem(const std::string& chord) const = 0;
    // The one modifier set of every chord of the commands; none without chords or with several sets.
    virtual std::optional<KeyChord::Modifiers>
    sharedModifiers(const std::vector<std::string>& commands) const = 0;

    // Calls the observer after the recording, the bindings or their registrations changed.
    virtual ObserverId observeBindings(std::function<void()> observer) = 0;
    virtual void stopObservingBindings(ObserverId id) = 0;
};

} // namespace quillmere
