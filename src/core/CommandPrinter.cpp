#include "core/Command.h"
#include "core/CommandWords.h"
#include "core/RegionText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quillmere {
namespace {

std::string joined(std::string_view first, std::string_view second) {
    std::string result(first);
    result.append(" ").append(second);
    return result;
}

std::string decimal(std::int64_t number) {
    return std::to_string(number);
}

// The parser only makes amounts that fit a 64-bit integer; one built elsewhere that does not is written as
// the number itself, a text the parser refuses as well.
std::string borderAmount(double amount) {
    constexpr double integerLimit = 9223372036854775808.0; // 2^63
    if (std::isfinite(amount) && std::abs(amount) < integerLimit)
        return decimal(static_cast<std::int64_t>(amount));
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), amount);
    return std::string(buffer.data(), result.ptr);
}

std::string_view step(bool forward) {
    return commandWords::write(commandWords::steps, forward);
}

std::string_view direction(Direction value) {
    return commandWords::write(commandWords::directions, value);
}

struct Printer {
    std::string operator()(const Command::Focus& c) const { return joined("focus", direction(c.direction)); }
    std::string operator()(const Command::Swap& c) const { return joined("swap", direction(c.direction)); }
    std::string operator()(const Command::MoveBorder& c) const {
        return joined(joined("border", text(c.axis)), borderAmount(c.amount));
    }
    std::string operator()(const Command::SetLayout& c) const { return joined("layout", text(c.mode)); }
    std::string operator()(const Command::Mirror& c) const { return joined("mirror", text(c.axis)); }
    std::string operator()(const Command::Rotate& c) const {
        return joined("rotate", commandWords::write(commandWords::rotations, c.rotation));
    }
    std::string operator()(const Command::FocusSpace& c) const { return joined("space", decimal(c.number)); }
    std::string operator()(const Command::SendToSpace& c) const { return joined("send", decimal(c.number)); }
    std::string operator()(const Command::CycleStack& c) const { return joined("stack", step(c.forward)); }
    std::string operator()(const Command::Capture& c) const { return joined("capture", c.name); }
    std::string operator()(const Command::Load& c) const { return joined("load", c.name); }
    std::string operator()(const Command::Preselect& c) const {
        return joined("preselect", direction(c.direction));
    }
    std::string operator()(const Command::Join& c) const { return joined("join", direction(c.direction)); }
    std::string operator()(const Command::StepSpace& c) const { return joined("space", step(c.forward)); }
    std::string operator()(const Command::Place& c) const { return joined("place", text(c.region)); }
    std::string operator()(const Command::Resize& c) const { return c.grow ? "grow" : "shrink"; }
    std::string operator()(const Command::SendStep& c) const { return joined("send", step(c.forward)); }
    std::string operator()(const Command::FocusDisplay& c) const {
        return joined("display", step(c.forward));
    }
    std::string operator()(const Command::SendToDisplay& c) const {
        return joined("send display", step(c.forward));
    }
    std::string operator()(const Command::StepFullScreen& c) const {
        return joined("space fullscreen", step(c.forward));
    }
    std::string operator()(const Command::Toggle& c) const { return joined("toggle", text(c.setting)); }
    std::string operator()(const Command::ToggleZoom&) const { return "zoom"; }
    std::string operator()(const Command::ToggleFloat&) const { return "float"; }
    std::string operator()(const Command::Balance&) const { return "balance"; }
    std::string operator()(const Command::Retile&) const { return "retile"; }
    std::string operator()(const Command::Close&) const { return "close"; }
    std::string operator()(const Command::PopOut&) const { return "pop out"; }
    std::string operator()(const Command::PopIn&) const { return "pop in"; }
    std::string operator()(const Command::ToggleSplit&) const { return "split"; }
    std::string operator()(const Command::LastSpace&) const { return "space last"; }
    std::string operator()(const Command::Restore&) const { return "restore"; }
    std::string operator()(const Command::TogglePause&) const { return "pause"; }
    std::string operator()(const Command::OpenSettings&) const { return "settings"; }
    std::string operator()(const Command::ToggleFullScreen&) const { return "fullscreen"; }
    std::string operator()(const Command::FullScreenPair&) const { return "fullscreen pair"; }
};

} // namespace

std::string Command::text() const {
    return std::visit(Printer{}, value);
}

} // namespace quillmere
