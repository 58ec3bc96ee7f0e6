#include "core/FloatRules.h"

#include "core/TitlePattern.h"

namespace quillmere {

const FloatRules& FloatRules::default_() {
    static const FloatRules rules{
        {"Activity Monitor", "App Store", "Archive Utility", "Calculator", "Dictionary", "FaceTime",
         "Photo Booth", "Screen Sharing", "Software Update", "System Information", "System Settings"},
        {{"Finder", "Co(py|nnect)|Move|Info|Pref"}},
    };
    return rules;
}

bool FloatRules::floats(std::string_view app, std::string_view title) const {
    if (apps.contains(app))
        return true;
    for (const auto& rule : titles) {
        if (rule.app != app)
            continue;
        const auto pattern = TitlePattern::compile(rule.pattern);
        if (pattern && pattern->foundIn(title))
            return true;
    }
    return false;
}

} // namespace quillmere
