#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quillmere {

// What one start of the front program is asked for, decided from its arguments (without the program's own
// path) alone.
struct FrontRequest {
    enum class Kind {
        // No arguments, or a first one that begins with "-" and is none of the front's own options.
        startApplication,
        // "--help" first.
        showUsage,
        // "--version" first.
        showVersion,
        // Words that make a command; the text is the words joined with single spaces.
        sendCommand,
        // Words that make no command; the text tells the user why, and nothing is sent.
        refuse,
    };
    Kind kind = Kind::startApplication;
    std::string text;

    friend bool operator==(const FrontRequest&, const FrontRequest&) = default;
};

FrontRequest frontRequest(std::span<const std::string_view> arguments);

} // namespace quillmere
