#include "settings/SpacesTexts.h"

#include <algorithm>

namespace quillmere {

std::string spacesExplanation(const Settings& settings, int spaceCount) {
    std::string text = "Desktops are numbered as Mission Control labels them, without full-screen apps, so each "
                       "keeps its label and layout when a full-screen app opens before it. Layouts apply to "
                       "Desktops laid out after the change: switch to one and use ";
    text += settings.shortcutText({"layout stack"}).value_or("(no shortcut)");
    text += " (stack) or ";
    text += settings.shortcutText({"layout bsp"}).value_or("(no shortcut)");
    text += " (tile) to change it now.";
    if (static_cast<std::size_t>(std::max(spaceCount, 0)) < settings.spaces.size())
        text += " Showing your " + std::to_string(spaceCount) + " Desktop" + (spaceCount == 1 ? "" : "s") +
                "; settings for the others are kept for when you add them in Mission Control.";
    return text;
}

int listedDesktops(int spaceCount) { return std::max(1, spaceCount); }

} // namespace quillmere
