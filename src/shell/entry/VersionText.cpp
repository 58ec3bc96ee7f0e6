#include "shell/entry/VersionText.h"

namespace quillmere {

BuiltVersion builtVersion() { return {QUILLMERE_VERSION, QUILLMERE_BUILD_NUMBER}; }

std::string versionText(std::string_view version, std::string_view build) {
    if (version.empty() || build.empty())
        return "Unbundled build";
    return std::string(version) + " (" + std::string(build) + ")";
}

std::string builtVersionText() {
    const BuiltVersion built = builtVersion();
    return versionText(built.version, built.build);
}

std::string programVersionText(std::string_view program, BuiltVersion built) {
    const std::string build = built.build.empty() ? "unbundled build" : "build " + std::string(built.build);
    return std::string(program) + " " + std::string(built.version) + " (" + build + ")";
}

} // namespace quillmere
