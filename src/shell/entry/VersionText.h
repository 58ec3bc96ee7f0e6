#pragma once

#include <string>
#include <string_view>

namespace quillmere {

// The version this program was built as, and its build number: empty for a build not made as a release.
struct BuiltVersion {
    std::string_view version;
    std::string_view build;
};

BuiltVersion builtVersion();

// "1.4 (212)" from the version and the build number, "Unbundled build" without either.
std::string versionText(std::string_view version, std::string_view build);
// This build's version text.
std::string builtVersionText();

// The line "quillmere --version" prints: "quillmere 1.4 (build 212)", or "quillmere 1.4 (unbundled build)"
// without a build number.
std::string programVersionText(std::string_view program, BuiltVersion built);

} // namespace quillmere
