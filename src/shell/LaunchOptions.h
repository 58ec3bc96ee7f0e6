#pragma once

#include "core/Result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// What the application was started with: "--simulated" runs it on the simulated desktop even in an X11
// session, "--scenario FILE" sets up the simulated desktop from FILE (and so asks for it too),
// "--dump-desktop FILE" keeps FILE telling the simulated desktop's state as text. Other arguments are
// left alone, as a system may add its own.
struct LaunchOptions {
    bool simulated = false;
    std::optional<std::filesystem::path> scenario;
    std::optional<std::filesystem::path> dumpDesktop;

    // An option without its file is a mistake, told in the error.
    static Result<LaunchOptions, std::string> parse(const std::vector<std::string>& arguments);
    // The arguments with "--scenario FILE" in place of any scenario they named, the others as they were.
    static std::vector<std::string> withScenario(const std::vector<std::string>& arguments,
                                                 const std::filesystem::path& scenario);
};

} // namespace quillmere
