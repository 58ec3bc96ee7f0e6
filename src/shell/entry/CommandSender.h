#pragma once

#include <string>
#include <string_view>

namespace quillmere {

// What became of a command given on the command line.
struct CommandSend {
    enum class Outcome {
        sent,
        // No copy of either variant runs.
        notRunning,
        // A copy runs but does not receive commands yet (it is still starting or waiting for permission).
        notAcceptingYet,
        tooLong,
        failed,
    };
    Outcome outcome = Outcome::sent;
    // What to tell the user when it was not sent; empty when it was.
    std::string message;
};

// Offers the text to each variant's running copy in turn and stops at the first that takes it. Never
// waits for a receiver.
CommandSend sendCommand(std::string_view text);

} // namespace quillmere
