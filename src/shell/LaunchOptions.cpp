#include "shell/LaunchOptions.h"

namespace quillmere {
namespace {

bool takesFile(const std::string& argument) { return argument == "--scenario" || argument == "--dump-desktop"; }

} // namespace

Result<LaunchOptions, std::string> LaunchOptions::parse(const std::vector<std::string>& arguments) {
    LaunchOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        options.simulated = options.simulated || arguments[i] == "--simulated";
        if (!takesFile(arguments[i]))
            continue;
        if (i + 1 == arguments.size() || arguments[i + 1].empty())
            return arguments[i] + " needs a file";
        (arguments[i] == "--scenario" ? options.scenario : options.dumpDesktop) = arguments[i + 1];
        ++i;
    }
    return options;
}

std::vector<std::string> LaunchOptions::withScenario(const std::vector<std::string>& arguments,
                                                     const std::filesystem::path& scenario) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (!takesFile(arguments[i]) || i + 1 == arguments.size()) {
            result.push_back(arguments[i]);
            continue;
        }
        if (arguments[i] != "--scenario")
            result.insert(result.end(), {arguments[i], arguments[i + 1]});
        ++i;
    }
    result.insert(result.end(), {"--scenario", scenario.string()});
    return result;
}

} // namespace quillmere
