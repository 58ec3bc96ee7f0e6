#include "settings/RuleTexts.h"

#include "core/Trimming.h"

#include <algorithm>

namespace quillmere {

std::optional<NameNote> nameNote(std::string_view typed, const std::vector<std::string>& listed,
                                 const std::function<bool(std::string_view)>& knowsApp) {
    const std::string name(trimmingSpacesAndTabs(typed));
    if (name.empty())
        return std::nullopt;
    if (std::find(listed.begin(), listed.end(), name) != listed.end())
        return NameNote{"“" + name + "” is already in this list.", true};
    if (!knowsApp(name))
        return NameNote{"No running or installed app is called “" + name + "”. Rules match the name in the app's menu bar.",
                        false};
    return std::nullopt;
}

std::string matchText(std::size_t count) {
    return "matches " + (count == 0 ? std::string("no") : std::to_string(count)) + " open window" +
           (count == 1 ? "" : "s");
}

std::string hiddenNote(std::size_t hidden, int spaceCount) {
    if (hidden == 0)
        return "";
    return "\n" + std::to_string(hidden) + " rule" + (hidden == 1 ? "" : "s") + " for Spaces beyond " +
           std::to_string(spaceCount) + " " + (hidden == 1 ? "is" : "are") +
           " kept but hidden until you create those Spaces.";
}

std::string rulesIntroduction(const Settings& settings) {
    return "Rules decide how Quillmere treats an app's windows, matched by the app's name as shown in the menu "
           "bar. Changes apply to windows that open from now on; use " +
           settings.shortcutText({"float"}).value_or("(no shortcut)") + " to float or tile an open window.";
}

std::string unknownAppTooltip(std::string_view name) {
    return "No running or installed app is called “" + std::string(name) +
           "”. The rule applies once one is; rules match the name in the app's menu bar.";
}

} // namespace quillmere
