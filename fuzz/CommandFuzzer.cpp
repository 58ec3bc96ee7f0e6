#include "FuzzCheck.h"
#include "core/Command.h"

// Printing may round a parsed command once (border amounts, shares near a simple fraction, column spans);
// after that, printing and parsing change nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    const auto command = Command::parse(fuzz::text(data, size));
    if (!command)
        return 0;
    const std::string printed = command->text();
    const auto again = Command::parse(printed);
    fuzz::require(again.has_value(), "a printed command parses");
    fuzz::require(again->text() == printed, "a printed command prints the same again");
    const auto third = Command::parse(again->text());
    fuzz::require(third == again, "a printed command parses to the same command again");
    return 0;
}
