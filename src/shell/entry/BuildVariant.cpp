#include "shell/entry/BuildVariant.h"

namespace quillmere {

std::string_view variantIdentifier(BuildVariant variant) {
    return variant == BuildVariant::release ? "com.brenvald.quillmere" : "com.brenvald.quillmere.dev";
}

BuildVariant variantOfProgram(std::string_view programPath) {
    const auto slash = programPath.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    return name == "quillmere-dev" ? BuildVariant::development : BuildVariant::release;
}

} // namespace quillmere
