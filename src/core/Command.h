#pragma once

#include "core/Direction.h"
#include "core/LayoutMode.h"
#include "core/Region.h"
#include "core/Rotation.h"
#include "core/SettingToggle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace quillmere {

// Every action of the window manager. Commands travel as their one-line text ("focus west",
// "place left 2/3", "pause"): key bindings, the catalogue, presets and the command line carry texts, while
// menus build values directly.
struct Command {
    struct Focus {
        Direction direction = Direction::west;
        friend bool operator==(const Focus&, const Focus&) = default;
    };
    struct Swap {
        Direction direction = Direction::west;
        friend bool operator==(const Swap&, const Swap&) = default;
    };
    // Negative amounts move the border toward the left or top.
    struct MoveBorder {
        Axis axis = Axis::horizontal;
        double amount = 0;
        friend bool operator==(const MoveBorder&, const MoveBorder&) = default;
    };
    struct SetLayout {
        LayoutMode mode = LayoutMode::bsp;
        friend bool operator==(const SetLayout&, const SetLayout&) = default;
    };
    struct Mirror {
        Axis axis = Axis::horizontal;
        friend bool operator==(const Mirror&, const Mirror&) = default;
    };
    struct Rotate {
        Rotation rotation = Rotation::quarter;
        friend bool operator==(const Rotate&, const Rotate&) = default;
    };
    // Desktop numbers are 1-based; bounds are the window manager's concern.
    struct FocusSpace {
        std::int64_t number = 0;
        friend bool operator==(const FocusSpace&, const FocusSpace&) = default;
    };
    struct SendToSpace {
        std::int64_t number = 0;
        friend bool operator==(const SendToSpace&, const SendToSpace&) = default;
    };
    struct CycleStack {
        bool forward = true;
        friend bool operator==(const CycleStack&, const CycleStack&) = default;
    };
    struct Capture {
        std::string name;
        friend bool operator==(const Capture&, const Capture&) = default;
    };
    struct Load {
        std::string name;
        friend bool operator==(const Load&, const Load&) = default;
    };
    struct Preselect {
        Direction direction = Direction::west;
        friend bool operator==(const Preselect&, const Preselect&) = default;
    };
    struct Join {
        Direction direction = Direction::west;
        friend bool operator==(const Join&, const Join&) = default;
    };
    struct StepSpace {
        bool forward = true;
        friend bool operator==(const StepSpace&, const StepSpace&) = default;
    };
    struct Place {
        Region region;
        friend bool operator==(const Place&, const Place&) = default;
    };
    struct Resize {
        bool grow = true;
        friend bool operator==(const Resize&, const Resize&) = default;
    };
    struct SendStep {
        bool forward = true;
        friend bool operator==(const SendStep&, const SendStep&) = default;
    };
    struct FocusDisplay {
        bool forward = true;
        friend bool operator==(const FocusDisplay&, const FocusDisplay&) = default;
    };
    struct SendToDisplay {
        bool forward = true;
        friend bool operator==(const SendToDisplay&, const SendToDisplay&) = default;
    };
    struct StepFullScreen {
        bool forward = true;
        friend bool operator==(const StepFullScreen&, const StepFullScreen&) = default;
    };
    struct Toggle {
        SettingToggle setting = SettingToggle::spacing;
        friend bool operator==(const Toggle&, const Toggle&) = default;
    };

    // The commands without arguments; each is its own type so that every command is one alternative.
    struct NoArguments {
        friend bool operator==(const NoArguments&, const NoArguments&) = default;
    };
    struct ToggleZoom : NoArguments {};
    struct ToggleFloat : NoArguments {};
    struct Balance : NoArguments {};
    struct Retile : NoArguments {};
    struct Close : NoArguments {};
    struct PopOut : NoArguments {};
    struct PopIn : NoArguments {};
    struct ToggleSplit : NoArguments {};
    struct LastSpace : NoArguments {};
    struct Restore : NoArguments {};
    struct TogglePause : NoArguments {};
    struct OpenSettings : NoArguments {};
    struct ToggleFullScreen : NoArguments {};
    struct FullScreenPair : NoArguments {};

    std::variant<Focus, Swap, MoveBorder, SetLayout, Mirror, Rotate, FocusSpace, SendToSpace, CycleStack,
                 Capture, Load, Preselect, Join, StepSpace, Place, Resize, SendStep, FocusDisplay,
                 SendToDisplay, StepFullScreen, Toggle, ToggleZoom, ToggleFloat, Balance, Retile, Close,
                 PopOut, PopIn, ToggleSplit, LastSpace, Restore, TogglePause, OpenSettings, ToggleFullScreen,
                 FullScreenPair>
        value;

    // Exact and case-sensitive; words are separated by spaces only. None for any text outside the grammar,
    // and for a border amount that is not finite or does not fit a 64-bit integer.
    static std::optional<Command> parse(std::string_view text);

    // Parsing the text gives an equal command, except that a border amount is truncated to a whole number,
    // a share within 0.001 of 1/4, 1/3, 1/2, 2/3 or 3/4 becomes that share and a column's span is dropped.
    std::string text() const;

    friend bool operator==(const Command&, const Command&) = default;
};

} // namespace quillmere
