#pragma once

#include "core/Command.h"
#include "core/FloatRules.h"
#include "core/KeyChord.h"
#include "core/LayoutMode.h"
#include "core/MenuBarSettings.h"
#include "core/Result.h"
#include "core/SettingToggle.h"
#include "core/SpaceRules.h"
#include "core/Spacing.h"
#include "core/TileAlgorithm.h"
#include "core/TitleRule.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quillmere {

// The whole configuration, one field per key of the configuration file; `settingFields` lists the fields
// with their keys for every part that goes through all settings. Optional fields hold what the file holds
// (absent, or the value as written, even out of range); the parts that apply settings read the effective
// accessors, which supply the defaults and clamp.
struct Settings {
    using TitleRule = quillmere::TitleRule;
    using KeyMap = std::map<std::string, std::string>;

    struct SpaceSettings {
        std::int64_t space = 0;
        std::optional<std::string> label;
        std::optional<LayoutMode> layout;
        friend bool operator==(const SpaceSettings&, const SpaceSettings&) = default;
    };

    // Why one key binding cannot be used.
    struct BindingError {
        // The chord is fine but the command text, kept as written, does not parse.
        struct BadCommand {
            std::string command;
            friend bool operator==(const BadCommand&, const BadCommand&) = default;
        };
        struct BadChord {
            friend bool operator==(const BadChord&, const BadChord&) = default;
        };
        std::variant<BadCommand, BadChord> value;

        // The problem text the hot keys show for it.
        std::string text() const;
        friend bool operator==(const BindingError&, const BindingError&) = default;
    };

    // One entry of `keys`, parsed.
    struct Binding {
        std::string chord;
        Result<std::pair<KeyChord, Command>, BindingError> binding;
    };

    struct ClosedRange {
        double lower;
        double upper;
        // Also maps a NaN, which only a record built in code can hold, to the lower bound.
        double clamp(double value) const { return value > upper ? upper : value > lower ? value : lower; }
    };

    static constexpr ClosedRange spacingRange{0, 200};
    static constexpr ClosedRange borderOpacityRange{0.1, 1.0};
    static constexpr ClosedRange dimOpacityRange{0.05, 0.9};

    KeyMap keys;
    std::optional<bool> shortcuts;
    bool focusFollowsMouse = false;
    bool mouseFollowsFocus = false;
    std::optional<bool> followAfterSending;
    std::optional<bool> followRoutedWindows;
    std::optional<bool> windowPreviews;
    std::optional<MenuBarSettings> menuBar;
    std::vector<std::string> floatApps;
    std::vector<TitleRule> floatTitles;
    std::vector<SpaceSettings> spaces;
    std::optional<double> padding;
    std::optional<double> gap;
    std::optional<bool> spacing;
    std::optional<bool> activeBorder;
    // "#" and six hexadecimal digits; absent means the system accent colour.
    std::optional<std::string> borderColor;
    std::optional<double> borderOpacity;
    std::optional<bool> dimInactive;
    std::optional<double> dimOpacity;
    std::optional<bool> animateWindows;
    std::optional<double> ratio;
    std::optional<TileAlgorithm> tiling;
    std::optional<StackAlgorithm> stacking;
    std::map<std::string, std::int64_t> appSpaces;
    std::optional<std::vector<std::string>> fullScreenApps;
    std::optional<bool> nativeTiling;

    // The built-in configuration: 71 key bindings, the default float rules, Desktops 1 to 10 and every
    // optional field absent. Built once.
    static const Settings& default_();

    bool usesShortcuts() const { return shortcuts.value_or(true); }
    bool followsSends() const { return followAfterSending.value_or(true); }
    bool followsRouting() const { return followRoutedWindows.value_or(false); }
    bool showsWindowPreviews() const { return windowPreviews.value_or(false); }
    MenuBarSettings menuBarSettings() const { return menuBar.value_or(MenuBarSettings::default_()); }
    bool adoptsNativeTiling() const { return nativeTiling.value_or(true); }
    bool usesSpacing() const { return spacing.value_or(true); }
    bool showsActiveBorder() const { return activeBorder.value_or(false); }
    bool dimsInactive() const { return dimInactive.value_or(false); }
    double activeBorderOpacity() const { return borderOpacityRange.clamp(borderOpacity.value_or(1.0)); }
    double inactiveDimOpacity() const { return dimOpacityRange.clamp(dimOpacity.value_or(0.3)); }
    bool animatesWindows() const { return animateWindows.value_or(false); }
    std::set<std::string> fullScreenRules() const;
    TileAlgorithm tileAlgorithm() const { return tiling.value_or(TileAlgorithm::bsp); }
    StackAlgorithm stackAlgorithm() const { return stacking.value_or(StackAlgorithm::fill); }
    double splitRatio() const;

    // The spacing of a display whose whole frame is `width` points wide; padding and gap that the file leaves
    // out each follow the display's automatic spacing.
    Spacing spacingForDisplayWidth(double width) const;

    // Every entry of `keys` in chord-text order, parsed: the chord first, then the command.
    std::vector<Binding> bindings() const;
    FloatRules floatRules() const;
    // Where `spaces` names a Desktop more than once, the first label and the first layout given win.
    SpaceRules spaceRules() const;

    // Switches the setting from its effective value, so the field is present afterwards.
    void flip(SettingToggle toggle);

    // A short glyph summary of the chords bound to the commands ("⌥ H J K L"), none when none is bound.
    // Each command contributes the first of its chords in text order, when that one parses.
    std::optional<std::string> shortcutText(const std::vector<std::string>& commands) const;

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace quillmere
