#include "shell/LaunchOptions.h"

namespace quillmere {

Result<LaunchOptions, std::string> LaunchOptions::parse(const std::vector<std::string>& arguments) {
    LaunchOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::optional<std::filesystem::path>* file = nullptr;
        if (arguments[i] == "--scenario")
            file = &options.scenario;
        else if (arguments[i] == "--dump-desktop")
            file = &options.dumpDesktop;
        if (!file)
            continue;
        if (i + 1 == arguments.size() || arguments[i + 1].empty())
            return arguments[i] + " needs a file";
        *file = arguments[++i];
    }
    return options;
}

} // namespace quillmere
