#include "settings/SettingsPanes.h"

namespace quillmere {

std::optional<std::size_t> paneIndex(std::string_view tag) {
    for (std::size_t index = 0; index < settingsPanes.size(); ++index)
        if (settingsPanes[index].tag == tag)
            return index;
    return std::nullopt;
}

std::string openingPane(int problemCount, const std::optional<std::string>& remembered) {
    if (problemCount > 0)
        return std::string(setupPaneTag);
    return remembered.value_or("General");
}

bool remembersPane(std::string_view tag) { return tag != setupPaneTag; }

std::string permissionsLabel(int problemCount) {
    if (problemCount == 0)
        return "Permissions";
    return "Permissions (" + std::to_string(problemCount) + ")";
}

std::string_view permissionsSymbol(int problemCount) {
    return problemCount == 0 ? "checkmark.shield" : "exclamationmark.shield";
}

} // namespace quillmere
