#include "core/Settings.h"

#include "core/BSPTree.h"

namespace quillmere {

std::string Settings::BindingError::text() const {
    if (const auto* bad = std::get_if<BadCommand>(&value))
        return "Unknown command “" + bad->command + "”";
    return "Unknown key or modifier";
}

std::set<std::string> Settings::fullScreenRules() const {
    if (!fullScreenApps)
        return {};
    return {fullScreenApps->begin(), fullScreenApps->end()};
}

double Settings::splitRatio() const {
    // The same bounds as border moves, so a new split never starts where a border could not be dragged.
    return ClosedRange{BSPTree::ratioMin, BSPTree::ratioMax}.clamp(ratio.value_or(0.5));
}

Spacing Settings::spacingForDisplayWidth(double width) const {
    const Spacing automatic = Spacing::forDisplay(width);
    if (!usesSpacing())
        return {0, 0, splitRatio()};
    return {padding ? spacingRange.clamp(*padding) : automatic.padding,
            gap ? spacingRange.clamp(*gap) : automatic.gap, splitRatio()};
}

std::vector<Settings::Binding> Settings::bindings() const {
    std::vector<Binding> result;
    result.reserve(keys.size());
    // The map is ordered by chord text already.
    for (const auto& [chordText, commandText] : keys) {
        const auto chord = KeyChord::parse(chordText);
        if (!chord) {
            result.push_back({chordText, BindingError{BindingError::BadChord{}}});
            continue;
        }
        const auto command = Command::parse(commandText);
        if (!command) {
            result.push_back({chordText, BindingError{BindingError::BadCommand{commandText}}});
            continue;
        }
        result.push_back({chordText, std::pair{*chord, *command}});
    }
    return result;
}

FloatRules Settings::floatRules() const {
    FloatRules rules;
    rules.apps.insert(floatApps.begin(), floatApps.end());
    for (const auto& rule : floatTitles)
        rules.titles.push_back({rule.app, rule.title});
    return rules;
}

SpaceRules Settings::spaceRules() const {
    SpaceRules rules;
    for (const auto& entry : spaces) {
        // emplace keeps what an earlier entry put there.
        if (entry.label)
            rules.labels.emplace(entry.space, *entry.label);
        if (entry.layout)
            rules.layouts.emplace(entry.space, *entry.layout);
    }
    rules.apps = appSpaces;
    return rules;
}

void Settings::flip(SettingToggle toggle) {
    switch (toggle) {
    case SettingToggle::spacing:
        spacing = !usesSpacing();
        break;
    case SettingToggle::border:
        activeBorder = !showsActiveBorder();
        break;
    case SettingToggle::dim:
        dimInactive = !dimsInactive();
        break;
    }
}

} // namespace quillmere
