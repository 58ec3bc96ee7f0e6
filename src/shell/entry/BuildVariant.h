#pragma once

#include <array>
#include <string_view>

namespace quillmere {

// The two builds of the application that may be installed side by side; the copy launched later wins.
enum class BuildVariant { release, development };

// In the fixed order in which others are looked for and commands are offered.
inline constexpr std::array<BuildVariant, 2> buildVariants{BuildVariant::release, BuildVariant::development};

// "com.brenvald.quillmere" or "com.brenvald.quillmere.dev".
std::string_view variantIdentifier(BuildVariant variant);

// The variant a program started under that name belongs to: "quillmere-dev" is the development build,
// any other name the release build.
BuildVariant variantOfProgram(std::string_view programPath);

} // namespace quillmere
