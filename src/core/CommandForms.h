#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// One form of the command language as a person types it: its words, with the choices of a word table
// written out ("focus west|east|north|south") and a value of the person's own in capitals ("space NUMBER").
struct CommandForm {
    std::string words;
    std::string_view meaning;
};

// Forms that belong together, under a title.
struct CommandFormGroup {
    std::string_view title;
    std::vector<CommandForm> forms;
};

// Every form of the command language, grouped for a usage text. The choices are read from the tables the
// parser reads, so that the two cannot drift apart.
std::vector<CommandFormGroup> commandForms();

// The region texts that "place REGION" takes, with SHARE the share of an edge.
CommandFormGroup regionForms();

} // namespace quillmere
