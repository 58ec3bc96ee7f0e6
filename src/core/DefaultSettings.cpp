#include "core/Settings.h"

#include <array>

namespace quillmere {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 4> directionKeys{
    {{"h", "west"}, {"j", "south"}, {"k", "north"}, {"l", "east"}}};

constexpr std::array<std::pair<std::string_view, std::string_view>, 39> fixedBindings{{
    {"ctrl-alt-h", "place left"},
    {"ctrl-alt-j", "place bottom"},
    {"ctrl-alt-k", "place top"},
    {"ctrl-alt-l", "place right"},
    {"ctrl-alt-y", "place top-left"},
    {"ctrl-alt-u", "place top-right"},
    {"ctrl-alt-b", "place bottom-left"},
    {"ctrl-alt-n", "place bottom-right"},
    {"ctrl-alt-c", "place center"},
    {"ctrl-alt-up", "place column"},
    {"ctrl-alt-=", "grow"},
    {"ctrl-alt--", "shrink"},
    {"ctrl-alt-r", "restore"},
    {"alt-shift-.", "send next"},
    {"alt-shift-,", "send prev"},
    {"alt-z", "zoom"},
    {"alt-m", "zoom"},
    {"alt-f", "float"},
    {"alt-s", "layout stack"},
    {"alt-d", "layout bsp"},
    {"alt-b", "balance"},
    {"alt-=", "balance"},
    {"alt-]", "balance"},
    {"alt-x", "mirror vertical"},
    {"alt-y", "mirror horizontal"},
    {"alt-r", "rotate 270"},
    {"alt-n", "stack next"},
    {"alt-p", "stack prev"},
    {"ctrl-alt-shift-h", "preselect west"},
    {"ctrl-alt-shift-j", "preselect south"},
    {"ctrl-alt-shift-k", "preselect north"},
    {"ctrl-alt-shift-l", "preselect east"},
    {"alt-e", "split"},
    {"alt-.", "space next"},
    {"alt-,", "space prev"},
    {"alt-`", "space last"},
    {"alt-shift-f", "fullscreen"},
    {"alt-shift-o", "pop out"},
    {"alt-shift-i", "pop in"},
}};

Settings::KeyMap defaultKeys() {
    Settings::KeyMap keys;
    for (int number = 1; number <= 10; ++number) {
        // Desktop 10 sits on the 0 key, after 9, as on the keyboard.
        const std::string digit = std::to_string(number % 10);
        keys["alt-" + digit] = "space " + std::to_string(number);
        keys["alt-shift-" + digit] = "send " + std::to_string(number);
    }
    for (const auto& [key, direction] : directionKeys) {
        keys["alt-" + std::string(key)] = "focus " + std::string(direction);
        keys["alt-shift-" + std::string(key)] = "swap " + std::string(direction);
        keys["ctrl-shift-" + std::string(key)] = "join " + std::string(direction);
    }
    for (const auto& [chord, command] : fixedBindings)
        keys.insert_or_assign(std::string(chord), std::string(command));
    return keys;
}

Settings makeDefault() {
    const FloatRules& floatRules = FloatRules::default_();
    const SpaceRules spaceRules = SpaceRules::default_();
    Settings settings;
    settings.keys = defaultKeys();
    settings.focusFollowsMouse = true;
    settings.mouseFollowsFocus = true;
    // The rule set is ordered by UTF-8 bytes, which is ascending text order.
    settings.floatApps.assign(floatRules.apps.begin(), floatRules.apps.end());
    for (const auto& title : floatRules.titles)
        settings.floatTitles.push_back({title.app, title.pattern});
    for (std::int64_t number = 1; number <= 10; ++number) {
        Settings::SpaceSettings entry{number, std::nullopt, std::nullopt};
        if (const auto label = spaceRules.labels.find(number); label != spaceRules.labels.end())
            entry.label = label->second;
        if (const auto layout = spaceRules.layouts.find(number); layout != spaceRules.layouts.end())
            entry.layout = layout->second;
        settings.spaces.push_back(std::move(entry));
    }
    settings.appSpaces = spaceRules.apps;
    return settings;
}

} // namespace

const Settings& Settings::default_() {
    static const Settings settings = makeDefault();
    return settings;
}

} // namespace quillmere
