#pragma once

#include "core/Region.h"

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillmere {

// One bindable action of the Keys pane: a command text with its title and picture.
struct KeyAction {
    // The name of a system symbol image.
    struct Symbol {
        std::string name;
        friend bool operator==(const Symbol&, const Symbol&) = default;
    };
    // A symbol, or a small diagram of the screen region the action places a window in.
    using Picture = std::variant<Symbol, Region>;

    struct Section {
        std::string title;
        std::string symbol;
        std::vector<KeyAction> actions;
    };

    std::string command;
    std::string title;
    Picture picture;

    const std::string& id() const { return command; }

    // The catalogue: eight titled sections of actions, in the order the Keys pane shows them.
    static const std::vector<Section>& sections();

    // The title under which a command is named: its catalogue title, "Switch to Space n" or
    // "Send to Space n" for a numbered Desktop command, else the text itself.
    static std::string titleFor(std::string_view command);

    // Every catalogue command and the numbered Desktop commands for Desktops 1 to 10; a binding of any other
    // command is a custom one.
    static const std::set<std::string, std::less<>>& listedCommands();
};

} // namespace quillmere
