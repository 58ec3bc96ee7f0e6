#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// Which windows float rather than tile: every window of some applications, and the windows of an
// application whose title matches a regular expression. Application names are the names the system shows,
// compared exactly.
struct FloatRules {
    struct Title {
        std::string app;
        std::string pattern;
        friend bool operator==(const Title&, const Title&) = default;
    };

    std::set<std::string, std::less<>> apps;
    std::vector<Title> titles;

    // The built-in rules: system utilities, and Finder's copy, connect, move, info and preference windows.
    static const FloatRules& default_();

    // A pattern that is empty or does not compile never matches.
    bool floats(std::string_view app, std::string_view title) const;

    friend bool operator==(const FloatRules&, const FloatRules&) = default;
};

} // namespace quillmere
