#include "core/Command.h"
#include "core/CommandWords.h"
#include "core/NumberText.h"
#include "core/RegionText.h"
#include "core/Words.h"

#include <cmath>
#include <span>

namespace quillmere {
namespace {

using Words = std::span<const std::string_view>;

std::optional<Command> singleWord(std::string_view word) {
    if (word == "zoom")
        return Command{Command::ToggleZoom{}};
    if (word == "float")
        return Command{Command::ToggleFloat{}};
    if (word == "balance")
        return Command{Command::Balance{}};
    if (word == "retile")
        return Command{Command::Retile{}};
    if (word == "close")
        return Command{Command::Close{}};
    if (word == "split")
        return Command{Command::ToggleSplit{}};
    if (word == "grow")
        return Command{Command::Resize{true}};
    if (word == "shrink")
        return Command{Command::Resize{false}};
    if (word == "restore")
        return Command{Command::Restore{}};
    if (word == "pause")
        return Command{Command::TogglePause{}};
    if (word == "settings")
        return Command{Command::OpenSettings{}};
    if (word == "fullscreen")
        return Command{Command::ToggleFullScreen{}};
    return std::nullopt;
}

// The command of one case whose argument is the value of a word, none when the word had no value.
template <typename Case, typename Value> std::optional<Command> withWord(std::optional<Value> value) {
    if (!value)
        return std::nullopt;
    return Command{Case{*value}};
}

template <typename Case> std::optional<Command> withDirection(std::string_view word) {
    return withWord<Case>(commandWords::read(commandWords::directions, word));
}

template <typename Case> std::optional<Command> withStep(std::string_view word) {
    return withWord<Case>(commandWords::read(commandWords::steps, word));
}

std::string joinedName(Words words) {
    std::string name(words[1]);
    for (auto word : words.subspan(2))
        name.append(" ").append(word);
    return name;
}

// The printer writes the amount as a 64-bit integer, so an amount it cannot write is refused here.
std::optional<Command> border(Words words) {
    const auto axis = parseAxis(words[1]);
    if (!axis || words.size() < 3)
        return std::nullopt;
    const auto amount = parseDouble(words[2]);
    constexpr double integerLimit = 9223372036854775808.0; // 2^63
    if (!amount || !std::isfinite(*amount) || std::abs(*amount) >= integerLimit)
        return std::nullopt;
    return Command{Command::MoveBorder{*axis, *amount}};
}

std::optional<Command> space(Words words) {
    const auto second = words[1];
    if (second == "next")
        return Command{Command::StepSpace{true}};
    if (second == "prev")
        return Command{Command::StepSpace{false}};
    if (second == "last")
        return Command{Command::LastSpace{}};
    if (second == "fullscreen")
        return words.size() == 3 ? withStep<Command::StepFullScreen>(words[2]) : std::nullopt;
    if (const auto number = parseInteger(second))
        return Command{Command::FocusSpace{*number}};
    return std::nullopt;
}

std::optional<Command> send(Words words) {
    const auto second = words[1];
    if (second == "display")
        return words.size() == 3 ? withStep<Command::SendToDisplay>(words[2]) : std::nullopt;
    if (second == "next")
        return Command{Command::SendStep{true}};
    if (second == "prev")
        return Command{Command::SendStep{false}};
    if (const auto number = parseInteger(second))
        return Command{Command::SendToSpace{*number}};
    return std::nullopt;
}

std::optional<Command> place(Words words) {
    if (auto region = parseRegion(joinedName(words)))
        return Command{Command::Place{std::move(*region)}};
    return std::nullopt;
}

// Forms of two or more words; a form that reads fewer words than given ignores the rest unless it is one
// of the exact forms ("space fullscreen", "send display", "fullscreen pair", "toggle").
std::optional<Command> severalWords(Words words) {
    const auto first = words[0];
    const auto second = words[1];
    if (first == "focus")
        return withDirection<Command::Focus>(second);
    if (first == "swap")
        return withDirection<Command::Swap>(second);
    if (first == "preselect")
        return withDirection<Command::Preselect>(second);
    if (first == "join")
        return withDirection<Command::Join>(second);
    if (first == "border")
        return border(words);
    if (first == "layout")
        return withWord<Command::SetLayout>(parseLayoutMode(second));
    if (first == "mirror")
        return withWord<Command::Mirror>(parseAxis(second));
    if (first == "rotate")
        return withWord<Command::Rotate>(commandWords::read(commandWords::rotations, second));
    if (first == "capture")
        return Command{Command::Capture{joinedName(words)}};
    if (first == "load")
        return Command{Command::Load{joinedName(words)}};
    if (first == "space")
        return space(words);
    if (first == "send")
        return send(words);
    if (first == "display")
        return withStep<Command::FocusDisplay>(second);
    if (first == "stack")
        return withStep<Command::CycleStack>(second);
    if (first == "pop" && second == "out")
        return Command{Command::PopOut{}};
    if (first == "pop" && second == "in")
        return Command{Command::PopIn{}};
    if (first == "place")
        return place(words);
    if (first == "fullscreen" && words.size() == 2 && second == "pair")
        return Command{Command::FullScreenPair{}};
    if (first == "toggle" && words.size() == 2)
        return withWord<Command::Toggle>(parseSettingToggle(second));
    return std::nullopt;
}

} // namespace

std::optional<Command> Command::parse(std::string_view text) {
    const auto textWords = words(text);
    if (textWords.empty())
        return std::nullopt;
    if (textWords.size() == 1)
        return singleWord(textWords[0]);
    return severalWords(textWords);
}

} // namespace quillmere
