#include "shell/StatusLabel.h"

#include <vector>

namespace quillmere {

std::string statusLabel(const WindowManagerStatus& status, bool accessibilityLost, bool configError) {
    std::vector<std::string> parts{"Quillmere"};
    if (accessibilityLost)
        parts.emplace_back("needs Accessibility permission");
    if (status.paused)
        parts.emplace_back("paused");
    if (status.space)
        parts.push_back("Space " + std::to_string(*status.space));
    if (status.label)
        parts.push_back(*status.label);
    if (status.profile)
        parts.push_back("profile " + *status.profile);
    if (configError)
        parts.emplace_back("config.json has an error");
    std::string label;
    for (const std::string& part : parts)
        label += (label.empty() ? "" : ", ") + part;
    return label;
}

std::string statusTitle(const WindowManagerStatus& status) {
    return status.space ? std::to_string(*status.space) : "\u00B7";
}

} // namespace quillmere
