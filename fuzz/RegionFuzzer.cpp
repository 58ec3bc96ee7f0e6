#include "FuzzCheck.h"
#include "core/RegionText.h"

// Printing may round a parsed region once (shares near a simple fraction, column spans); after that,
// printing and parsing change nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    const auto region = parseRegion(fuzz::text(data, size));
    if (!region)
        return 0;
    const std::string printed = text(*region);
    const auto again = parseRegion(printed);
    fuzz::require(again.has_value(), "a printed region parses");
    fuzz::require(text(*again) == printed, "a printed region prints the same again");
    fuzz::require(parseRegion(text(*again)) == again, "a printed region parses to the same region again");
    return 0;
}
